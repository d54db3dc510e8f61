// SPDX-License-Identifier: MIT
// The settings file: a round trip of every kept item, hostile and broken
// files, the reset, and where the user's file lives. Every file here is a
// temporary one; the user's own settings are never read or written.
#include "logic/kept_settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vestrel;

namespace {

// The user's settings folder of this test process, set before main() so that
// QSettings never learns the real one.
QTemporaryDir& ConfigHome()
{
    static QTemporaryDir dir;
    return dir;
}
const bool ConfigHomeSet = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome().path()));
    return true;
}();

// Every item away from its start value.
KeptSettings Changed()
{
    KeptSettings s;
    s.frameInterval = 7;
    s.axisColours = {0, 4, 3, 1};
    s.screwAxisColour = 3;
    s.solidFaces = false;
    s.invertedMouse = true;
    s.maxDistance = true;
    s.hideDetails = true;
    s.hideSidePanel = true;
    s.showToolBar = false;
    s.shaded = true;
    s.smooth = true;
    s.axesColour = 0;
    s.planesColour = 3;
    s.toolButtons = {false, true, false, true, false, true, false, true, false, true, false};
    s.autoRotate = true;
    s.showBonds = false;
    s.showScrewAxes = true;
    s.showSymmetryAxes = false;
    s.showSymmetryPlanes = true;
    s.saveFolder = QStringLiteral("/home/student/Изображения, кристаллы");
    s.saveFilter = 3;
    s.structureFolder = QStringLiteral("/home/student/Структуры CIF");
    s.geometry = QRect(40, 30, 900, 700);
    s.maximized = false;
    return s;
}

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Vestrel.conf")); }
    void write(const QByteArray& text) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    KeptSettings load(QStringList* rejected = nullptr) const
    {
        QSettings file(path(), QSettings::IniFormat);
        SettingsStore store(file);
        const KeptSettings s = store.load();
        if (rejected)
            *rejected = store.rejectedKeys();
        return s;
    }
    bool save(const KeptSettings& s) const
    {
        QSettings file(path(), QSettings::IniFormat);
        return SettingsStore(file).save(s);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SettingsFile, NoFileGivesTheStartValues)
{
    QStringList rejected;
    EXPECT_EQ(load(&rejected), KeptSettings{});
    EXPECT_TRUE(rejected.isEmpty());
    EXPECT_FALSE(QFile::exists(path())) << "reading creates no file";
}

TEST_F(SettingsFile, EveryItemSurvivesARoundTrip)
{
    const KeptSettings changed = Changed();
    ASSERT_NE(changed, KeptSettings{});
    ASSERT_TRUE(save(changed));
    QStringList rejected;
    EXPECT_EQ(load(&rejected), changed);
    EXPECT_TRUE(rejected.isEmpty()) << rejected.join(' ').toStdString();
    // The start values too, written out and read back.
    ASSERT_TRUE(save(KeptSettings{}));
    EXPECT_EQ(load(), KeptSettings{});
}

