// SPDX-License-Identifier: MIT
// Crystal structures from CIF files in the main window: the open command and
// its dialog, dropped files and the command line; the structure in place of
// the scene and in the structure list; the block of cells; bad files; and the
// view, the switches and the picture commands on such a structure.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/gl_panel.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/structure_file_dialog.h"
#include "logic/cif/loaded_structure.h"
#include "logic/hints.h"
#include "logic/picture_commands.h"
#include "logic/picture_folders.h"
#include "logic/zone_picture.h"
#include "tests/cif/cif_cases.h"
#include "tests/support/render_tool.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>

namespace vestrel {
namespace {

QString cifFile(const std::string& name) { return QString::fromStdString(test::CifPath(name)); }

bool anySceneOn(const MainWindow& m)
{
    return std::ranges::any_of(m.catalogue().sceneFlags(), [](bool on) { return on; });
}

// What the loader itself says of a file.
QString loaderMessage(const QString& path, int cells = 1)
{
    return QString::fromStdString(cif::LoadedStructure().load(QFile::encodeName(path).toStdString(), cells).message);
}

class StructureFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        m = &app->mainWindow();
        m->showMessageBox = [this](const QString& text) { messages << text; };
        m->askStructureFile = [this](const QString& folder) {
            dialogFolders << folder;
            if (answers.empty())
                return QString();
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    void buildStructure(int item)
    {
        Controls(m).structureList->setCurrentIndex(item);
        emit Controls(m).structureList->activated(item);
        Controls(m).buildAction->trigger();
    }
    void choosePolyhedron(int item)
    {
        Controls(m).polyhedronList->setCurrentIndex(item);
        emit Controls(m).polyhedronList->activated(item);
    }
    // The state a structure from `fileName` is shown in.
    void expectShown(const std::string& fileName)
    {
        SCOPED_TRACE(fileName);
        ASSERT_TRUE(m->showsLoadedStructure());
        EXPECT_EQ(m->loadedStructure().fileName(), fileName);
        EXPECT_FALSE(anySceneOn(*m));
        EXPECT_EQ(Controls(m).structureList->count(), 20);
        EXPECT_EQ(Controls(m).structureList->itemText(19), QString::fromStdString(fileName));
        EXPECT_EQ(Controls(m).structureList->currentIndex(), 19);
        EXPECT_EQ(Controls(m).polyhedronList->currentIndex(), 0);
        EXPECT_TRUE(Controls(m).photoBox->isEmpty());
        EXPECT_EQ(Controls(m).informationMemo->toPlainText(), QString::fromStdString(m->loadedStructure().memoText()));
        EXPECT_TRUE(Controls(m).cellsGroup->isVisibleTo(m));
        EXPECT_TRUE(Controls(m).showBondsCheck->isEnabled());
        EXPECT_FALSE(Controls(m).symmetryGroup->isVisibleTo(m));
        const FrameInputs in = m->readFrameInputs();
        ASSERT_NE(in.loadedStructure, nullptr);
        EXPECT_EQ(in.loadedStructure, &m->loadedStructure().sceneData());
        EXPECT_FALSE(in.loadedStructure->atoms.empty());
        EXPECT_FALSE(in.zone.has_value());
    }
    void expectGone()
    {
        EXPECT_FALSE(m->showsLoadedStructure());
        EXPECT_EQ(m->readFrameInputs().loadedStructure, nullptr);
        EXPECT_EQ(Controls(m).structureList->count(), 19);
        EXPECT_FALSE(Controls(m).cellsGroup->isVisibleTo(m));
    }

    std::unique_ptr<Application> app;
    MainWindow* m = nullptr;
    QStringList messages;
    std::deque<QString> answers;
    QStringList dialogFolders;
};

TEST_F(StructureFile, FileMenuAndToolBarOfferTheOpenCommand)
{
    QStringList file;
    for (QAction* a : Controls(m).fileMenu->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"Открыть структуру…", "Библиотека структур…", "-", "Сохранить построение как...", "Сохранить 3D-модель…", "Сделать скриншот", "-",
                                 "Расчет символов граней и ребер", "Справочник", "-", "Выход"}));
    EXPECT_EQ(Controls(m).openStructureAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(HintOf(Controls(m).openStructureToolButton),
              QStringLiteral("Открыть структуру|Открыть файл кристаллической структуры (CIF)"));
    EXPECT_FALSE(Controls(m).openStructureToolButton->icon().isNull());
    // Last in the tool bar, so the buttons above keep their places.
    const QList<QAction*> tools = Controls(m).toolBar->actions();
    ASSERT_FALSE(tools.isEmpty());
    EXPECT_EQ(Controls(m).toolBar->widgetForAction(tools.last()), Controls(m).openStructureToolButton);
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_GT(Controls(m).openStructureToolButton->y(), Controls(m).exitToolButton->y());
    EXPECT_EQ(Controls(m).exitToolButton->geometry().top(), 10 * 47) << "the eleven buttons above stay where they were";

    // Ctrl+O, the menu item and the button all ask for a file.
    m->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, Qt::Key_O, Qt::ControlModifier);
    Controls(m).openStructureAction->trigger();
    QTest::mouseClick(Controls(m).openStructureToolButton, Qt::LeftButton);
    EXPECT_EQ(dialogFolders.size(), 3);
    EXPECT_FALSE(m->showsLoadedStructure()) << "a cancelled dialog opens nothing";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StructureFile, TheLibraryOpensItsEntryAsAFileWouldBeOpened)
{
    QAction* library = m->findChild<QAction*>(QStringLiteral("structureLibraryAction"));
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    // The dialog is modal: a timer answers it once it shows, and closes it
    // whatever happens, so that the test cannot hang.
    QString searched;
    QTimer answer;
    answer.setInterval(50);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->findChild<QLineEdit*>(QStringLiteral("librarySearch")))
                dialog = qobject_cast<QDialog*>(w);
        if (!dialog)
            return;
        answer.stop();
        auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("librarySearch"));
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("libraryList"));
        search->setText(QStringLiteral("rutile"));
        if (list->count() > 0) {
            list->setCurrentRow(0);
            searched = list->currentItem()->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("libraryOpen")), Qt::LeftButton);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    answer.start();
    library->trigger();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    ASSERT_TRUE(m->showsLoadedStructure()) << searched.toStdString();
    EXPECT_EQ(Controls(m).structureList->currentIndex(), StructureCount + 1);
    EXPECT_TRUE(Controls(m).informationMemo->toPlainText().contains(QStringLiteral("Ti"))) << searched.toStdString();
}

