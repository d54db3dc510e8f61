// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "app/about_window.h"
#include "app/calculator_window.h"
#include "app/gl_panel.h"
#include "app/help_opener.h"
#include "app/legend_window.h"
#include "app/main_window_parts.h"
#include "app/picture_box.h"
#include "app/qt_picture_ui.h"
#include "app/reference_window.h"
#include "app/settings_window.h"
#include "app/structure_file_dialog.h"
#include "app/toolbar_icons.h"
#include "frame/frame.h"
#include "logic/hints.h"
#include "logic/cif/loaded_structure.h"
#include "logic/info_text.h"
#include "logic/picture_commands.h"
#include "logic/zone_picture.h"
#include "logic/pictures/jpeg_codec.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace vestrel {

namespace {

constexpr int StartFrameInterval = 50;

} // namespace

MainWindow::MainWindow(const QString& programDir, SettingsWindow* settings, HintRouter* hints, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), settings_(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Вестрел  Вер. 1.1"));
    setWindowIcon(ToolIcon(0));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setGeometry(StartGeometry);

    showMessageBox = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Вестрел"), text); };
    askYesNo = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Вестрел"), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    };
    askStructureFile = [this](const QString& folder) {
        const auto dialog = MakeStructureFileDialog(this, folder);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return QString();
        return dialog->selectedFiles().constFirst();
    };

    loaded_ = std::make_unique<cif::LoadedStructure>();
    setAcceptDrops(true);

    catalogue_ = std::make_unique<Catalogue>(static_cast<CatalogueView&>(*this));

    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    glPanel = named(new GlPanel(central), "pnl1");
    glPanel->setCursor(Qt::SizeAllCursor);
    glPanel->setMinimumSize(1, 1);
    SetHint(glPanel, QStringLiteral("Окно построения объектов"));
    row->addWidget(glPanel, 1);
    row->addWidget(buildSidePanel());
    setCentralWidget(central);

    statusLine = named(new QStatusBar(this), "stat1");
    setStatusBar(statusLine);

    glPanel->setFrameRoutine([this](Draw& gl, bool tick) { drawFrame(gl, tick); });
    connect(glPanel, &GlPanel::mousePressed, this, &MainWindow::panelMousePressed);
    connect(glPanel, &GlPanel::mouseMoved, this, &MainWindow::panelMouseMoved);
    connect(glPanel, &GlPanel::mouseReleased, this, &MainWindow::panelMouseReleased);

    // FormCreate: the frame timer runs from the start; the OpenGL state is
    // set up when the panel's context is made.
    frameTimer = named(new QTimer(this), "Timer1");
    frameTimer->setInterval(StartFrameInterval);
    connect(frameTimer, &QTimer::timeout, this, &MainWindow::nextFrame);
    interfaceTimer = named(new QTimer(this), "tmr1");
    interfaceTimer->setInterval(1000);
    connect(interfaceTimer, &QTimer::timeout, this, &MainWindow::applyInterfaceOptions);
    interfaceTimer->start();
    if (settings_)
        settings_->setFrameTimer(frameTimer);
    connectPictureOptions();
    frameTimer->start();

    if (hints)
        hints->addStatusBar(statusLine);
    qtPictureUi_ = std::make_unique<QtPictureUi>(this);
    setPictureUi(*qtPictureUi_);
    closeQuery = [this] { return pictures_->closeQuery(); };
    connect(saveImageAction, &QAction::triggered, this, &MainWindow::saveImage);
    connect(saveToolButton, &QToolButton::clicked, this, &MainWindow::saveImage);
    connect(screenshotAction, &QAction::triggered, this, &MainWindow::takeScreenshot);
    connect(screenshotToolButton, &QToolButton::clicked, this, &MainWindow::takeScreenshot);
    helpOpener_ = std::make_unique<HelpOpener>(this);
    // The help tool button opens the help, as the menu item does.
    connect(helpAction, &QAction::triggered, this, &MainWindow::openHelp);
    connect(helpToolButton, &QToolButton::clicked, this, &MainWindow::openHelp);
    connect(openStructureAction, &QAction::triggered, this, &MainWindow::openStructure);
    connect(openStructureToolButton, &QToolButton::clicked, this, &MainWindow::openStructure);
    qApp->installEventFilter(this);
}

// FormDestroy: the quadric, then the frame timer; the context goes with the
// drawing panel.
MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    glPanel->releaseGl();
    frameTimer->stop();
}

void MainWindow::bindCommand(QAction* item, QToolButton* button, std::function<void()> command)
{
    if (item) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [command] { command(); });
    }
    if (button) {
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, [command] { command(); });
    }
}

void MainWindow::setSettings(SettingsWindow* settings)
{
    settings_ = settings;
    if (settings_)
        settings_->setFrameTimer(frameTimer);
    connectPictureOptions();
}

