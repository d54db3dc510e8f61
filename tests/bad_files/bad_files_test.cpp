// SPDX-License-Identifier: MIT
// Bad files everywhere: every file the program reads (a photograph, an
// information text, a reference picture, the legend, the About picture, the
// help page), missing, empty, truncated, of another format, a folder, without
// read rights, a pipe, enormous. Each gives its message (or an empty picture)
// through the real windows, nothing crashes or hangs, and the program goes on
// working: the next object is built with its photograph and text.
#include "tests/support/main_window_controls.h"
#include "app/about_window.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/legend_window.h"
#include "app/reference_window.h"
#include "app/help_opener.h"
#include "app/picture_box.h"
#include "logic/info_text.h"
#include "logic/pictures/jpeg_codec.h"
#include "tests/bad_files/forged_jpeg.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace vestrel {
namespace {

enum class Kind { Missing, Empty, Truncated, OtherFormat, Folder, Unreadable, Pipe, Enormous, EnormousFile };

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Missing: return "missing";
    case Kind::Empty: return "empty";
    case Kind::Truncated: return "truncated";
    case Kind::OtherFormat: return "other_format";
    case Kind::Folder: return "folder";
    case Kind::Unreadable: return "unreadable";
    case Kind::Pipe: return "pipe";
    case Kind::Enormous: return "enormous";
    case Kind::EnormousFile: return "enormous_file";
    }
    return "?";
}

enum class Reader { Photo, Text, Reference, Legend, About, Help };

struct ReaderInfo {
    const char* name;
    const char* file;
};

const ReaderInfo kReaders[] = {
    {"photo", "Data/Nature/NaCl.jpg"},          {"text", "Data/Information/NaCl.txt"},
    {"reference", "Data/Reference/Bravais.jpg"}, {"legend", "Data/Legend/Atoms.jpg"},
    {"about", "Data/About/Crystal.jpg"},         {"help", "help/index.html"},
};

const char* const kReferenceFiles[] = {"Data/Reference/Classes32.jpg", "Data/Reference/Bravais.jpg",
                                       "Data/Reference/CubicForms.jpg", "Data/Reference/Packings.jpg",
                                       "Data/Reference/Wulff.jpg"};

bool isPicture(Reader r) { return r != Reader::Text && r != Reader::Help; }

QByteArray jpegBytes(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QString error;
    const QByteArray bytes = EncodeJpeg(image, 90, &error);
    EXPECT_FALSE(bytes.isEmpty()) << error.toStdString();
    return bytes;
}

QByteArray pngBytes()
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A real JPEG whose frame header claims 65500 x 65500 pixels (12.9 GB), the
// largest that libjpeg itself lets through.
QByteArray forgedHugeJpeg() { return ForgedJpeg(65500, 65500); }

// "Каменная соль" and a second line, in Windows-1251.
const QByteArray kGoodText("\xCA\xE0\xEC\xE5\xED\xED\xE0\xFF \xF1\xEE\xEB\xFC\r\nNaCl\r\n");

class BadFiles : public ::testing::TestWithParam<std::tuple<Reader, Kind>> {
protected:
    QString file(const QString& relative) const { return QDir(dir.path()).filePath(relative); }

    void write(const QString& relative, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(file(relative)).path());
        QFile out(file(relative));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    // Every file in good order: two structures, the reference, legend, About
    // and the help page.
    void writeGoodFolder()
    {
        for (const char* name : {"NaCl", "Cu"}) {
            write(QStringLiteral("Data/Nature/%1.jpg").arg(name), jpegBytes(QSize(60, 40), QColor(200, 30, 30)));
            write(QStringLiteral("Data/Information/%1.txt").arg(name), kGoodText);
        }
        for (const char* page : kReferenceFiles)
            write(page, jpegBytes(QSize(50, 36), QColor(30, 180, 40)));
        write("Data/Legend/Atoms.jpg", jpegBytes(QSize(145, 437), QColor(40, 60, 210)));
        write("Data/About/Crystal.jpg", jpegBytes(QSize(477, 435), QColor(90, 90, 160)));
        write("help/index.html", "<html><body>Вестрел</body></html>");
    }