TEST_F(StructureFile, TheDialogFiltersCifFilesAndRemembersItsFolder)
{
    QTemporaryDir dir;
    const std::unique_ptr<QFileDialog> dialog = MakeStructureFileDialog(m, dir.path());
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Файлы CIF (*.cif)", "Все файлы (*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);

    const QString dataFolder = QFileInfo(cifFile("rutile.cif")).absolutePath();
    answers = {cifFile("rutile.cif")};
    Controls(m).openStructureAction->trigger();
    expectShown("rutile.cif");
    Controls(m).openStructureAction->trigger(); // cancelled
    EXPECT_EQ(dialogFolders, (QStringList{QString(), dataFolder}));
    EXPECT_EQ(m->structureFolder(), dataFolder);
    // Kept with the other settings, and given back on the next start.
    const KeptSettings kept = app->keptSettings();
    EXPECT_EQ(kept.structureFolder, dataFolder);
    Application next(QStringLiteral(VESTREL_PROGRAM_DIR));
    next.restoreSettings(kept);
    EXPECT_EQ(next.mainWindow().structureFolder(), dataFolder);
}

TEST_F(StructureFile, EveryTestStructureReplacesTheSceneWithItsMemo)
{
    buildStructure(1); // rock salt, with its photo
    ASSERT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    ASSERT_FALSE(Controls(m).photoBox->isEmpty());
    for (const test::CifCase& c : test::CifCases()) {
        const std::string fileName = c.name + ".cif";
        ASSERT_TRUE(m->openStructureFile(cifFile(fileName))) << messages.join('\n').toStdString();
        expectShown(fileName);
        EXPECT_EQ(Controls(m).cellsSpin->value(), 1);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(StructureFile, BuildingABuiltInStructureBringsTheListBack)
{
    ASSERT_TRUE(m->openStructureFile(cifFile("calcite.cif")));
    // Choosing alone changes nothing on the screen; building does.
    Controls(m).structureList->setCurrentIndex(2);
    emit Controls(m).structureList->activated(2);
    EXPECT_TRUE(m->showsLoadedStructure());
    Controls(m).buildButton->click();
    expectGone();
    EXPECT_EQ(Controls(m).structureList->currentIndex(), 2);
    EXPECT_TRUE(m->catalogue().sceneFlags()[index(SceneId::Cuprite)]);
    EXPECT_FALSE(Controls(m).photoBox->isEmpty());
    EXPECT_TRUE(Controls(m).informationMemo->toPlainText().contains(QStringLiteral("Cu")));

    // Chosen again, the file's item means the structure shown: building
    // keeps it, with no message.
    ASSERT_TRUE(m->openStructureFile(cifFile("calcite.cif")));
    Controls(m).structureList->setCurrentIndex(5);
    emit Controls(m).structureList->activated(5);
    Controls(m).structureList->setCurrentIndex(19);
    emit Controls(m).structureList->activated(19);
    Controls(m).buildAction->trigger();
    expectShown("calcite.cif");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    // "Не выбрано" chosen: building asks for a choice, as it always does,
    // and the structure stays.
    Controls(m).structureList->setCurrentIndex(0);
    emit Controls(m).structureList->activated(0);
    Controls(m).buildButton->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Выберите структуру или тип многогранников!")});
    EXPECT_TRUE(m->showsLoadedStructure());
    EXPECT_EQ(Controls(m).structureList->count(), 20);
}

TEST_F(StructureFile, APolyhedronTheEraseCommandAndTheZonePictureTakeItOff)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"polyhedron chosen", [this] { choosePolyhedron(3); }},
        {"erase button", [this] { Controls(m).eraseButton->click(); }},
        {"erase tool button", [this] { Controls(m).eraseToolButton->click(); }},
        {"zone picture", [this] { m->showZonePicture(ZonePicture{}); }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(m->openStructureFile(cifFile("quartz.cif")));
        way();
        expectGone();
        EXPECT_EQ(Controls(m).structureList->currentIndex(), 0);
        EXPECT_TRUE(Controls(m).informationMemo->toPlainText().isEmpty());
    }
    // From a polyhedron built (the bonds switch off), a structure file turns
    // the structure options back on and the polyhedron off.
    choosePolyhedron(1);
    Controls(m).buildAction->trigger();
    ASSERT_TRUE(anySceneOn(*m));
    ASSERT_FALSE(Controls(m).showBondsCheck->isEnabled());
    ASSERT_TRUE(Controls(m).symmetryGroup->isVisibleTo(m));
    ASSERT_TRUE(m->openStructureFile(cifFile("wurtzite.cif")));
    expectShown("wurtzite.cif");
    // Next and Previous have no catalogue item to step from.
    Controls(m).nextToolButton->click();
    Controls(m).previousToolButton->click();
    expectShown("wurtzite.cif");
}

