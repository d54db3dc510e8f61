// SPDX-License-Identifier: MIT
// The library's window driven as the user drives it, by object name: type a
// search, pick an entry, read its details, open it; it comes back at that
// entry.
#include "app/library_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString LibraryFolder = QStringLiteral(VESTREL_SOURCE_DIR "/structures");

template <class T>
T* Child(QWidget& dialog, const char* name)
{
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(LibraryDialog, SearchShowDetailsOpenAndRemember)
{
    QWidget parent;
    vestrel::LibraryDialog dialog(&parent, LibraryFolder);
    auto* search = Child<QLineEdit>(dialog, "librarySearch");
    auto* list = Child<QListWidget>(dialog, "libraryList");
    auto* details = Child<QLabel>(dialog, "libraryDetails");
    auto* open = Child<QPushButton>(dialog, "libraryOpen");
    ASSERT_TRUE(search && list && details && open);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Библиотека структур"));
    EXPECT_EQ(open->text(), QStringLiteral("Открыть"));
    EXPECT_EQ(list->count(), dialog.library().entries().size());

    QTest::keyClicks(search, QStringLiteral("rutile"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(details->text().contains(QStringLiteral("TiO2")));
    EXPECT_TRUE(details->text().contains(QStringLiteral("P 42/m n m (№ 136)")));
    EXPECT_TRUE(details->text().contains(QStringLiteral("a = 4.5937 Å")));
    EXPECT_TRUE(details->text().contains(QStringLiteral("Burdett")));

    QSignalSpy chosen(&dialog, &vestrel::LibraryDialog::structureChosen);
    dialog.show();
    open->click();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_TRUE(chosen.first().first().toString().endsWith(QStringLiteral("/rutile.cif")));
    EXPECT_FALSE(dialog.isVisible());

    // Shown again: the whole list, at the entry last opened.
    dialog.show();
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(list->count(), dialog.library().entries().size());
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_TRUE(list->currentItem()->text().startsWith(QStringLiteral("Рутил")));
    dialog.reject();

    // A search that finds nothing: nothing to open.
    search->setText(QStringLiteral("нет такой структуры"));
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(open->isEnabled());
    EXPECT_EQ(details->text(), QStringLiteral("Ничего не найдено."));
}

TEST(LibraryDialog, EmptyFolderIsSaidSo)
{
    QTemporaryDir empty;
    vestrel::LibraryDialog dialog(nullptr, empty.path());
    EXPECT_EQ(dialog.list->count(), 0);
    EXPECT_FALSE(dialog.openButton->isEnabled());
    EXPECT_TRUE(dialog.details->text().contains(QStringLiteral("нет файлов структур")));
}

} // namespace