    // Puts the bad file in place; false when this kind cannot be made here.
    bool makeBad(Reader reader, Kind kind, const QString& relative)
    {
        const QString path = file(relative);
        QFile::remove(path);
        const QByteArray good = isPicture(reader) ? jpegBytes(QSize(64, 48), Qt::red) : kGoodText;
        switch (kind) {
        case Kind::Missing:
            return true;
        case Kind::Empty:
            write(relative, QByteArray());
            return true;
        case Kind::Truncated:
            write(relative, good.left(isPicture(reader) ? 300 : 16));
            return true;
        case Kind::OtherFormat:
            // A PNG; as a text it holds 0x98, which Windows-1251 lacks.
            write(relative, pngBytes() + QByteArray("\x98", 1));
            return true;
        case Kind::Folder:
            return QDir().mkpath(path);
        case Kind::Unreadable:
            if (geteuid() == 0)
                return false; // root reads every file
            write(relative, good);
            return ::chmod(QFile::encodeName(path).constData(), 0) == 0;
        case Kind::Pipe:
            return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
        case Kind::Enormous: {
            if (isPicture(reader)) {
                write(relative, forgedHugeJpeg());
                return true;
            }
            // 50 MB of text; sparse, so it costs the disk nothing.
            write(relative, good);
            return QFile::resize(path, 50LL * 1024 * 1024);
        }
        case Kind::EnormousFile:
            if (!isPicture(reader))
                return false;
            write(relative, good);
            return QFile::resize(path, kMaxJpegFileBytes + 1);
        }
        return false;
    }

    // The message this bad file must give; nothing where an empty or short
    // text simply shows as such.
    std::optional<QString> expectedMessage(Reader reader, Kind kind, const QString& path) const
    {
        if (reader == Reader::Help)
            return HelpMissingMessage(path);
        switch (kind) {
        case Kind::Missing: return CannotOpenMessage(path, ENOENT);
        case Kind::Folder: return CannotOpenMessage(path, EISDIR);
        case Kind::Unreadable: return CannotOpenMessage(path, EACCES);
        case Kind::Pipe: return CannotOpenMessage(path, QStringLiteral("Not a regular file"));
        default: break;
        }
        if (!isPicture(reader)) {
            if (kind == Kind::OtherFormat)
                return QStringLiteral("The file \"%1\" is not a Windows-1251 text.").arg(path);
            if (kind == Kind::Enormous)
                return TextTooLargeMessage(path, 50LL * 1024 * 1024);
            return std::nullopt;
        }
        switch (kind) {
        case Kind::Empty: return QStringLiteral("Empty input file");
        case Kind::Truncated: return QStringLiteral("Premature end of JPEG file");
        case Kind::OtherFormat: return QStringLiteral("Not a JPEG file: starts with 0x89 0x50");
        case Kind::Enormous: return PictureTooLargeMessage(path, 65500, 65500);
        case Kind::EnormousFile: return CannotOpenMessage(path, EFBIG);
        default: break;
        }
        return std::nullopt;
    }

    void build(MainWindow& mainWindow, int structure)
    {
        Controls(mainWindow).structureList->setCurrentIndex(structure);
        emit Controls(mainWindow).structureList->activated(structure);
        mainWindow.build();
    }

    QTemporaryDir dir;
};