void MainWindow::setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference)
{
    about_ = about;
    legend_ = legend;
    reference_ = reference;
    referenceAction->setEnabled(true);
    aboutAction->setEnabled(true);
    referenceToolButton->setEnabled(true);
    legendToolButton->setEnabled(true);
    connect(referenceAction, &QAction::triggered, this, &MainWindow::showReference);
    connect(referenceToolButton, &QToolButton::clicked, this, &MainWindow::referenceToolClicked);
    connect(legendToolButton, &QToolButton::clicked, this, &MainWindow::showLegend);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::setCalculator(CalculatorWindow* calculator)
{
    calculator_ = calculator;
    calculatorAction->setEnabled(calculator_ != nullptr);
    connect(calculatorAction, &QAction::triggered, this, &MainWindow::showCalculator, Qt::UniqueConnection);
}

void MainWindow::setPictureUi(PictureUi& ui)
{
    const PictureFolders folders = pictures_ ? pictures_->folders() : PictureFolders(programDir_);
    pictures_ = std::make_unique<PictureCommands>(
        ui, programDir_, [this] { return glPanel->grabFramebuffer(); }, [this] { return GrabWholeWindow(this); });
    pictures_->setFolders(folders);
    pictures_->setPictureRenderer([this](QSize size) { return renderPicture(size); });
}

void MainWindow::saveImage() { pictures_->saveAs(); }
void MainWindow::takeScreenshot() { pictures_->screenshot(); }

void MainWindow::showCalculator()
{
    if (!calculator_)
        return;
    calculator_->show();
    calculator_->raise();
    calculator_->activateWindow();
}

void MainWindow::showReference()
{
    if (reference_)
        reference_->present();
}

void MainWindow::referenceToolClicked() { referenceAction->trigger(); }

void MainWindow::showLegend()
{
    if (legend_)
        legend_->presentBeside(glPanel->width());
}

void MainWindow::showAbout()
{
    if (about_)
        about_->showCentredOn(this);
}

void MainWindow::openHelp() { helpOpener_->open(programDir_); }

// ---- Catalogue commands ----

void MainWindow::build()
{
    // The structure from a file is the list's choice: it is built already.
    if (structureShown_ && structureList->currentIndex() > StructureCount && catalogue_->polyhedronItem() == 0)
        return;
    catalogue_->build();
    syncLoadedStructure();
    syncSymmetryPanel();
}
void MainWindow::eraseScene()
{
    catalogue_->erase();
    zone_.reset();
    removeLoadedStructure();
    syncSymmetryPanel();
}

void MainWindow::showZonePicture(const ZonePicture& picture)
{
    eraseScene();
    zone_ = picture.scene;
    statusLine->showMessage(picture.status);
    glPanel->update();
}
void MainWindow::nextObject()
{
    catalogue_->next();
    syncLoadedStructure();
    syncSymmetryPanel();
}
void MainWindow::previousObject()
{
    catalogue_->previous();
    syncLoadedStructure();
    syncSymmetryPanel();
}
void MainWindow::structureChosen(int item)
{
    // The item after the catalogue's is the structure from a file, shown
    // already: the catalogue has nothing chosen then.
    catalogue_->chooseStructure(item > StructureCount ? 0 : item);
    syncSymmetryPanel();
}
void MainWindow::polyhedronChosen(int item)
{
    catalogue_->choosePolyhedron(item);
    // A polyhedron chosen takes the structure shown off at once.
    if (item != 0)
        removeLoadedStructure();
    syncSymmetryPanel();
}

void MainWindow::setStructureItem(int item) { structureList->setCurrentIndex(item); }
void MainWindow::setPolyhedronItem(int item) { polyhedronList->setCurrentIndex(item); }

bool MainWindow::loadPhoto(const QString& relativePath)
{
    QString error;
    const QImage photo = LoadJpeg(QDir(programDir_).filePath(relativePath), &error);
    if (photo.isNull()) {
        showMessage(error);
        return false;
    }
    photoBox->setPicture(photo);
    return true;
}

bool MainWindow::loadInformation(const QString& relativePath)
{
    QString error;
    const auto lines = LoadInformationText(QDir(programDir_).filePath(relativePath), &error);
    if (!lines) {
        showMessage(error);
        return false;
    }
    informationMemo->setPlainText(lines->join(QLatin1Char('\n')));
    return true;
}

void MainWindow::clearPhoto() { photoBox->clear(); }
void MainWindow::clearInformation() { informationMemo->clear(); }

void MainWindow::enableStructureOptions(bool structures)
{
    photoGroup->setEnabled(structures);
    showBondsCheck->setEnabled(structures);
    showSymmetryPlanesCheck->setEnabled(!structures);
    showSymmetryAxesCheck->setEnabled(!structures);
}

void MainWindow::showMessage(const QString& text) { showMessageBox(text); }

// ---- Exit, settings, interface options ----

void MainWindow::exitProgram()
{
    if (askYesNo(QStringLiteral("Выйти из программы?")))
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

void MainWindow::applyInterfaceOptions()
{
    const std::array<QAction*, 11> items{showPreviousToolAction, showBuildToolAction, showEraseToolAction, showReferenceToolAction, showNextToolAction, showSaveToolAction, showScreenshotToolAction, showLegendToolAction, showSettingsToolAction, showHelpToolAction, showExitToolAction};
    for (std::size_t i = 0; i < items.size(); ++i)
        toolActions_[i]->setVisible(items[i]->isChecked());
    if (!settings_)
        return;
    const bool hideDetails = settings_->hideDetailsCheck->isChecked();
    photoGroup->setVisible(!hideDetails);
    informationGroup->setVisible(!hideDetails);
    sidePanel->setFixedWidth(settings_->hideSidePanelCheck->isChecked() ? 1 : SidePanelWidth);
    toolBar->setFixedWidth(settings_->showToolBarCheck->isChecked() ? ToolBarWidth : 1);
}

} // namespace vestrel
