// SPDX-License-Identifier: MIT
#include "tests/support/render_tool.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vestrel::test {

namespace {

// Says how a run of the tool ended when it did not end well: a failure on a
// test machine is then readable from the log alone.
bool ToolFinished(QProcess& tool, const QStringList& args)
{
    const bool finished = tool.waitForFinished(120000);
    if (finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        return true;
    const std::string how = !finished ? "did not finish in 120 s"
        : tool.exitStatus() == QProcess::CrashExit ? "crashed: " + tool.errorString().toStdString()
                                                   : "exited with code " + std::to_string(tool.exitCode());
    ADD_FAILURE() << "vestrel-render " << how << "\n  arguments: " << args.join(' ').toStdString() << "\n"
                  << tool.readAllStandardError().toStdString();
    return false;
}

} // namespace

QImage RenderWithTool(const QStringList& args)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("frame.png"));
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), QStringList(args) << QStringLiteral("--out") << out);
    if (!ToolFinished(tool, args))
        return {};
    QImage image(out);
    EXPECT_FALSE(image.isNull()) << "no picture from vestrel-render";
    return image;
}

QJsonObject DumpWithTool(const QStringList& args)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("frame.json"));
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), QStringList(args) << QStringLiteral("--dump") << out);
    if (!ToolFinished(tool, args))
        return {};
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no dump from vestrel-render";
        return {};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

QRgb ScreenColour(const Colour& c)
{
    const auto channel = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

int CountPixels(const QImage& image, QRgb colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance && std::abs(qGreen(p) - qGreen(colour)) <= tolerance
                && std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                ++count;
        }
    return count;
}

bool HasColour(const QImage& image, QRgb colour, int minCount, int tolerance)
{
    return CountPixels(image, colour, tolerance) >= minCount;
}

} // namespace vestrel::test
