// SPDX-License-Identifier: MIT
// Build, Erase, Next and Previous, and the two list change handlers, driven
// through the catalogue with a recording view.
#include "logic/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace vestrel {
namespace {

struct FakeView : CatalogueView {
    int structureItem = 0;
    int polyhedronItem = 0;
    QString photo;       // what the photo box shows ("" when empty)
    QString information; // what the memo shows
    QStringList messages;
    std::set<QString> missing; // files that fail to load
    int structureOptions = -1; // 1 structures, 0 polyhedra, -1 untouched

    void setStructureItem(int item) override { structureItem = item; }
    void setPolyhedronItem(int item) override { polyhedronItem = item; }
    bool loadPhoto(const QString& path) override
    {
        if (missing.count(path)) {
            messages << "cannot open " + path;
            return false;
        }
        photo = path;
        return true;
    }
    bool loadInformation(const QString& path) override
    {
        if (missing.count(path)) {
            messages << "cannot open " + path;
            return false;
        }
        information = path;
        return true;
    }
    void clearPhoto() override { photo.clear(); }
    void clearInformation() override { information.clear(); }
    void enableStructureOptions(bool structures) override { structureOptions = structures ? 1 : 0; }
    void showMessage(const QString& text) override { messages << text; }
};

// The user chooses an item the way the window reports it.
void chooseStructure(Catalogue& c, FakeView& v, int item)
{
    v.structureItem = item;
    c.chooseStructure(item);
}

void choosePolyhedron(Catalogue& c, FakeView& v, int item)
{
    v.polyhedronItem = item;
    c.choosePolyhedron(item);
}

std::vector<SceneId> switchedOn(const Catalogue& c)
{
    std::vector<SceneId> on;
    for (int i = 0; i < SceneCount; ++i)
        if (c.sceneFlags()[static_cast<std::size_t>(i)])
            on.push_back(static_cast<SceneId>(i));
    return on;
}

TEST(CatalogueLists, HoldEveryItemAsWritten)
{
    const QStringList structures = StructureListItems();
    ASSERT_EQ(structures.size(), 19);
    EXPECT_EQ(structures[0], QStringLiteral("Не выбрано"));
    EXPECT_EQ(structures[1], QStringLiteral("1. NaCl (Соль)"));
    EXPECT_EQ(structures[4], QStringLiteral("4. С(Графит)")); // Cyrillic С
    EXPECT_EQ(structures[10], QStringLiteral("10. СuFeS2(Халькопирит)"));
    EXPECT_EQ(structures[11], QStringLiteral("11. BN(Борнитрит)"));
    EXPECT_EQ(structures[18], QStringLiteral("18. CaCO3 (Кальцит)"));
    const QStringList polyhedra = PolyhedronListItems();
    ASSERT_EQ(polyhedra.size(), 13);
    EXPECT_EQ(polyhedra[1], QStringLiteral("1.   Куб"));
    EXPECT_EQ(polyhedra[10], QStringLiteral("10. Гексагональная призма"));
    EXPECT_EQ(polyhedra[12], QStringLiteral("12. Дитригональная пирамида"));
}

TEST(CatalogueLists, EveryEntryHasItsOwnScene)
{
    std::set<SceneId> scenes;
    for (const auto& s : Structures)
        scenes.insert(s.scene);
    for (const auto& p : Polyhedra)
        scenes.insert(p.scene);
    EXPECT_EQ(scenes.size(), 30u);
    EXPECT_EQ(PhotoFile(4), QStringLiteral("Data/Nature/Graphit.jpg"));
    EXPECT_EQ(InformationFile(8), QStringLiteral("Data/Information/Alpha-Fe.txt"));
}

TEST(Build, WithNothingChosenShowsTheMessageAndChangesNothing)
{
    FakeView v;
    Catalogue c(v);
    c.build();
    EXPECT_EQ(v.messages, QStringList{QStringLiteral("Выберите структуру или тип многогранников!")});
    EXPECT_TRUE(switchedOn(c).empty());
    EXPECT_TRUE(v.photo.isEmpty());
}

TEST(Build, AStructureSwitchesItOnAndLoadsPhotoAndText)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 1);
    EXPECT_EQ(v.structureOptions, 1);
    EXPECT_TRUE(switchedOn(c).empty()) << "choosing does not draw";
    c.build();
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::RockSalt});
    EXPECT_EQ(v.photo, QStringLiteral("Data/Nature/NaCl.jpg"));
    EXPECT_EQ(v.information, QStringLiteral("Data/Information/NaCl.txt"));
    EXPECT_TRUE(v.messages.isEmpty());
}

TEST(Build, AnotherStructureReplacesTheFirst)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 1);
    c.build();
    chooseStructure(c, v, 18);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::RockSalt}) << "shown until Build";
    EXPECT_EQ(v.photo, QStringLiteral("Data/Nature/NaCl.jpg"));
    c.build();
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Calcite});
    EXPECT_EQ(v.photo, QStringLiteral("Data/Nature/CaCO3.jpg"));
}

