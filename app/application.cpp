// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/about_window.h"
#include "app/interface_language.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/legend_window.h"
#include "app/settings_window.h"
#include "app/reference_window.h"
#include "logic/hints.h"
#include "logic/options.h"
#include "app/calculator_window.h"
#include "app/powder_window.h"
#include "app/stereogram_window.h"
#include "app/window_settings.h"
#include "logic/zone_picture.h"
#include "logic/picture_commands.h"
#include "logic/picture_folders.h"

#include <QApplication>
#include <QFileInfo>
#include <QSurfaceFormat>

namespace vestrel {

void PrepareApplication()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

Application::Application(const QString& programDir)
    : Application(DataLocation{programDir, true, false, {programDir}})
{
}

Application::Application(const DataLocation& data)
    : hints_(std::make_unique<HintRouter>()), options_(std::make_unique<Options>())
{
    const QString& programDir = data.folder;
    qApp->installEventFilter(hints_.get());
    // The main window first, then the others, hidden, in this order.
    mainWindow_ = std::make_unique<MainWindow>(programDir, *options_, hints_.get());
    about_ = std::make_unique<AboutWindow>(programDir);
    legend_ = std::make_unique<LegendWindow>(programDir);
    settings_ = std::make_unique<SettingsWindow>(options_.get());
    reference_ = std::make_unique<ReferenceWindow>(programDir);
    calculator_ = std::make_unique<CalculatorWindow>(programDir);
    powder_ = std::make_unique<PowderWindow>();
    mainWindow_->setPowderWindow(powder_.get());
    stereogram_ = std::make_unique<StereogramWindow>();
    mainWindow_->setStereogramWindow(stereogram_.get());
    mainWindow_->setCalculator(calculator_.get());
    calculator_->showInSpace = [this](const ZonePicture& picture) { mainWindow_->showZonePicture(picture); };
    hints_->addStatusBar(calculator_->statusLine);
    mainWindow_->setSettings(settings_.get());
    mainWindow_->setAuxiliaryWindows(about_.get(), legend_.get(), reference_.get());
    hints_->addStatusBar(settings_->statusLine);
    const PictureFolders folders(data.folder, data.installed);
    mainWindow_->pictures().setFolders(folders);
    calculator_->setPictureFolders(folders);
    QObject::connect(settings_.get(), &SettingsWindow::resetRequested, settings_.get(), [this] { resetSettings(); });
}

Application::~Application()
{
    if (qApp)
        qApp->removeEventFilter(hints_.get());
    stereogram_.reset();
    powder_.reset();
    calculator_.reset();
    reference_.reset();
    settings_.reset();
    legend_.reset();
    about_.reset();
    mainWindow_.reset();
}

void Application::show()
{
    if (maximized_)
        mainWindow_->showMaximized();
    else
        mainWindow_->showNormal();
}

KeptSettings Application::keptSettings()
{
    KeptSettings kept = CollectSettings(*mainWindow_);
    kept.language = chosenLanguage_;
    return kept;
}

void Application::setInterfaceLanguage(InterfaceLanguage& language)
{
    language_ = &language;
    const auto choose = [this](Language chosen) {
        chosenLanguage_ = chosen;
        language_->setLanguage(chosen);
        mainWindow_->showLanguage(chosen);
    };
    mainWindow_->bindLanguageChoice(choose);
    QObject::connect(&language, &InterfaceLanguage::changed, mainWindow_.get(), [this] {
        about_->reloadPictures();
        legend_->reloadPictures();
        reference_->reloadPictures();
    });
    mainWindow_->showLanguage(language.language());
}

void Application::restoreSettings(const KeptSettings& kept)
{
    if (kept.language)
        chosenLanguage_ = kept.language;
    ApplySettings(kept, *mainWindow_);
    maximized_ = kept.maximized;
    if (mainWindow_->isVisible())
        show();
}

void Application::openCommandLineFiles(const QStringList& files)
{
    if (!files.isEmpty())
        mainWindow_->openStructureFile(QFileInfo(files.constFirst()).absoluteFilePath());
}

void Application::resetSettings()
{
    restoreSettings(KeptSettings{});
}

} // namespace vestrel