// An oxygen atom every 3 angstroms in a cubic P1 cell of n x n x n atoms:
// 1000 atoms a cell for n = 10, so 4 x 4 x 4 cells are over the atom limit.
QString writeOxygenGrid(const QTemporaryDir& dir, int n)
{
    const QString path = dir.filePath(QStringLiteral("grid.cif"));
    std::ofstream out(QFile::encodeName(path).toStdString());
    out << "data_grid\n_cell_length_a " << 3 * n << "\n_cell_length_b " << 3 * n << "\n_cell_length_c " << 3 * n
        << "\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
           "_symmetry_space_group_name_H-M 'P 1'\nloop_\n_atom_site_label\n_atom_site_type_symbol\n"
           "_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    int label = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                out << "O" << ++label << " O " << double(i) / n << ' ' << double(j) / n << ' ' << double(k) / n << '\n';
    return path;
}

TEST_F(StructureFile, CellsPerAxisRedrawTheBlockWithinTheAtomLimit)
{
    EXPECT_EQ(Controls(m).cellsSpin->minimum(), 1);
    EXPECT_EQ(Controls(m).cellsSpin->maximum(), 4);
    EXPECT_FALSE(Controls(m).cellsGroup->isVisibleTo(m)) << "no cells to choose before a structure is opened";

    ASSERT_TRUE(m->openStructureFile(cifFile("rock_salt.cif")));
    // A face-centred cubic cell of each kind: 14 + 13 atoms in one cell,
    // (2n+1)^3 sites of the doubled lattice in n cells.
    std::vector<std::size_t> atoms;
    for (int cells : {1, 2, 3, 4}) {
        Controls(m).cellsSpin->setValue(cells);
        EXPECT_EQ(m->loadedStructure().cells(), cells);
        atoms.push_back(m->readFrameInputs().loadedStructure->atoms.size());
        EXPECT_EQ(atoms.back(), static_cast<std::size_t>((2 * cells + 1) * (2 * cells + 1) * (2 * cells + 1)));
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    // A new file starts as one cell again.
    ASSERT_TRUE(m->openStructureFile(cifFile("copper.cif")));
    EXPECT_EQ(Controls(m).cellsSpin->value(), 1);
    EXPECT_EQ(m->readFrameInputs().loadedStructure->atoms.size(), 14u);

    QTemporaryDir dir;
    const QString grid = writeOxygenGrid(dir, 10);
    ASSERT_TRUE(m->openStructureFile(grid)) << messages.join('\n').toStdString();
    Controls(m).cellsSpin->setValue(2);
    const std::size_t twoCells = m->readFrameInputs().loadedStructure->atoms.size();
    EXPECT_EQ(twoCells, 21u * 21 * 21);
    Controls(m).cellsSpin->setValue(4);
    ASSERT_EQ(messages, QStringList{loaderMessage(grid, 4)});
    EXPECT_TRUE(messages.first().contains(QStringLiteral("50 000"))) << messages.first().toStdString();
    EXPECT_EQ(Controls(m).cellsSpin->value(), 2);
    EXPECT_EQ(m->loadedStructure().cells(), 2);
    EXPECT_EQ(m->readFrameInputs().loadedStructure->atoms.size(), twoCells);
}

TEST_F(StructureFile, BadFilesGiveTheLoadersMessageAndTheSceneShownStays)
{
    QStringList bad;
    QDirIterator files(cifFile("bad"), {QStringLiteral("*.cif")}, QDir::Files);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!loaderMessage(file).isEmpty())
            bad << file;
    }
    ASSERT_GE(bad.size(), 10);
    QTemporaryDir dir;
    bad << dir.filePath(QStringLiteral("vanished.cif")) << dir.path();

    // Over a structure from a file, and over a built-in one.
    ASSERT_TRUE(m->openStructureFile(cifFile("strontium_titanate.cif")));
    const QString memo = Controls(m).informationMemo->toPlainText();
    for (const QString& file : bad) {
        SCOPED_TRACE(file.toStdString());
        messages.clear();
        EXPECT_FALSE(m->openStructureFile(file));
        ASSERT_EQ(messages, QStringList{loaderMessage(file)});
        EXPECT_FALSE(messages.first().isEmpty());
        expectShown("strontium_titanate.cif");
        EXPECT_EQ(Controls(m).informationMemo->toPlainText(), memo);
    }
    buildStructure(17); // copper
    ASSERT_TRUE(m->catalogue().sceneFlags()[index(SceneId::Copper)]);
    const QString copperMemo = Controls(m).informationMemo->toPlainText();
    for (const QString& file : bad) {
        SCOPED_TRACE(file.toStdString());
        messages.clear();
        EXPECT_FALSE(m->openStructureFile(file));
        EXPECT_EQ(messages, QStringList{loaderMessage(file)});
        expectGone();
        EXPECT_TRUE(m->catalogue().sceneFlags()[index(SceneId::Copper)]);
        EXPECT_FALSE(Controls(m).photoBox->isEmpty());
        EXPECT_EQ(Controls(m).informationMemo->toPlainText(), copperMemo);
    }
}

