// SPDX-License-Identifier: MIT
// The settings window's picture options: the shaded picture and smoothing.
#include "app/settings_window.h"

#include "logic/hints.h"
#include "render/offscreen/picture_renderer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>

namespace vestrel {

namespace {

QString smoothHint(int samples)
{
    if (samples <= 0)
        return SettingsWindow::tr("Сглаживание недоступно: OpenGL этого компьютера не даёт многовыборочного буфера");
    return SettingsWindow::tr("Сглаживание краёв и линий (%1 выборки на точку) в окне и в сохраняемых рисунках").arg(samples);
}

} // namespace

QGroupBox* SettingsWindow::buildPictureGroup(QWidget* parent)
{
    pictureGroup = new QGroupBox(tr("Изображение :"), parent);
    pictureGroup->setObjectName(QStringLiteral("pictureGroup"));
    SetHint(pictureGroup, tr("Вид изображения в окне и в сохраняемых рисунках"));
    shadedCheck = new QCheckBox(tr("Объёмное изображение"), pictureGroup);
    shadedCheck->setObjectName(QStringLiteral("shadedCheck"));
    SetHint(shadedCheck, tr("Освещённые шары атомов и грани многогранников, полупрозрачные плоскости симметрии"));
    smoothCheck = new QCheckBox(tr("Сглаживание"), pictureGroup);
    smoothCheck->setObjectName(QStringLiteral("smoothCheck"));
    smoothingSamples_ = SmoothSamples;
    showSmoothingHint();
    auto* row = new QHBoxLayout(pictureGroup);
    row->addWidget(shadedCheck);
    row->addWidget(smoothCheck);
    return pictureGroup;
}

void SettingsWindow::setSmoothingSamples(int samples)
{
    if (samples <= 0)
        smoothCheck->setChecked(false);
    smoothCheck->setEnabled(samples > 0);
    smoothingSamples_ = samples;
    showSmoothingHint();
}

void SettingsWindow::showSmoothingHint() { SetHint(smoothCheck, smoothHint(smoothingSamples_)); }

} // namespace vestrel
