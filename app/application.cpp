// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/about_form.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form4.h"
#include "app/form5.h"
#include "logic/hints.h"
#include "app/form6.h"

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
    : hints_(std::make_unique<HintRouter>())
{
    qApp->installEventFilter(hints_.get());
    // The main window first, then the others, hidden, in this order.
    form1_ = std::make_unique<Form1>(programDir, nullptr, hints_.get());
    about_ = std::make_unique<AboutForm>(programDir);
    form2_ = std::make_unique<Form2>(programDir);
    form4_ = std::make_unique<Form4>();
    form5_ = std::make_unique<Form5>(programDir);
    form6_ = std::make_unique<Form6>(programDir);
    form1_->setCalculator(form6_.get());
    hints_->addStatusBar(form6_->stat1);
    form1_->setSettings(form4_.get());
    form1_->setAuxiliaryWindows(about_.get(), form2_.get(), form5_.get());
    hints_->addStatusBar(form4_->stat1);
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

void Application::show() { form1_->showMaximized(); }

} // namespace vestrel
