// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "app/calculator_window.h"
#include "app/catalogue_part.h"
#include "app/companion_windows.h"
#include "app/stereogram_part.h"
#include "app/crystal_class_part.h"
#include "app/gl_panel.h"
#include "app/help_opener.h"
#include "app/interface_part.h"
#include "app/main_menus.h"
#include "app/main_window_parts.h"
#include "app/options_panel.h"
#include "app/model_export_part.h"
#include "app/picture_part.h"
#include "app/scene_commands.h"
#include "app/settings_window.h"
#include "app/structure_file_part.h"
#include "app/structure_tools_part.h"
#include "app/symmetry_part.h"
#include "app/toolbar_icons.h"
#include "app/view_part.h"
#include "frame/frame.h"
#include "logic/cif/loaded_structure.h"
#include "logic/hints.h"
#include "logic/options.h"
#include "logic/picture_commands.h"
#include "logic/zone_picture.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace vestrel {

MainWindow::MainWindow(const QString& programDir, Options& options, HintRouter* hints, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), options_(options)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QCoreApplication::translate("MainWindow", "Вестрел  Вер. 1.1"));
    setWindowIcon(ToolIcon(0));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setGeometry(StartGeometry);
    setAcceptDrops(true);

    showMessageBox = [this](const QString& text) { QMessageBox::information(this, QCoreApplication::translate("MainWindow", "Вестрел"), text); };
    askYesNo = [this](const QString& text) {
        return QMessageBox::question(this, QCoreApplication::translate("MainWindow", "Вестрел"), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    };

    menus_ = new MainMenus(*this, options_);
    auto* central = new QWidget(this);
    panel_ = named(new GlPanel(central), "pnl1");
    panel_->setCursor(Qt::SizeAllCursor);
    panel_->setMinimumSize(1, 1);
    SetHint(panel_, QCoreApplication::translate("MainWindow", "Окно построения объектов"));
    auto* status = named(new QStatusBar(this), "stat1");

    catalogue_ = new CataloguePart(this, programDir_, [this](const QString& text) { showMessageBox(text); },
                                   [this](bool structures) { optionsPanel_->enableFor(structures); });
    optionsPanel_ = new OptionsPanel(this, options_);
    view_ = new ViewPart(*this, *panel_, options_);
    structureFile_ = new StructureFilePart(*this, *catalogue_, *panel_, options_);
    structureFile_->showMessage = [this](const QString& text) { showMessageBox(text); };
    askStructureFile = structureFile_->askFile;
    structureFile_->askFile = [this](const QString& folder) { return askStructureFile(folder); };
    crystal_ = new CrystalClassPart(this, [this](const QString& text) { showMessageBox(text); });
    structureTools_ = new StructureToolsPart(*this, *structureFile_, *catalogue_, *panel_, *view_, *status);
    structureTools_->showMessage = [this](const QString& text) { showMessageBox(text); };
    structureTools_->bindButton(menus_->button(Command::Measure));
    symmetry_ = new SymmetryPart(this, *panel_, *status, [this](bool on) { scene_->enableSceneCommands(on); });
    scene_ = new SceneCommands(this, *catalogue_, *crystal_, *structureFile_, *symmetry_, *menus_, *panel_, *status);
    pictures_ = new PicturePart(*this, programDir_, *panel_, options_, [this] { return readFrameInputs(); },
                                [this] { return view_->view(); });
    closeQuery = [this] { return pictures_->commands().closeQuery(); };
    models_ = new ModelExportPart(*this, [this] { return readFrameInputs(); }, [this] { return view_->view(); });
    helpOpener_ = std::make_unique<HelpOpener>(this);
    companions_ = new CompanionWindows(*this, *panel_, *menus_);
    stereogram_ = new StereogramPart(this, *menus_, *panel_, [this] { return readFrameInputs(); }, [this] { return view_->view(); });

    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(panel_, 1);
    row->addWidget(buildSidePanel());
    setCentralWidget(central);
    setStatusBar(status);
    interface_ = new InterfacePart(this, options_, *menus_,
                                   {sidePanel_, menus_->toolBar(), {catalogue_->photoGroup(), catalogue_->informationGroup()}},
                                   [this] { nextFrame(); });
    panel_->setFrameRoutine([this](Draw& gl, bool tick) { drawFrame(gl, tick); });
    bindCommands();
    if (hints)
        hints->addStatusBar(status);
}