TEST(Build, AMissingPhotoShowsTheMessageDrawsTheStructureAndLeavesNothingStale)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 1);
    c.build();
    v.missing.insert(QStringLiteral("Data/Nature/Cu2O.jpg"));
    chooseStructure(c, v, 2);
    c.build();
    EXPECT_EQ(v.messages, QStringList{QStringLiteral("cannot open Data/Nature/Cu2O.jpg")});
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Cuprite});
    EXPECT_TRUE(v.photo.isEmpty()) << "the previous crystal's photo is gone";
    EXPECT_TRUE(v.information.isEmpty()) << "the previous crystal's text is gone";
}

TEST(Build, AMissingTextEmptiesTheMemoAndKeepsTheNewPhoto)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 1);
    c.build();
    v.missing.insert(QStringLiteral("Data/Information/Almaz.txt"));
    chooseStructure(c, v, 3);
    c.build();
    EXPECT_EQ(v.messages.size(), 1);
    EXPECT_EQ(v.photo, QStringLiteral("Data/Nature/Almaz.jpg"));
    EXPECT_TRUE(v.information.isEmpty());
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Diamond});
}

TEST(Build, APolyhedronHasNoPhotoOrText)
{
    FakeView v;
    Catalogue c(v);
    choosePolyhedron(c, v, 12);
    EXPECT_EQ(v.structureOptions, 0);
    c.build();
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::DitrigonalPyramid});
    EXPECT_TRUE(v.photo.isEmpty());
}

TEST(ListChange, APolyhedronRemovesTheStructureItsPhotoAndTextAtOnce)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 5);
    c.build();
    choosePolyhedron(c, v, 1);
    EXPECT_TRUE(switchedOn(c).empty());
    EXPECT_TRUE(v.photo.isEmpty());
    EXPECT_TRUE(v.information.isEmpty());
    EXPECT_EQ(v.structureItem, 0);
    EXPECT_EQ(v.structureOptions, 0);
}

TEST(ListChange, AStructureRemovesThePolyhedronButAppearsOnlyOnBuild)
{
    FakeView v;
    Catalogue c(v);
    choosePolyhedron(c, v, 7);
    c.build();
    chooseStructure(c, v, 9);
    EXPECT_TRUE(switchedOn(c).empty());
    EXPECT_EQ(v.polyhedronItem, 0);
    c.build();
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::GammaIron});
}

TEST(ListChange, NothingChosenChangesNothing)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 2);
    c.build();
    v.structureOptions = -1;
    chooseStructure(c, v, 0);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Cuprite});
    EXPECT_EQ(v.structureOptions, -1);
    choosePolyhedron(c, v, 0);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Cuprite});
    EXPECT_FALSE(v.photo.isEmpty());
}

TEST(Erase, TurnsEverythingOffAndBuildShowsTheSameEntryAgain)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 13);
    c.build();
    c.erase();
    EXPECT_TRUE(switchedOn(c).empty());
    EXPECT_TRUE(v.photo.isEmpty());
    EXPECT_TRUE(v.information.isEmpty());
    EXPECT_EQ(v.structureItem, 13);
    c.build();
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Pyrite});
}

TEST(NextAndPrevious, StepThroughTheStructuresWithWrapAround)
{
    FakeView v;
    Catalogue c(v);
    chooseStructure(c, v, 18);
    c.next();
    EXPECT_EQ(v.structureItem, 1);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::RockSalt});
    c.previous();
    EXPECT_EQ(v.structureItem, 18);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Calcite});
    c.previous();
    EXPECT_EQ(v.structureItem, 17);
    EXPECT_EQ(v.photo, QStringLiteral("Data/Nature/Cu.jpg"));
}

TEST(NextAndPrevious, StepThroughThePolyhedraWithWrapAround)
{
    FakeView v;
    Catalogue c(v);
    choosePolyhedron(c, v, 12);
    c.next();
    EXPECT_EQ(v.polyhedronItem, 1);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Cube});
    c.previous();
    EXPECT_EQ(v.polyhedronItem, 12);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::DitrigonalPyramid});
    c.next();
    c.next();
    EXPECT_EQ(v.polyhedronItem, 2);
    EXPECT_EQ(switchedOn(c), std::vector<SceneId>{SceneId::Tetrahedron});
}

TEST(NextAndPrevious, DoNothingWithBothListsAtNothingChosen)
{
    FakeView v;
    Catalogue c(v);
    c.next();
    c.previous();
    EXPECT_TRUE(v.messages.isEmpty());
    EXPECT_TRUE(switchedOn(c).empty());
    EXPECT_EQ(v.structureItem, 0);
}

} // namespace
} // namespace vestrel
