// SPDX-License-Identifier: MIT
// The Debian package from end to end: built with CPack, its contents and
// Depends checked, installed with apt-get, /usr/bin/vestrel started on the
// test's display and driven with xdotool (a structure built, a screenshot
// taken, a setting changed, the program ended through its own prompts and
// started once more), and removed again. It installs into the system, so it
// runs as root only (as CI does); CTest runs it last.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Result {
    int exitCode = -1;
    QString output;
};

Result RunCommand(const QString& program, const QStringList& arguments, int timeoutMs = 300000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.output = QString::fromUtf8(process.readAll()) + QStringLiteral("\n(timed out)");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

Result Xdotool(const QStringList& arguments) { return RunCommand(QStringLiteral("xdotool"), arguments, 30000); }

void Pause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
    QCoreApplication::processEvents();
}

// The visible top-level windows whose title matches the pattern (newest last).
QStringList Windows(const QString& titlePattern)
{
    const Result r = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                              titlePattern});
    return r.exitCode == 0 ? r.output.split('\n', Qt::SkipEmptyParts) : QStringList();
}

QString WaitForWindow(const QString& titlePattern, int timeoutMs = 30000)
{
    for (int waited = 0; waited < timeoutMs; waited += 250) {
        const QStringList found = Windows(titlePattern);
        if (!found.isEmpty())
            return found.last();
        Pause(250);
    }
    return {};
}

QRect Geometry(const QString& window)
{
    const Result r = Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    QMap<QString, int> v;
    for (const QString& line : r.output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList pair = line.split('=');
        if (pair.size() == 2)
            v[pair[0]] = pair[1].toInt();
    }
    return {v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")), v.value(QStringLiteral("WIDTH")),
            v.value(QStringLiteral("HEIGHT"))};
}

void Click(QPoint at)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QStringLiteral("1")});
    Pause(400);
}

void Keys(const QString& window, const QStringList& keys)
{
    QStringList arguments{QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("key")};
    Xdotool(arguments + keys);
    Pause(600);
}

// Where the controls are in the main window (its client area, which is the
// whole window on a display without a window manager): the tool bar's
// buttons, 47 pixels high, below the menu bar on the left; the side panel,
// 224 pixels wide, on the right.
struct MainWindowMap {
    QRect window;
    QPoint toolButton(int index) const { return window.topLeft() + QPoint(24, 19 + 47 * index + 23); }
    QPoint fromRight(int x, int y) const { return QPoint(window.right() - x, window.top() + y); }
    QPoint structureList() const { return fromRight(120, 123); }
    QPoint buildButton() const { return fromRight(120, 55); }
    QPoint showBondsCheck() const { return fromRight(194, 463); }
    QRect drawingPanel() const { return QRect(window.left() + 60, window.top() + 30, window.width() - 300, window.height() - 80); }
    QRect photo() const { return QRect(window.right() - 185, window.top() + 572, 130, 80); }
};

constexpr int ScreenshotButton = 6, ExitButton = 10;

// Pixels of the rock-salt scene: blue and red balls.
struct Colours {
    int blue = 0;
    int red = 0;
    int total = 0;
};

Colours CountColours(const QImage& image, const QRect& area)
{
    Colours c;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); y += 2)
        for (int x = r.left(); x <= r.right(); x += 2) {
            const QColor p = image.pixelColor(x, y);
            c.blue += p.blue() > 180 && p.red() < 70 && p.green() < 70;
            c.red += p.red() > 130 && p.green() < 60 && p.blue() < 60;
            ++c.total;
        }
    return c;
}

// How much a picture varies: an empty photo box is one flat colour.
int DistinctGreys(const QImage& image, const QRect& area)
{
    QSet<int> greys;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); y += 3)
        for (int x = r.left(); x <= r.right(); x += 3)
            greys.insert(qGray(image.pixel(x, y)) / 8);
    return static_cast<int>(greys.size());
}

QImage GrabScreen(const QString& saveAs)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    image.save(saveAs);
    return image;
}