MainWindow::~MainWindow() { panel_->releaseGl(); }

QWidget* MainWindow::buildSidePanel()
{
    auto* side = named(new QFrame(this), "pnl2");
    side->setFrameShape(QFrame::Box);
    side->setFixedWidth(SidePanelWidth);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* scroll = named(new QScrollArea(side), "ScrollBox1");
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    catalogue_->addToTools(crystal_->group());
    catalogue_->addToTools(view_->distanceGroup());
    optionsPanel_->addAtFoot(catalogue_->photoGroup());
    optionsPanel_->addAtFoot(catalogue_->informationGroup());
    for (QWidget* group : std::initializer_list<QWidget*>{catalogue_->toolsGroup(), symmetry_->group(),
                                                          structureFile_->cellsGroup(), structureTools_->group(),
                                                          optionsPanel_->group()}) {
        group->setParent(content);
        column->addWidget(group);
    }
    column->addStretch(1);
    // The side panel is narrow: keep the groups tight.
    for (QLayout* inner : content->findChildren<QLayout*>()) {
        inner->setContentsMargins(4, 2, 4, 2);
        inner->setSpacing(2);
    }
    // Group titles must not widen the panel beyond its 224 pixels.
    for (QGroupBox* group : content->findChildren<QGroupBox*>())
        group->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QComboBox* list : content->findChildren<QComboBox*>()) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }
    scroll->setWidget(content);
    layout->addWidget(scroll);
    sidePanel_ = side;
    return side;
}

void MainWindow::bindCommands()
{
    connect(catalogue_, &CataloguePart::buildRequested, this, &MainWindow::build);
    connect(catalogue_, &CataloguePart::eraseRequested, this, &MainWindow::eraseScene);
    connect(catalogue_, &CataloguePart::structureChosen, this, &MainWindow::structureChosen);
    connect(catalogue_, &CataloguePart::polyhedronChosen, this, &MainWindow::polyhedronChosen);
    menus_->bind(Command::Build, [this] { build(); });
    menus_->bind(Command::Erase, [this] { eraseScene(); });
    menus_->bind(Command::Previous, [this] { previousObject(); });
    menus_->bind(Command::Next, [this] { nextObject(); });
    menus_->bind(Command::Exit, [this] { exitProgram(); });
    menus_->bind(Command::DisplaySettings, [this] { showSettings(); });
    menus_->bind(Command::SaveImage, [this] { pictures_->saveAs(); });
    menus_->bind(Command::Screenshot, [this] { pictures_->screenshot(); });
    menus_->bind(Command::SaveModel, [this] { models_->save(); });
    menus_->bind(Command::Help, [this] { helpOpener_->open(programDir_); });
    menus_->bind(Command::OpenStructure, [this] { openStructure(); });
    companions_->bindLibrary(programDir_, [this](const QString& path) { openStructureFile(path); });
}

void MainWindow::setSettings(SettingsWindow* settings)
{
    settings_ = settings;
    pictures_->connectSettings(settings_);
}

void MainWindow::setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference)
{
    companions_->setAuxiliaryWindows(about, legend, reference);
}
void MainWindow::setCalculator(CalculatorWindow* calculator)
{
    companions_->setCalculator(calculator);
    if (!calculator)
        return;
    calculator->structureShown = [this] { return structureFile_->shown(); };
    calculator->showPlanesInStructure = [this](const auto& planes) { structureTools_->showPlanes(planes); };
}
void MainWindow::setPowderWindow(PowderWindow* powder) { companions_->setPowderWindow(powder, *structureFile_); }
void MainWindow::setStereogramWindow(StereogramWindow* window) { stereogram_->setWindow(window); }
void MainWindow::showReference() { companions_->showReference(); }
void MainWindow::showLegend() { companions_->showLegend(); }
void MainWindow::showAbout() { companions_->showAbout(); }

void MainWindow::setPictureUi(PictureUi& ui) { pictures_->setUi(ui); }

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !scene_)
        return;
    menus_->retranslate();
    view_->retranslate();
    catalogue_->retranslate();
    crystal_->retranslate();
    structureFile_->retranslate();
    structureTools_->retranslate();
}

void MainWindow::bindLanguageChoice(const std::function<void(Language)>& choose) { menus_->bindLanguage(choose); }
void MainWindow::showLanguage(Language language) { menus_->showLanguage(language); }
PictureCommands& MainWindow::pictures() { return pictures_->commands(); }

