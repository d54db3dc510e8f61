// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/about_window.h"
#include "app/main_window.h"
#include "app/legend_window.h"
#include "app/settings_window.h"
#include "app/reference_window.h"
#include "logic/hints.h"
#include "app/calculator_window.h"
#include "app/window_settings.h"
#include "logic/picture_commands.h"
#include "logic/picture_folders.h"

#include <QApplication>
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
    : hints_(std::make_unique<HintRouter>())
{
    const QString& programDir = data.folder;
    qApp->installEventFilter(hints_.get());
    // The main window first, then the others, hidden, in this order.
    form1_ = std::make_unique<MainWindow>(programDir, nullptr, hints_.get());
    about_ = std::make_unique<AboutWindow>(programDir);
    form2_ = std::make_unique<LegendWindow>(programDir);
    form4_ = std::make_unique<SettingsWindow>();
    form5_ = std::make_unique<ReferenceWindow>(programDir);
    form6_ = std::make_unique<CalculatorWindow>(programDir);
    form1_->setCalculator(form6_.get());
    hints_->addStatusBar(form6_->statusLine);
    form1_->setSettings(form4_.get());
    form1_->setAuxiliaryWindows(about_.get(), form2_.get(), form5_.get());
    hints_->addStatusBar(form4_->statusLine);
    const PictureFolders folders(data.folder, data.installed);
    form1_->pictures().setFolders(folders);
    form6_->setPictureFolders(folders);
    QObject::connect(form4_.get(), &SettingsWindow::resetRequested, form4_.get(), [this] { resetSettings(); });
}

Application::~Application()
{
    if (qApp)
        qApp->removeEventFilter(hints_.get());
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form2_.reset();
    about_.reset();
    form1_.reset();
}

void Application::show()
{
    if (maximized_)
        form1_->showMaximized();
    else
        form1_->showNormal();
}

KeptSettings Application::keptSettings() { return CollectSettings(*form1_, *form4_); }

void Application::restoreSettings(const KeptSettings& kept)
{
    ApplySettings(kept, *form1_, *form4_);
    maximized_ = kept.maximized;
    if (form1_->isVisible())
        show();
}

void Application::resetSettings()
{
    restoreSettings(KeptSettings{});
}

} // namespace vestrel