class Program {
public:
    Program(const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.remove(QStringLiteral("XDG_PICTURES_DIR"));
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(home);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral("/usr/bin/vestrel"), QStringList());
    }
    ~Program()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    bool started() { return process_.waitForStarted(10000); }
    // (waitForFinished is false for a process that has already ended.)
    bool finished(int ms) { return process_.state() == QProcess::NotRunning || process_.waitForFinished(ms); }
    int exitCode() const { return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1; }
    QString output() { return QString::fromUtf8(process_.readAll()); }

    // "Выход" → "Да", then "Сохранить изображение ...?" → "Нет": the
    // buttons before the default one, reached with Shift+Tab.
    void exitThroughPrompts(const MainWindowMap& map)
    {
        Click(map.toolButton(ExitButton));
        for (int prompt = 0; prompt < 2; ++prompt) {
            const QString box = WaitForWindow(QStringLiteral("^Вестрел$"), 10000);
            if (box.isEmpty())
                return;
            Keys(box, {QStringLiteral("shift+Tab"), QStringLiteral("space")});
        }
    }

private:
    QProcess process_;
};

QString MainWindowTitle() { return QStringLiteral("^Вестрел  Вер\\. 1\\.1$"); }

// The package is removed however the test ends.
struct Removal {
    ~Removal()
    {
        if (installed)
            RunCommand(QStringLiteral("apt-get"), {QStringLiteral("-o"), QStringLiteral("DPkg::Lock::Timeout=300"),
                                           QStringLiteral("remove"), QStringLiteral("--purge"), QStringLiteral("-y"),
                                           QStringLiteral("vestrel")});
    }
    bool installed = false;
};

} // namespace