ViewState& MainWindow::viewState() { return view_->view(); }
const Catalogue& MainWindow::catalogue() const { return catalogue_->catalogue(); }

bool MainWindow::showsLoadedStructure() const { return structureFile_->shown(); }
const cif::LoadedStructure& MainWindow::loadedStructure() const { return structureFile_->structure(); }
QString MainWindow::structureFolder() const { return options_.kept().structureFolder; }
void MainWindow::setStructureFolder(const QString& folder) { options_.set(&KeptSettings::structureFolder, folder); }

// ---- Commands that change the scene ----

void MainWindow::build() { scene_->build(); }
void MainWindow::eraseScene() { scene_->erase(); }
void MainWindow::showZonePicture(const ZonePicture& picture) { scene_->showZonePicture(picture); }
void MainWindow::nextObject() { scene_->next(); }
void MainWindow::previousObject() { scene_->previous(); }
void MainWindow::structureChosen(int item) { scene_->chooseStructure(item); }
void MainWindow::polyhedronChosen(int item) { scene_->choosePolyhedron(item); }
void MainWindow::performSymmetryOperation() { symmetry_->perform(); }
void MainWindow::symmetryElementChosen(int row) { symmetry_->choose(row); }
void MainWindow::openStructure() { structureFile_->open(); }
bool MainWindow::openStructureFile(const QString& path) { return scene_->openStructureFile(path); }

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!StructureFilePart::droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = StructureFilePart::droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so a message box does not hold up the
    // program the file came from.
    QMetaObject::invokeMethod(this, [this, path] { openStructureFile(path); }, Qt::QueuedConnection);
}

// ---- Frames, view, exit ----

FrameInputs MainWindow::readFrameInputs() const
{
    const KeptSettings& kept = options_.kept();
    const AuxiliaryOptions& aux = options_.auxiliary();
    FrameInputs in;
    in.autoRotate = kept.autoRotate;
    in.maxDistance = kept.maxDistance;
    in.planeXZ = aux.planeXZ;
    in.planeYZ = aux.planeYZ;
    in.planeXY = aux.planeXY;
    in.axisOX = aux.axisOX;
    in.axisOZ = aux.axisOZ;
    in.axisOY = aux.axisOY;
    in.menus = options_.colourMenus();
    in.scenes = catalogue_->catalogue().sceneFlags();
    in.zone = scene_->zone();
    in.loadedStructure = structureFile_->shown() ? &structureFile_->structure().sceneData() : nullptr;
    in.structureOverlay = structureTools_->overlay();
    in.chosen = symmetry_->lesson().frameElement();
    in.crystalForm = crystal_->shown() ? &crystal_->shown()->scene : nullptr;
    in.crystalClass = crystal_->shown() && !crystal_->shown()->forms.empty() ? crystal_->shown()->forms.front().classNumber : 0;
    in.display = options_.displayOptions();
    in.shaded = kept.shaded;
    in.smooth = kept.smooth && panel_->availableSamples() != 0;
    stereogram_->addMarking(in);
    return in;
}

void MainWindow::nextFrame()
{
    view_->followView();
    symmetry_->advance(interface_->frameTimer().interval() / 1000.0);
    stereogram_->follow();
    panel_->tick();
}

void MainWindow::drawFrame(Draw& gl, bool tick) { DrawFrame(gl, readFrameInputs(), view_->view(), tick); }

void MainWindow::panelMousePressed(Qt::MouseButton button, int x, int y) { view_->mousePressed(button, x, y); }
void MainWindow::panelMouseMoved(int x, int y) { view_->mouseMoved(x, y); }
void MainWindow::panelMouseReleased(Qt::MouseButton button, int x, int y) { view_->mouseReleased(button, x, y); }
void MainWindow::wheelTurned(int notches) { view_->wheelTurned(notches); }

void MainWindow::applyInterfaceOptions() { interface_->apply(); }

void MainWindow::exitProgram()
{
    if (askYesNo(QCoreApplication::translate("MainWindow", "Выйти из программы?")))
        close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeQuery())
        event->accept();
    else
        event->ignore();
}

void MainWindow::showSettings()
{
    if (settings_)
        settings_->showSettings();
}

} // namespace vestrel