// Each item changed alone comes back alone: no two items share a key.
TEST_F(SettingsFile, ItemsAreIndependent)
{
    const KeptSettings changed = Changed();
    const auto copy = [&](KeptSettings s, auto member) {
        s.*member = changed.*member;
        return s;
    };
    const std::vector<KeptSettings> one{
        copy(KeptSettings{}, &KeptSettings::frameInterval),   copy(KeptSettings{}, &KeptSettings::axisColours),
        copy(KeptSettings{}, &KeptSettings::screwAxisColour), copy(KeptSettings{}, &KeptSettings::solidFaces),
        copy(KeptSettings{}, &KeptSettings::invertedMouse),   copy(KeptSettings{}, &KeptSettings::maxDistance),
        copy(KeptSettings{}, &KeptSettings::hideDetails),     copy(KeptSettings{}, &KeptSettings::hideSidePanel),
        copy(KeptSettings{}, &KeptSettings::showToolBar),     copy(KeptSettings{}, &KeptSettings::axesColour),
        copy(KeptSettings{}, &KeptSettings::shaded),          copy(KeptSettings{}, &KeptSettings::smooth),
        copy(KeptSettings{}, &KeptSettings::planesColour),    copy(KeptSettings{}, &KeptSettings::toolButtons),
        copy(KeptSettings{}, &KeptSettings::autoRotate),      copy(KeptSettings{}, &KeptSettings::showBonds),
        copy(KeptSettings{}, &KeptSettings::showScrewAxes),   copy(KeptSettings{}, &KeptSettings::showSymmetryAxes),
        copy(KeptSettings{}, &KeptSettings::showSymmetryPlanes), copy(KeptSettings{}, &KeptSettings::saveFolder),
        copy(KeptSettings{}, &KeptSettings::saveFilter),      copy(KeptSettings{}, &KeptSettings::structureFolder),
        copy(KeptSettings{}, &KeptSettings::geometry),
        copy(KeptSettings{}, &KeptSettings::maximized)};
    for (std::size_t i = 0; i < one.size(); ++i) {
        SCOPED_TRACE(i);
        QFile::remove(path());
        ASSERT_NE(one[i], KeptSettings{});
        ASSERT_TRUE(save(one[i]));
        EXPECT_EQ(load(), one[i]);
    }
}

// Wrong types, huge numbers, negative indices, unknown colour names: each
// such item gives its start value, and the good items beside them are used.
TEST_F(SettingsFile, HostileItemsGiveTheirStartValues)
{
    write("[objects]\n"
          "frameInterval=99999999999999999999\n"
          "axisColour2=purple\n"
          "axisColour3=-1\n"
          "axisColour4=@Rect(1 2 3 4)\n"
          "axisColour6=yellow\n"        // good, and the start value
          "screwAxisColour=blue\n"      // good
          "faces=\"solid, edges\"\n"
          "[program]\n"
          "mouse=inverted\n"            // good
          "maxDistance=maybe\n"
          "hideDetails=1\n"
          "hideSidePanel=true\n"        // good
          "showToolBar=\n"
          "[view]\n"
          "axesColour=2\n"
          "planesColour=GREEN\n"        // good: names are read without case
          "rotate=@ByteArray(true)\n"
          "bonds=false\n"               // good
          "[toolBar]\n"
          "build=-3\n"
          "exit=false\n"                // good
          "[saveDialog]\n"
          "folder=relative/folder\n"
          "filter=-2\n"
          "[openDialog]\n"
          "folder=@Point(1 2)\n"
          "[mainWindow]\n"
          "geometry=@Rect(0 0 -5 99999)\n"
          "maximized=false\n");         // good
    QStringList rejected;
    const KeptSettings s = load(&rejected);
    KeptSettings expected;
    expected.screwAxisColour = 2;
    expected.invertedMouse = true;
    expected.hideSidePanel = true;
    expected.planesColour = 2;
    expected.showBonds = false;
    expected.toolButtons[10] = false;
    expected.maximized = false;
    EXPECT_EQ(s, expected);
    QStringList bad{QStringLiteral("objects/frameInterval"), QStringLiteral("objects/axisColour2"),
                    QStringLiteral("objects/axisColour3"),   QStringLiteral("objects/axisColour4"),
                    QStringLiteral("objects/faces"),         QStringLiteral("program/maxDistance"),
                    QStringLiteral("program/hideDetails"),   QStringLiteral("program/showToolBar"),
                    QStringLiteral("view/axesColour"),       QStringLiteral("view/rotate"),
                    QStringLiteral("toolBar/build"),         QStringLiteral("saveDialog/folder"),
                    QStringLiteral("saveDialog/filter"),     QStringLiteral("mainWindow/geometry"),
                    QStringLiteral("openDialog/folder")};
    bad.sort();
    rejected.sort();
    EXPECT_EQ(rejected, bad);
}

