// SPDX-License-Identifier: MIT
// A throw-away program folder in which a test writes the pictures the
// auxiliary windows read, and a few pixel helpers for what they show.
#pragma once

#include "logic/pictures/jpeg_codec.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vestrel::testing {

class ProgramFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

    // Writes a JPEG of one colour at the relative path.
    void writePicture(const QString& relative, QSize size, QColor colour) const
    {
        QDir().mkpath(QFileInfo(file(relative)).path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QString error;
        ASSERT_TRUE(SaveJpeg(image, file(relative), 95, &error)) << error.toStdString();
    }

    void writeBytes(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(file(relative)).path());
        QFile out(file(relative));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// JPEG keeps a flat colour to within a few levels.
inline bool Near(QColor a, QColor b, int tolerance = 10)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The smallest rectangle holding every pixel near the colour.
inline QRect BoundsOfColour(const QImage& image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixelColor(x, y), colour))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace vestrel::testing
