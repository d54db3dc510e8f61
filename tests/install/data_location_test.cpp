// SPDX-License-Identifier: MIT
// Where the program finds its data: beside the executable, in the installed
// share folder, or nowhere (then it says where it looked and starts anyway).
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/legend_window.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "logic/data_location.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vestrel;

namespace {

// A prefix with bin/ and share/vestrel/, like /usr.
class Prefix {
public:
    QString bin() const { return root_.filePath(QStringLiteral("bin")); }
    QString share() const { return root_.filePath(QStringLiteral("share/vestrel")); }
    QString other() const { return root_.filePath(QStringLiteral("other/vestrel")); }
    void makeData(const QString& folder) const { ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/Data"))); }
    Prefix() { QDir().mkpath(bin()); }

private:
    QTemporaryDir root_;
};

} // namespace

TEST(DataLocation, BesideTheExecutableComesFirst)
{
    Prefix prefix;
    prefix.makeData(prefix.bin());
    prefix.makeData(prefix.share());
    const DataLocation found = LocateData(prefix.bin(), {prefix.share()});
    EXPECT_TRUE(found.found);
    EXPECT_FALSE(found.installed);
    EXPECT_EQ(found.folder, QDir::cleanPath(prefix.bin()));
}

TEST(DataLocation, InstalledShareFolderWhenNothingIsBesideTheExecutable)
{
    Prefix prefix;
    prefix.makeData(prefix.other());
    const DataLocation found = LocateData(prefix.bin(), {prefix.share(), prefix.other()});
    EXPECT_TRUE(found.found);
    EXPECT_TRUE(found.installed);
    EXPECT_EQ(found.folder, QDir::cleanPath(prefix.other()));
    EXPECT_EQ(found.searched, QStringList({QDir::cleanPath(prefix.bin()), QDir::cleanPath(prefix.share()),
                                           QDir::cleanPath(prefix.other())}));
}

TEST(DataLocation, InstalledFoldersStartWithTheExecutablesOwnPrefix)
{
    const QStringList folders = InstalledDataFolders(QStringLiteral("/usr/bin"));
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_EQ(folders.first(), QStringLiteral("/usr/share/vestrel"));
    EXPECT_EQ(InstalledDataFolders(QStringLiteral("/opt/x/bin")).first(), QStringLiteral("/opt/x/share/vestrel"));
    EXPECT_EQ(folders.count(QStringLiteral("/usr/share/vestrel")), 1);
}

TEST(DataLocation, NothingFoundNamesEveryFolderLookedIn)
{
    Prefix prefix;
    QDir().mkpath(prefix.share()); // the folder without Data/ does not count
    const DataLocation none = LocateData(prefix.bin(), {prefix.share(), prefix.other()});
    EXPECT_FALSE(none.found);
    EXPECT_FALSE(none.installed);
    EXPECT_EQ(none.folder, QDir::cleanPath(prefix.bin()));
    const QString message = DataNotFoundMessage(none);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Не найдены файлы программы (папка Data).")))
        << message.toStdString();
    for (const QString& folder : {prefix.bin(), prefix.share(), prefix.other()})
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(QDir::cleanPath(folder)))) << folder.toStdString();
}

TEST(DataLocation, TheBuildFolderHoldsTheData)
{
    const DataLocation found = LocateData(QStringLiteral(VESTREL_PROGRAM_DIR));
    EXPECT_TRUE(found.found);
    EXPECT_FALSE(found.installed);
    EXPECT_EQ(found.folder, QDir::cleanPath(QStringLiteral(VESTREL_PROGRAM_DIR)));
}

// Without data the program starts; building a structure leaves the photo and
// the notes empty and names the missing files.
TEST(DataLocation, WithoutDataTheProgramStartsWithEmptyPicturesAndTexts)
{
    Prefix prefix;
    const DataLocation none = LocateData(prefix.bin(), {prefix.share()});
    ASSERT_FALSE(none.found);
    Application app(none);
    QStringList messages;
    app.mainWindow().showMessageBox = [&](const QString& text) { messages << text; };
    app.show();
    MainWindow& main = app.mainWindow();
    Controls(main).structureList->setCurrentIndex(1);
    emit Controls(main).structureList->activated(1);
    main.build();
    EXPECT_TRUE(Controls(main).photoBox->picture().isNull());
    EXPECT_TRUE(Controls(main).informationMemo->toPlainText().isEmpty());
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().contains(QDir(none.folder).filePath(QStringLiteral("Data/Nature/NaCl.jpg"))))
        << messages.first().toStdString();
}
