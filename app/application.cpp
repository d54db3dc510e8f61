// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/form1.h"
#include "app/form4.h"
#include "app/hints.h"

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
    form4_ = std::make_unique<Form4>();
    form1_ = std::make_unique<Form1>(programDir, form4_.get(), hints_.get());
    hints_->addStatusBar(form4_->stat1);
}

Application::~Application()
{
    if (qApp)
        qApp->removeEventFilter(hints_.get());
    form1_.reset();
}

void Application::show() { form1_->showMaximized(); }

} // namespace vestrel