TEST_F(SettingsFile, NumbersOutsideTheirRangeAreRejected)
{
    for (const QByteArray& value : {QByteArray("0"), QByteArray("101"), QByteArray("-50"), QByteArray("2147483648"),
                                    QByteArray("12.5"), QByteArray("0x20"), QByteArray("fast")}) {
        SCOPED_TRACE(value.toStdString());
        write("[objects]\nframeInterval=" + value + "\n[saveDialog]\nfilter=" + value + "\n");
        QStringList rejected;
        const KeptSettings s = load(&rejected);
        EXPECT_EQ(s.frameInterval, 50);
        EXPECT_EQ(s.saveFilter, 1);
        EXPECT_EQ(rejected.size(), 2);
    }
    write("[objects]\nframeInterval=1\n[saveDialog]\nfilter=3\n");
    EXPECT_EQ(load().frameInterval, 1);
    EXPECT_EQ(load().saveFilter, 3);
}

TEST_F(SettingsFile, AWindowOffEveryScaleIsRejected)
{
    for (const QByteArray& rect : {QByteArray("@Rect(0 0 50 600)"), QByteArray("@Rect(0 0 800 20000)"),
                                   QByteArray("@Rect(-99999 0 800 600)"), QByteArray("@Rect(1 2 3)"),
                                   QByteArray("800x600")}) {
        SCOPED_TRACE(rect.toStdString());
        write("[mainWindow]\ngeometry=" + rect + "\n");
        EXPECT_FALSE(load().geometry.has_value());
    }
}

TEST_F(SettingsFile, ABrokenFileGivesTheStartValuesAndIsReplacedOnSave)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    write(garbage);
    const KeptSettings s = load();
    // Whatever QSettings makes of the bytes, every item is a valid value.
    EXPECT_GE(s.frameInterval, 1);
    EXPECT_LE(s.frameInterval, 100);
    EXPECT_EQ(s, KeptSettings{});
    ASSERT_TRUE(save(Changed()));
    EXPECT_EQ(load(), Changed());
}

TEST_F(SettingsFile, ResetBringsBackTheStartValues)
{
    ASSERT_TRUE(save(Changed()));
    {
        QSettings file(path(), QSettings::IniFormat);
        file.setValue(QStringLiteral("other/kept"), 1); // not ours, gone too
        SettingsStore store(file);
        ASSERT_TRUE(store.reset());
        EXPECT_EQ(store.load(), KeptSettings{});
    }
    EXPECT_EQ(load(), KeptSettings{});
    QSettings file(path(), QSettings::IniFormat);
    EXPECT_TRUE(file.allKeys().isEmpty());
}

// The file is replaced whole: no temporary file is left beside it.
TEST_F(SettingsFile, SavingLeavesOnlyTheSettingsFile)
{
    ASSERT_TRUE(save(Changed()));
    ASSERT_TRUE(save(KeptSettings{}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Vestrel.conf")});
}

TEST(UserSettings, LiveUnderVestrelVestrelInTheConfigFolder)
{
    ASSERT_TRUE(ConfigHomeSet);
    const auto file = OpenUserSettings();
    EXPECT_EQ(file->organizationName(), QStringLiteral("Vestrel"));
    EXPECT_EQ(file->applicationName(), QStringLiteral("Vestrel"));
    EXPECT_EQ(QFileInfo(file->fileName()).absoluteFilePath(),
              QDir(ConfigHome().path()).absoluteFilePath(QStringLiteral("Vestrel/Vestrel.conf")));
    SettingsStore store(*file);
    ASSERT_TRUE(store.save(Changed()));
    EXPECT_TRUE(QFile::exists(ConfigHome().filePath(QStringLiteral("Vestrel/Vestrel.conf"))));
    EXPECT_EQ(store.load(), Changed());
}