TEST(Package, BuildsInstallsRunsAndRemoves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "the package test installs into the system and runs as root only";
    const QString out = QStringLiteral(VESTREL_BINARY_DIR "/package-test");
    QDir(out).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(out));

    // Build.
    const Result cpack = RunCommand(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                                       QStringLiteral(VESTREL_BINARY_DIR "/CPackConfig.cmake"),
                                                       QStringLiteral("-B"), out});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.output.toStdString();
    const QStringList debs = QDir(out).entryList({QStringLiteral("vestrel_*.deb")}, QDir::Files);
    ASSERT_EQ(debs, QStringList{QStringLiteral("vestrel_1.1_amd64.deb")});
    const QString deb = QDir(out).filePath(debs.first());

    // Contents: everything under /usr, in its place; every data file of the
    // build folder; no Screenshots folder.
    const Result listing = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
    ASSERT_EQ(listing.exitCode, 0) << listing.output.toStdString();
    QStringList files;
    for (const QString& line : listing.output.split('\n', Qt::SkipEmptyParts)) {
        const qsizetype dot = line.indexOf(QStringLiteral(" ./"));
        ASSERT_GE(dot, 0) << line.toStdString();
        files << line.mid(dot + 2);
    }
    for (const QString& file : files) {
        EXPECT_TRUE(file == QLatin1String("/") || file.startsWith(QLatin1String("/usr/"))) << file.toStdString();
        EXPECT_FALSE(file.contains(QLatin1String("Screenshots"))) << file.toStdString();
    }
    const QString icons = QStringLiteral("/usr/share/icons/hicolor/%1/apps/io.github.vestrel.Vestrel.%2");
    for (const QString& expected :
         {QStringLiteral("/usr/bin/vestrel"), QStringLiteral("/usr/share/vestrel/Data/Nature/NaCl.jpg"),
          QStringLiteral("/usr/share/vestrel/Data/Information/NaCl.txt"),
          QStringLiteral("/usr/share/vestrel/Data/About/Crystal.jpg"),
          QStringLiteral("/usr/share/vestrel/Data/Legend/Atoms.jpg"), QStringLiteral("/usr/share/vestrel/help/index.html"),
          QStringLiteral("/usr/share/applications/io.github.vestrel.Vestrel.desktop"),
          QStringLiteral("/usr/share/metainfo/io.github.vestrel.Vestrel.metainfo.xml"),
          QStringLiteral("/usr/share/doc/vestrel/copyright"), QStringLiteral("/usr/share/doc/vestrel/changelog.gz"),
          QStringLiteral("/usr/share/man/man1/vestrel.1.gz"), QStringLiteral("/usr/share/man/ru/man1/vestrel.1.gz"),
          QStringLiteral("/usr/share/vestrel/structures/NaCl.cif"), QStringLiteral("/usr/share/vestrel/help/library.html"),
          icons.arg(QStringLiteral("scalable"), QStringLiteral("svg")), icons.arg(QStringLiteral("48x48"), QStringLiteral("png")),
          icons.arg(QStringLiteral("128x128"), QStringLiteral("png")), icons.arg(QStringLiteral("256x256"), QStringLiteral("png"))})
        EXPECT_TRUE(files.contains(expected)) << expected.toStdString();
    QDirIterator data(QStringLiteral(VESTREL_PROGRAM_DIR "/Data"), QDir::Files, QDirIterator::Subdirectories);
    int dataFiles = 0;
    while (data.hasNext()) {
        const QString file = data.next();
        ++dataFiles;
        EXPECT_TRUE(files.contains(QStringLiteral("/usr/share/vestrel/Data")
                                   + file.mid(qsizetype(sizeof(VESTREL_PROGRAM_DIR "/Data")) - 1)))
            << file.toStdString();
    }
    EXPECT_GT(dataFiles, 40);
    // Every file of the structure library.
    const QStringList structures =
        QDir(QStringLiteral(VESTREL_SOURCE_DIR "/structures")).entryList({QStringLiteral("*.cif")}, QDir::Files);
    EXPECT_GE(structures.size(), 60);
    for (const QString& structure : structures)
        EXPECT_TRUE(files.contains(QStringLiteral("/usr/share/vestrel/structures/") + structure)) << structure.toStdString();

    // Debian's own checker: no error and no warning, except that the
    // information texts are in Windows-1251, as the program reads them.
    const Result lintian = RunCommand(QStringLiteral("lintian"), {QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb});
    ASSERT_NE(lintian.exitCode, -1) << "lintian did not run (scripts/install-deps.sh installs it)\n" << lintian.output.toStdString();
    const QRegularExpression tolerated(QStringLiteral("^W: vestrel: national-encoding \\[usr/share/vestrel/Data/Information/[^/\\]]+\\.txt\\]$"));
    int tags = 0;
    for (const QString& line : lintian.output.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("E:")) && !line.startsWith(QLatin1String("W:")))
            continue;
        ++tags;
        EXPECT_TRUE(tolerated.match(line).hasMatch()) << line.toStdString();
    }
    EXPECT_GT(tags, 0) << "the information texts' encoding is reported; lintian output:\n" << lintian.output.toStdString();

    const Result fields = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends"), QStringLiteral("Section")});
    for (const char* needed : {"fonts-dejavu-core", "fonts-liberation", "qt6-translations-l10n", "qt6-qpa-plugins",
                               "libqt6widgets6", "libjpeg62-turbo", "libglu1-mesa"})
        EXPECT_TRUE(fields.output.contains(QLatin1String(needed))) << needed << "\n" << fields.output.toStdString();
    EXPECT_TRUE(fields.output.contains(QLatin1String("Section: education"))) << fields.output.toStdString();
    std::printf("package: %s, %lld bytes\n%s", qPrintable(debs.first()), QFileInfo(deb).size(), qPrintable(fields.output));

    // Install.
    Removal removal;
    const Result install = RunCommand(QStringLiteral("apt-get"), {QStringLiteral("-o"), QStringLiteral("DPkg::Lock::Timeout=300"),
                                                           QStringLiteral("install"), QStringLiteral("-y"),
                                                           QStringLiteral("--no-install-recommends"), deb});
    removal.installed = true;
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    ASSERT_TRUE(QFileInfo(QStringLiteral("/usr/bin/vestrel")).isExecutable());
    const QStringList sharedBefore = QDir(QStringLiteral("/usr/share/vestrel")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // Start it as a user would, with a home of its own.
    QTemporaryDir home;
    const QString shots = QDir(home.path()).filePath(QStringLiteral("Pictures/Вестрел"));
    const QString settingsFile = QDir(home.path()).filePath(QStringLiteral(".config/Vestrel/Vestrel.conf"));
    {
        Program program(home.path());
        ASSERT_TRUE(program.started());
        const QString window = WaitForWindow(MainWindowTitle());
        ASSERT_FALSE(window.isEmpty()) << program.output().toStdString();
        const MainWindowMap map{Geometry(window)};
        ASSERT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(map.window))
            << "the package test needs the whole main window on the screen (1600x1200, as scripts/test.sh sets)";
        Pause(1000);

        // Build rock salt: the first structure of the list, then "Построить".
        Click(map.structureList());
        Xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")});
        Pause(400);
        Click(map.buildButton());
        Pause(1500);
        const QImage screen = GrabScreen(QStringLiteral(VESTREL_BINARY_DIR "/package-test/screen.png"));
        const Colours scene = CountColours(screen, map.drawingPanel());
        EXPECT_GT(scene.blue, scene.total / 50) << "rock salt's blue atoms; see build/package-test/screen.png";
        EXPECT_GT(scene.red, scene.total / 50) << "rock salt's red atoms; see build/package-test/screen.png";
        EXPECT_GT(DistinctGreys(screen, map.photo()), 6) << "the crystal photo from /usr/share/vestrel";

        // The screenshot command writes into the pictures folder and says so.
        Click(map.toolButton(ScreenshotButton));
        const QString box = WaitForWindow(QStringLiteral("^Вестрел$"), 10000);
        EXPECT_FALSE(box.isEmpty()) << "the screenshot message";
        if (!box.isEmpty())
            Keys(box, {QStringLiteral("Return")});
        const QStringList written = QDir(shots).entryList({QStringLiteral("Structure*.bmp")}, QDir::Files);
        ASSERT_EQ(written.size(), 1) << shots.toStdString();
        const QImage shot(QDir(shots).filePath(written.first()));
        EXPECT_EQ(shot.size(), map.window.size());
        const Colours inShot = CountColours(shot, map.drawingPanel().translated(-map.window.topLeft()));
        EXPECT_GT(inShot.blue, inShot.total / 50);
        EXPECT_GT(inShot.red, inShot.total / 50);

        // A setting changed ("Показывать соед. линии" off), then the program
        // ended through its prompts: the setting is kept.
        Click(map.showBondsCheck());
        program.exitThroughPrompts(map);
        ASSERT_TRUE(program.finished(30000)) << "the program did not end through its prompts";
        EXPECT_EQ(program.exitCode(), 0) << program.output().toStdString();
    }
    {
        QSettings kept(settingsFile, QSettings::IniFormat);
        EXPECT_EQ(kept.value(QStringLiteral("view/bonds")).toString(), QStringLiteral("false"));
        EXPECT_EQ(kept.value(QStringLiteral("view/rotate")).toString(), QStringLiteral("false"));
    }

    // The second run starts with the kept setting and keeps it again.
    {
        QSettings kept(settingsFile, QSettings::IniFormat);
        kept.setValue(QStringLiteral("view/rotate"), true); // as if the user had left it on
    }
    {
        Program program(home.path());
        ASSERT_TRUE(program.started());
        const QString window = WaitForWindow(MainWindowTitle());
        ASSERT_FALSE(window.isEmpty()) << program.output().toStdString();
        Pause(800);
        program.exitThroughPrompts(MainWindowMap{Geometry(window)});
        ASSERT_TRUE(program.finished(30000));
    }
    {
        QSettings kept(settingsFile, QSettings::IniFormat);
        EXPECT_EQ(kept.value(QStringLiteral("view/bonds")).toString(), QStringLiteral("false"));
        EXPECT_EQ(kept.value(QStringLiteral("view/rotate")).toString(), QStringLiteral("true"));
    }

    // Nothing was written under /usr.
    EXPECT_EQ(QDir(QStringLiteral("/usr/share/vestrel")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), sharedBefore);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/bin/Screenshots")));

    // Remove.
    removal.installed = false;
    const Result remove = RunCommand(QStringLiteral("apt-get"), {QStringLiteral("-o"), QStringLiteral("DPkg::Lock::Timeout=300"),
                                                          QStringLiteral("remove"), QStringLiteral("--purge"),
                                                          QStringLiteral("-y"), QStringLiteral("vestrel")});
    EXPECT_EQ(remove.exitCode, 0) << remove.output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/bin/vestrel")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/share/vestrel")));
}