TEST_P(BadFiles, GiveTheirMessageAndLeaveTheProgramUsable)
{
    const auto [reader, kind] = GetParam();
    const ReaderInfo& info = kReaders[static_cast<int>(reader)];
    writeGoodFolder();
    if (!makeBad(reader, kind, QString::fromLatin1(info.file)))
        GTEST_SKIP() << "this kind of bad file cannot be made here";
    const QString path = file(QString::fromLatin1(info.file));
    const std::optional<QString> expected = expectedMessage(reader, kind, path);

    PrepareApplication();
    Application app(dir.path());
    MainWindow& mainWindow = app.mainWindow();
    QStringList messages;
    const auto record = [&](const QString& text) { messages << text; };
    mainWindow.showMessageBox = record;
    app.reference().showMessageBox = record;
    app.legend().showMessageBox = record;
    app.about().showMessageBox = record;
    mainWindow.helpOpener().setMessenger(record);
    mainWindow.helpOpener().setOpener([](const QUrl&) { return true; });
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));

    switch (reader) {
    case Reader::Photo:
        build(mainWindow, 1);
        EXPECT_TRUE(Controls(mainWindow).photoBox->isEmpty());
        break;
    case Reader::Text:
        build(mainWindow, 1);
        EXPECT_FALSE(Controls(mainWindow).photoBox->isEmpty());
        if (kind == Kind::Truncated)
            EXPECT_EQ(Controls(mainWindow).informationMemo->toPlainText(), QStringLiteral("Каменная соль\nN"));
        else
            EXPECT_TRUE(Controls(mainWindow).informationMemo->toPlainText().isEmpty());
        break;
    case Reader::Reference: {
        mainWindow.showReference();
        ReferenceWindow& reference = app.reference();
        EXPECT_TRUE(reference.isVisible());
        EXPECT_TRUE(reference.picture(1)->isEmpty());
        for (int page : {0, 2, 3, 4}) {
            reference.pages()->setCurrentIndex(page);
            EXPECT_FALSE(reference.picture(page)->isEmpty()) << "page " << page;
        }
        break;
    }
    case Reader::Legend:
        mainWindow.showLegend();
        EXPECT_TRUE(app.legend().isVisible());
        EXPECT_TRUE(app.legend().picture()->isEmpty());
        break;
    case Reader::About: {
        AboutWindow& about = app.about();
        // Closed by its button once its message (if any) has come.
        QTimer::singleShot(300, about.okButton(), &QPushButton::click);
        mainWindow.showAbout();
        EXPECT_TRUE(about.background().isNull());
        EXPECT_FALSE(about.isVisible());
        break;
    }
    case Reader::Help:
        EXPECT_FALSE(mainWindow.helpOpener().open(dir.path()));
        break;
    }

    if (expected) {
        ASSERT_EQ(messages.size(), 1) << messages.join('|').toStdString();
        EXPECT_EQ(messages[0].toStdString(), expected->toStdString());
    } else {
        EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    }

    // Still usable: the next structure is built with its photograph and text.
    messages.clear();
    build(mainWindow, 17);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_FALSE(Controls(mainWindow).photoBox->isEmpty());
    EXPECT_EQ(Controls(mainWindow).informationMemo->toPlainText(), QStringLiteral("Каменная соль\nNaCl"));
    EXPECT_TRUE(mainWindow.isVisible());
}

// The help page is opened by the browser, which reads it; only whether it is
// there is the program's concern.
std::vector<std::tuple<Reader, Kind>> cases()
{
    std::vector<std::tuple<Reader, Kind>> all;
    for (Reader r : {Reader::Photo, Reader::Text, Reader::Reference, Reader::Legend, Reader::About, Reader::Help})
        for (Kind k : {Kind::Missing, Kind::Empty, Kind::Truncated, Kind::OtherFormat, Kind::Folder,
                       Kind::Unreadable, Kind::Pipe, Kind::Enormous, Kind::EnormousFile}) {
            if (r == Reader::Help && k != Kind::Missing && k != Kind::Folder)
                continue;
            if (!isPicture(r) && k == Kind::EnormousFile)
                continue;
            all.emplace_back(r, k);
        }
    return all;
}

INSTANTIATE_TEST_SUITE_P(AllReaders, BadFiles, ::testing::ValuesIn(cases()), [](const auto& info) {
    return std::string(kReaders[static_cast<int>(std::get<0>(info.param))].name) + "_"
        + kindName(std::get<1>(info.param));
});

} // namespace
} // namespace vestrel