QMimeData* urls(const QStringList& paths)
{
    auto* mime = new QMimeData;
    QList<QUrl> list;
    for (const QString& p : paths)
        list << QUrl::fromLocalFile(p);
    mime->setUrls(list);
    return mime;
}

TEST_F(StructureFile, ADroppedCifFileOpens)
{
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_TRUE(m->acceptDrops());
    const QPoint centre = m->rect().center();
    struct Drop {
        QString file;
        bool accepted;
    };
    const QString text = QDir(QStringLiteral(VESTREL_PROGRAM_DIR)).filePath(QStringLiteral("help/index.html"));
    for (const Drop& d : {Drop{text, false}, Drop{cifFile("rutile.cif"), true}}) {
        SCOPED_TRACE(d.file.toStdString());
        std::unique_ptr<QMimeData> mime(urls({d.file}));
        QDragEnterEvent enter(centre, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m, &enter);
        EXPECT_EQ(enter.isAccepted(), d.accepted);
        if (!d.accepted)
            continue;
        QDropEvent drop(QPointF(centre), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m, &drop);
        EXPECT_TRUE(drop.isAccepted());
        QTRY_VERIFY(m->showsLoadedStructure());
    }
    expectShown("rutile.cif");
}

TEST_F(StructureFile, TheCommandLineOpensTheFirstFileFromTheCurrentFolder)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(QFileInfo(cifFile("corundum.cif")).absolutePath());
    app->openCommandLineFiles({QStringLiteral("corundum.cif"), QStringLiteral("quartz.cif")});
    QDir::setCurrent(before);
    expectShown("corundum.cif");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    app->openCommandLineFiles({QStringLiteral("no such file.cif")});
    EXPECT_EQ(messages.size(), 1);
    expectShown("corundum.cif");
}

