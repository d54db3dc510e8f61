// SPDX-License-Identifier: MIT
// The structure tools in the main window: a click picks an atom and the
// status bar names it, a drag turns the view and picks nothing, two clicks
// under "Измерение" measure, a click on empty space clears, and the
// measurements go with the structure.
#include "app/application.h"
#include "app/calculator_window.h"
#include "app/main_window.h"
#include "frame/projection.h"
#include "logic/cif/structure_tools.h"
#include "tests/support/main_window_controls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace vestrel {
namespace {

class StructureToolsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        m = &app->mainWindow();
        m->showMessageBox = [this](const QString& text) { messages << text; };
        m->show();
        ASSERT_TRUE(m->openStructureFile(QStringLiteral(VESTREL_SOURCE_DIR "/structures/rutile.cif")));
    }
    GlPanel& panel() { return *Controls(m).glPanel; }
    // Panel points at which atoms are picked, one per atom found.
    std::vector<std::pair<QPoint, int>> atomPoints()
    {
        std::vector<std::pair<QPoint, int>> out;
        const cif::LoadedStructure& s = m->loadedStructure();
        for (std::size_t i = 0; i < s.block().atoms.size(); ++i) {
            const PanelPoint p =
                ProjectToPanel(m->viewState(), cif::AtomInModel(s, int(i)), panel().width(), panel().height());
            const QPoint at(int(std::lround(p.x)), int(std::lround(p.y)));
            if (cif::PickAtom(s, m->viewState(), panel().width(), panel().height(), at.x(), at.y()) == int(i))
                out.emplace_back(at, int(i));
        }
        return out;
    }
    QString status() { return Controls(m).statusLine->currentMessage(); }
    QString memo() { return Controls(m).informationMemo->toPlainText(); }

    std::unique_ptr<Application> app;
    MainWindow* m = nullptr;
    QStringList messages;
};

TEST_F(StructureToolsWindow, ClickDragMeasureClear)
{
    EXPECT_TRUE(Controls(m).structureToolsGroup->isVisibleTo(m));
    EXPECT_TRUE(Controls(m).measureToolButton->isEnabled());
    const auto points = atomPoints();
    ASSERT_GE(points.size(), 2u);
    const cif::LoadedStructure& s = m->loadedStructure();

    // A click picks and names the atom, and a halo is drawn.
    QTest::mouseClick(&panel(), Qt::LeftButton, {}, points[0].first);
    EXPECT_EQ(status(), QString::fromStdString(cif::AtomLine(s, points[0].second)));
    ASSERT_NE(m->readFrameInputs().structureOverlay, nullptr);
    EXPECT_EQ(m->readFrameInputs().structureOverlay->halos.size(), 1u);

    // A drag turns the view and picks nothing new.
    const double turnedFrom = m->viewState().RotY;
    const QPoint from = points[1].first;
    emit panel().mousePressed(Qt::LeftButton, from.x(), from.y());
    emit panel().mouseMoved(from.x() + 40, from.y() + 5);
    emit panel().mouseReleased(Qt::LeftButton, from.x() + 40, from.y() + 5);
    EXPECT_NE(m->viewState().RotY, turnedFrom);
    EXPECT_EQ(status(), QString::fromStdString(cif::AtomLine(s, points[0].second)));

    // Measuring: the view has turned, so the atoms are found again.
    Controls(m).measureCheck->setChecked(true);
    EXPECT_TRUE(Controls(m).measureToolButton->isChecked());
    const auto turned = atomPoints();
    ASSERT_GE(turned.size(), 2u);
    QTest::mouseClick(&panel(), Qt::LeftButton, {}, turned[0].first);
    QTest::mouseClick(&panel(), Qt::LeftButton, {}, turned[1].first);
    const QString line = QString::fromStdString(cif::MeasurementLine(s, {turned[0].second, turned[1].second}));
    EXPECT_EQ(status(), line);
    EXPECT_TRUE(line.endsWith(QStringLiteral(" \u00C5")));
    EXPECT_TRUE(memo().contains(QStringLiteral("Измерения:\n") + line)) << memo().toStdString();
    EXPECT_EQ(m->readFrameInputs().structureOverlay->measureLines.size(), 1u);

    // Empty space clears the choice.
    QTest::mouseClick(&panel(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(m->readFrameInputs().structureOverlay, nullptr);

    // Polyhedra, a plane and a bad plane symbol.
    Controls(m).polyhedraCheck->setChecked(true);
    Controls(m).planesEdit->setText(QStringLiteral("1 1 0"));
    emit Controls(m).planesEdit->editingFinished();
    EXPECT_TRUE(memo().contains(QStringLiteral("Ti: октаэдр [TiO6]")));
    EXPECT_TRUE(memo().contains(QStringLiteral("d(1 1 0) = 3,2482 \u00C5")));
    Controls(m).planesEdit->setText(QStringLiteral("0 0 0"));
    emit Controls(m).planesEdit->editingFinished();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("нул")));

    // The measurements go with the structure.
    Controls(m).eraseAction->trigger();
    EXPECT_FALSE(memo().contains(QStringLiteral("Измерения:")));
    EXPECT_FALSE(Controls(m).structureToolsGroup->isVisibleTo(m));
}

// The calculator's planes in the structure shown: with "Показать в открытой
// структуре" its two faces become the structure's lattice planes.
TEST_F(StructureToolsWindow, CalculatorShowsItsPlanesInTheStructure)
{
    CalculatorWindow& calc = app->calculator();
    const QStringList values{"1", "1", "0", "0", "0", "1"};
    QLineEdit* fields[] = {calc.first1Field,  calc.first2Field,  calc.first3Field,
                           calc.second1Field, calc.second2Field, calc.second3Field};
    for (int i = 0; i < 6; ++i)
        fields[i]->setText(values[i]);
    calc.inStructureCheck->setChecked(true);
    calc.showInSpaceButton->click();
    const FrameInputs in = m->readFrameInputs();
    EXPECT_TRUE(m->showsLoadedStructure());
    EXPECT_FALSE(in.zone);
    ASSERT_NE(in.structureOverlay, nullptr);
    std::set<int> tags;
    for (const auto& p : in.structureOverlay->planes)
        tags.insert(p.tag);
    EXPECT_EQ(tags.size(), 2u);
    EXPECT_TRUE(memo().contains(QStringLiteral("d(1 1 0) = 3,2482 \u00C5")));
    EXPECT_TRUE(memo().contains(QStringLiteral("d(0 0 1) = 2,9587 \u00C5")));

    // Unchecked, the zone law replaces the structure as before.
    calc.inStructureCheck->setChecked(false);
    calc.showInSpaceButton->click();
    EXPECT_TRUE(m->readFrameInputs().zone);
}

} // namespace
} // namespace vestrel
