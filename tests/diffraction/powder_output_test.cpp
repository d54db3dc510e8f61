// SPDX-License-Identifier: MIT
// What the user gets of a powder pattern: the window with its table, plot
// and messages, the files it saves, the rendering tool's table, the profile
// and the zoom of the 2θ axis.
#include "app/powder_window.h"
#include "logic/cif/loaded_structure.h"
#include "logic/diffraction/powder_plot.h"
#include "logic/diffraction/powder_text.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vestrel {
namespace {

using namespace diffraction;

const QString RockSalt = QStringLiteral(VESTREL_SOURCE_DIR "/tests/cif/data/rock_salt.cif");
const QString Corundum = QStringLiteral(VESTREL_SOURCE_DIR "/tests/cif/data/corundum.cif");

// Shows the window for the file and waits for its pattern.
struct OpenWindow {
    cif::LoadedStructure structure;
    PowderWindow window;
    QStringList messages;

    explicit OpenWindow(const QString& path)
    {
        window.showMessageBox = [this](const QString& text) { messages << text; };
        if (!path.isEmpty()) {
            EXPECT_TRUE(structure.load(path.toStdString()).ok);
        }
        QSignalSpy shown(&window, &PowderWindow::patternShown);
        window.setStructure(path.isEmpty() ? nullptr : &structure, path);
        window.showPowder();
        EXPECT_TRUE(shown.count() > 0 || shown.wait(20000));
    }
    // Types into an edit as the user does and waits for a new pattern, if any.
    void type(QLineEdit* edit, const QString& text)
    {
        QSignalSpy shown(&window, &PowderWindow::patternShown);
        edit->setText(text);
        emit edit->editingFinished();
        if (window.isComputing()) {
            EXPECT_TRUE(shown.wait(20000));
        }
    }
};

TEST(PowderWindow, ShowsTheTableOfAFileStructure)
{
    OpenWindow w(RockSalt);
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Порошковая дифрактограмма"));
    EXPECT_TRUE(w.window.isVisible());
    QAbstractItemModel* table = w.window.table()->model();
    ASSERT_EQ(table->rowCount(), 9);
    ASSERT_EQ(table->rowCount(), static_cast<int>(w.window.lines().size()));
    EXPECT_FALSE(w.window.messageLabel()->isVisible());
    // Sorted by intensity, strongest first: rock salt's 200, with a decimal comma.
    // Sorted by 2θ at first; rock salt's first line is 111.
    EXPECT_EQ(table->index(0, 0).data().toString(), QStringLiteral("27,365"));
    table->sort(6, Qt::DescendingOrder);
    QStringList first;
    for (int c = 0; c < 7; ++c)
        first << table->index(0, c).data().toString();
    EXPECT_EQ(first, QStringList({"31,702", "2,8201", "2", "0", "0", "6", "100,0"}));
    EXPECT_EQ(w.window.hoverTextAt(31.75), QStringLiteral("2θ = 31,70°, d = 2,8201 Å, (2 0 0), p = 6, I = 100"));
    EXPECT_TRUE(w.window.hoverTextAt(35).isEmpty());
}

TEST(PowderWindow, TheWheelZoomsThePlotAndADragPansIt)
{
    OpenWindow w(RockSalt);
    QChartView* view = w.window.chartView();
    QWidget* viewport = view->viewport();
    const QPointF middle(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent wheel(middle, viewport->mapToGlobal(middle), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    const AxisRange zoomed = w.window.shownRange();
    EXPECT_NEAR(zoomed.to - zoomed.from, 85 * 0.64, 0.01);
    EXPECT_GT(zoomed.from, 5);
    EXPECT_LT(zoomed.to, 90);
    // Dragging to the right brings lower angles into view.
    QTest::mousePress(viewport, Qt::LeftButton, {}, middle.toPoint());
    QMouseEvent move(QEvent::MouseMove, middle + QPointF(60, 0), viewport->mapToGlobal(middle + QPointF(60, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, (middle + QPointF(60, 0)).toPoint());
    const AxisRange panned = w.window.shownRange();
    EXPECT_LT(panned.from, zoomed.from - 1);
    EXPECT_NEAR(panned.to - panned.from, zoomed.to - zoomed.from, 1e-6);
}

TEST(PowderWindow, WithoutAFileStructureSaysThatOneIsNeeded)
{
    OpenWindow w({});
    EXPECT_EQ(w.window.table()->model()->rowCount(), 0);
    EXPECT_TRUE(w.window.messageLabel()->isVisible());
    EXPECT_TRUE(w.window.messageLabel()->text().contains(QStringLiteral("структуры из файла")));
    // A file structure then replaced by a built-in one empties the window again.
    OpenWindow f(RockSalt);
    QSignalSpy shown(&f.window, &PowderWindow::patternShown);
    f.window.setStructure(nullptr, {});
    EXPECT_TRUE(shown.count() > 0 || shown.wait(20000));
    EXPECT_EQ(f.window.table()->model()->rowCount(), 0);
}

TEST(PowderWindow, BadInputGetsAMessageAndChangesNothing)
{
    OpenWindow w(Corundum);
    const int rows = w.window.table()->model()->rowCount();
    const struct {
        QLineEdit* edit;
        QString text;
    } cases[] = {
        {w.window.wavelengthEdit(), "0,05"}, {w.window.wavelengthEdit(), "7"},  {w.window.wavelengthEdit(), "abc"},
        {w.window.fromEdit(), "95"},         {w.window.toEdit(), "185"},        {w.window.widthEdit(), "0"},
    };
    for (const auto& c : cases) {
        const QString before = c.edit->text();
        w.messages.clear();
        w.type(c.edit, c.text);
        EXPECT_EQ(w.messages.size(), 1) << c.text.toStdString();
        EXPECT_EQ(c.edit->text(), before);
        EXPECT_EQ(w.window.settings().wavelength, 1.54056);
        EXPECT_EQ(w.window.table()->model()->rowCount(), rows);
    }
    // A good wavelength with a decimal comma is taken: Mo Kα moves every line to lower angles.
    w.messages.clear();
    w.type(w.window.wavelengthEdit(), "0,7093");
    EXPECT_TRUE(w.messages.isEmpty());
    EXPECT_DOUBLE_EQ(w.window.settings().wavelength, 0.7093);
    EXPECT_GT(w.window.table()->model()->rowCount(), rows);
    // A range without lines says so: with Mo Kα corundum's first line, (0 1 2), lies at 11,7°.
    w.type(w.window.toEdit(), "8");
    EXPECT_EQ(w.window.table()->model()->rowCount(), 0);
    EXPECT_TRUE(w.window.messageLabel()->text().contains(QStringLiteral("линий нет")));
    w.type(w.window.toEdit(), "90");
    EXPECT_FALSE(w.window.messageLabel()->isVisible());
    // Choosing an anode takes its Kα₁ line.
    QSignalSpy shown(&w.window, &PowderWindow::patternShown);
    w.window.anodeBox()->setCurrentIndex(1);
    emit w.window.anodeBox()->activated(1);
    EXPECT_TRUE(shown.wait(20000));
    EXPECT_DOUBLE_EQ(w.window.settings().wavelength, 1.78897);
    EXPECT_EQ(w.window.wavelengthEdit()->text(), QStringLiteral("1,78897"));
    // The longer wave reaches fewer lines, and corundum's first, (0 1 2), lies by Bragg's law.
    EXPECT_LT(w.window.table()->model()->rowCount(), rows);
    const double d012 = 1 / std::sqrt(4.0 / 3.0 / (4.7589 * 4.7589) + 4 / (12.991 * 12.991));
    const double twoTheta = 2 * std::asin(1.78897 / (2 * d012)) * 180 / M_PI;
    EXPECT_EQ(w.window.table()->model()->index(0, 0).data().toString(),
              QString::number(twoTheta, 'f', 3).replace('.', ','));
}

TEST(PowderWindow, SavesTheTableAsCsvThatReadsBackAndThePlotAsPngAndSvg)
{
    OpenWindow w(Corundum);
    QTemporaryDir dir;
    const QString csv = dir.filePath("corundum.csv");
    QString error;
    ASSERT_TRUE(w.window.saveTo(csv, &error)) << error.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<std::vector<PowderLine>> back = ParseTableCsv(file.readAll().toStdString());
    ASSERT_TRUE(back.has_value());
    const std::vector<PowderLine>& lines = w.window.lines();
    ASSERT_EQ(back->size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR((*back)[i].twoTheta, lines[i].twoTheta, 5e-5);
        EXPECT_NEAR((*back)[i].d, lines[i].d, 5e-6);
        EXPECT_EQ((*back)[i].hkl, lines[i].hkl);
        EXPECT_EQ((*back)[i].multiplicity, lines[i].multiplicity);
        EXPECT_NEAR((*back)[i].intensity, lines[i].intensity, 5e-3);
    }
    for (const auto& [name, start] : {std::pair{"plot.png", QByteArray("\x89PNG")}, {"plot.svg", QByteArray("<?xml")}}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(w.window.saveTo(path, &error)) << error.toStdString();
        QFile picture(path);
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
        EXPECT_TRUE(picture.readAll().startsWith(start)) << name;
    }
    // Nothing but the file itself is left in the folder, and a bad name writes nothing.
    EXPECT_FALSE(w.window.saveTo(dir.filePath("plot.txt"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(PowderText, CsvHasAHeaderAndDecimalPointsAndRejectsOtherText)
{
    const std::vector<PowderLine> lines{{31.7019, 2.82010, {2, 0, 0}, 6, 100}, {27.3651, 3.25637, {1, -1, 1}, 8, 8.1}};
    const std::string csv = TableCsv(lines);
    EXPECT_EQ(csv, "two_theta_deg,d_angstrom,h,k,l,multiplicity,intensity\n"
                   "31.7019,2.82010,2,0,0,6,100.00\n27.3651,3.25637,1,-1,1,8,8.10\n");
    EXPECT_EQ(TableTsv(lines), "2theta\td\th\tk\tl\tmult\tI\n31.702\t2.8201\t2\t0\t0\t6\t100.0\n"
                               "27.365\t3.2564\t1\t-1\t1\t8\t8.1\n");
    for (const char* bad : {"", "2theta,d\n", "two_theta_deg,d_angstrom,h,k,l,multiplicity,intensity\n1,2,3\n",
                            "two_theta_deg,d_angstrom,h,k,l,multiplicity,intensity\n1,2,a,0,0,1,1\n"})
        EXPECT_FALSE(ParseTableCsv(bad).has_value()) << bad;
    EXPECT_EQ(HklLabel({1, -1, 0}), "(1 \u22121 0)");
}

TEST(PowderTool, PrintsTheTableWithDecimalPointsAndRefusesBadInput)
{
    const auto run = [](const QStringList& args, QByteArray* out) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "ru_RU.UTF-8");
        tool.setProcessEnvironment(env);
        tool.start(VESTREL_RENDER_TOOL, args);
        EXPECT_TRUE(tool.waitForFinished(60000));
        *out = tool.readAllStandardOutput() + tool.readAllStandardError();
        return tool.exitCode();
    };
    QByteArray out;
    ASSERT_EQ(run({"--cif", RockSalt, "--powder"}, &out), 0) << out.toStdString();
    const QList<QByteArray> rows = out.trimmed().split('\n');
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0], "2theta\td\th\tk\tl\tmult\tI");
    EXPECT_EQ(rows[2], "31.702\t2.8201\t2\t0\t0\t6\t100.0");
    ASSERT_EQ(run({"--cif", RockSalt, "--powder", "--wavelength", "0.7093", "--range", "10,20"}, &out), 0);
    EXPECT_EQ(out.trimmed().split('\n').size(), 1 + 2); // 111 and 200 below 20°; 220 at 20.4°
    for (const QStringList& bad : {QStringList{"--cif", RockSalt, "--powder", "--wavelength", "9"},
                                   QStringList{"--cif", RockSalt, "--powder", "--range", "50,40"},
                                   QStringList{"--cif", RockSalt, "--powder", "--range", "5"},
                                   QStringList{"--cif", "/nonexistent.cif", "--powder"}, QStringList{"--powder"}}) {
        EXPECT_EQ(run(bad, &out), 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(out.isEmpty());
    }
}

TEST(PowderPlot, ProfilePeaksAreAsHighAsTheirLinesAndHalfAsHighHalfAWidthAway)
{
    EXPECT_DOUBLE_EQ(PseudoVoigt(0, 0.1), 1);
    EXPECT_NEAR(PseudoVoigt(0.05, 0.1), 0.5, 1e-12);
    EXPECT_NEAR(PseudoVoigt(-0.25, 0.5), 0.5, 1e-12);
    const std::vector<PowderLine> lines{{30, 3, {1, 0, 0}, 6, 100}, {60, 1.5, {2, 0, 0}, 6, 40}};
    const std::vector<CurvePoint> curve = ProfileCurve(lines, 20, 80, 0.1);
    ASSERT_GE(curve.size(), 3000u);
    const auto at = [&](double tt) {
        return std::min_element(curve.begin(), curve.end(), [&](const CurvePoint& a, const CurvePoint& b) {
                   return std::abs(a.twoTheta - tt) < std::abs(b.twoTheta - tt);
               })->intensity;
    };
    EXPECT_NEAR(at(30), 100, 0.5);
    EXPECT_NEAR(at(60), 40, 0.5);
    EXPECT_LT(at(45), 0.1);
    EXPECT_EQ(ProfileCurve(lines, 20, 80, 0.001, 500).size(), 500u);
    EXPECT_FALSE(CheckPeakWidth(0).empty());
    EXPECT_TRUE(CheckPeakWidth(DefaultPeakWidth).empty());
}

TEST(PowderPlot, TheWheelZoomsAboutTheMouseAndADragPansInsideTheRange)
{
    const AxisRange limits{5, 90};
    const AxisRange zoomed = ZoomRange(limits, 30, 0.5, limits);
    EXPECT_NEAR(zoomed.to - zoomed.from, 42.5, 1e-9);
    // The angle under the mouse stays under the mouse.
    EXPECT_NEAR((30 - zoomed.from) / (zoomed.to - zoomed.from), (30 - 5) / 85.0, 1e-9);
    EXPECT_NEAR(ZoomRange(zoomed, 30, 4, limits).from, 5, 1e-9);
    EXPECT_NEAR(ZoomRange(zoomed, 30, 4, limits).to, 90, 1e-9);
    EXPECT_NEAR(ZoomRange({30, 30.1}, 30.05, 0.01, limits).to - 30, MinAxisSpan, 0.06);
    const AxisRange panned = PanRange({10, 20}, 100, limits);
    EXPECT_DOUBLE_EQ(panned.to, 90);
    EXPECT_DOUBLE_EQ(panned.from, 80);
    EXPECT_DOUBLE_EQ(PanRange({10, 20}, -3, limits).from, 7);
}

TEST(PowderPlot, ManyLinesAreThinnedToTheStrongestOfEachSlice)
{
    std::vector<PowderLine> lines;
    for (int i = 0; i < 10000; ++i)
        lines.push_back({5 + i * 0.0085, 1, {i, 0, 0}, 1, i == 4321 ? 100.0 : 1.0 + (i % 7)});
    const std::vector<std::size_t> all = VisibleLines(lines, {5, 90}, 20000);
    EXPECT_EQ(all.size(), lines.size());
    const std::vector<std::size_t> thinned = VisibleLines(lines, {5, 90}, 500);
    EXPECT_LE(thinned.size(), 500u);
    EXPECT_GE(thinned.size(), 490u);
    EXPECT_NE(std::find(thinned.begin(), thinned.end(), 4321u), thinned.end());
    for (std::size_t i : thinned)
        EXPECT_GE(lines[i].intensity, 5.0) << i; // each slice of 20 lines holds a 7
    EXPECT_EQ(VisibleLines(lines, {20, 21}, 500).size(), 118u);
}

TEST(PowderPlot, TheStrongestLinesCarryLabels)
{
    std::vector<PowderLine> lines;
    for (int i = 0; i < 12; ++i)
        lines.push_back({10.0 + i, 1, {i, 0, 0}, 1, i == 5 ? 1.0 : 100.0 - 7 * i});
    const std::vector<std::size_t> labelled = LabelledLines(lines, 4);
    EXPECT_EQ(labelled, (std::vector<std::size_t>{0, 1, 2, 3}));
    // Weak lines carry none, however few lines there are.
    EXPECT_EQ(LabelledLines(lines, 20).size(), 11u);
}

} // namespace
} // namespace vestrel