// Counts of pixels of each atom colour of the scene, and of grey.
struct PictureCounts {
    std::vector<int> atomColours;
    int grey = 0;
};

PictureCounts countPixels(const QImage& image, const structures::LoadedStructureScene& scene)
{
    PictureCounts counts;
    std::vector<QRgb> colours;
    for (const Ball& b : scene.atoms)
        if (std::ranges::find(colours, test::ScreenColour(b.colour)) == colours.end())
            colours.push_back(test::ScreenColour(b.colour));
    for (QRgb c : colours)
        counts.atomColours.push_back(test::CountPixels(image, c, 3));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 60 && std::abs(qRed(p) - qGreen(p)) < 8 && std::abs(qRed(p) - qBlue(p)) < 8
                && std::ranges::find(colours, p) == colours.end())
                ++counts.grey;
        }
    return counts;
}

class StructureFileView : public StructureFile {
protected:
    QImage frame()
    {
        QTest::qWait(150);
        return Controls(m).glPanel->grabFramebuffer();
    }
};

TEST_F(StructureFileView, TheViewTheSwitchesAndThePictureCommandsWorkOnIt)
{
    m->resize(1000, 800);
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    Controls(m).frameTimer->stop(); // frames only when asked for
    ASSERT_TRUE(m->openStructureFile(cifFile("caesium_chloride.cif")));
    const auto& scene = m->loadedStructure().sceneData();

    const QImage start = frame();
    const PictureCounts withLines = countPixels(start, scene);
    ASSERT_EQ(withLines.atomColours.size(), 2u);
    for (int n : withLines.atomColours)
        EXPECT_GT(n, 200) << "each element's colour is on the screen";

    // "Показывать соед. линии" switches the cell edges off and on.
    EXPECT_TRUE(Controls(m).showBondsCheck->isEnabled());
    Controls(m).showBondsCheck->setChecked(false);
    Controls(m).glPanel->update();
    const PictureCounts noLines = countPixels(frame(), scene);
    EXPECT_LT(noLines.grey, withLines.grey / 2) << withLines.grey << " grey pixels with the lines";
    Controls(m).showBondsCheck->setChecked(true);

    // The distance, turning with the mouse, an auxiliary plane and axis and
    // the automatic rotation each change the picture.
    const auto changes = [&](const char* what, const std::function<void()>& change) {
        SCOPED_TRACE(what);
        const QImage before = frame();
        change();
        Controls(m).glPanel->update();
        const QImage after = frame();
        EXPECT_NE(before, after);
        for (int n : countPixels(after, scene).atomColours)
            EXPECT_GT(n, 50) << "the structure is still shown";
    };
    changes("distance", [&] { Controls(m).distanceSlider->setValue(Controls(m).distanceSlider->value() + 30); });
    changes("turning", [&] {
        m->panelMousePressed(Qt::LeftButton, 100, 100);
        m->panelMouseMoved(160, 130);
        m->panelMouseReleased(Qt::LeftButton, 160, 130);
    });
    changes("plane XY", [&] { Controls(m).planeXYCheck->setChecked(true); });
    changes("axis OZ", [&] { Controls(m).axisOZCheck->setChecked(true); });
    changes("rotation", [&] {
        Controls(m).autoRotateCheck->setChecked(true);
        for (int i = 0; i < 5; ++i) {
            m->nextFrame();
            QTest::qWait(30);
        }
    });

    // Saving the picture and the screenshot write files with the structure.
    struct Ui : PictureUi {
        QString folder;
        QStringList messages, errors;
        std::optional<SaveChoice> askSaveFileName(const SaveChoice&) override
        {
            return SaveChoice{QDir(folder).filePath(QStringLiteral("structure.bmp")), 1};
        }
        Answer ask(const Question&) override { return Answer::No; }
        void message(const QString& text) override { messages << text; }
        void error(const QString& text) override { errors << text; }
    } ui;
    QTemporaryDir dir;
    ui.folder = dir.path();
    m->setPictureUi(ui);
    PictureFolders folders(dir.path(), true);
    folders.setPicturesLocation(dir.path());
    m->pictures().setFolders(folders);
    Controls(m).autoRotateCheck->setChecked(false);
    Controls(m).saveToolButton->click();
    Controls(m).screenshotToolButton->click();
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join('\n').toStdString();
    const QImage saved(dir.filePath(QStringLiteral("structure.bmp")));
    ASSERT_FALSE(saved.isNull());
    for (int n : countPixels(saved, scene).atomColours)
        EXPECT_GT(n, 50);
    QStringList shots;
    QDirIterator written(dir.path(), {QStringLiteral("Structure*.bmp")}, QDir::Files, QDirIterator::Subdirectories);
    while (written.hasNext())
        shots << written.next();
    ASSERT_EQ(shots.size(), 1);
    for (int n : countPixels(QImage(shots.first()), scene).atomColours)
        EXPECT_GT(n, 50);
    app.reset(); // before the fake dialogs go
}

} // namespace
} // namespace vestrel
