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
        return QStringLiteral("Сглаживание недоступно: OpenGL этого компьютера не даёт многовыборочного буфера");
    return QStringLiteral("Сглаживание краёв и линий (%1 выборки на точку) в окне и в сохраняемых рисунках").arg(samples);
}

} // namespace

QGroupBox* SettingsWindow::buildPictureGroup(QWidget* parent)
{
    pictureGroup = new QGroupBox(QStringLiteral("Изображение :"), parent);
    pictureGroup->setObjectName(QStringLiteral("pictureGroup"));
    SetHint(pictureGroup, QStringLiteral("Вид изображения в окне и в сохраняемых рисунках"));
    shadedCheck = new QCheckBox(QStringLiteral("Объёмное изображение"), pictureGroup);
    shadedCheck->setObjectName(QStringLiteral("shadedCheck"));
    SetHint(shadedCheck, QStringLiteral("Освещённые шары атомов и грани многогранников, полупрозрачные плоскости симметрии"));
    smoothCheck = new QCheckBox(QStringLiteral("Сглаживание"), pictureGroup);
    smoothCheck->setObjectName(QStringLiteral("smoothCheck"));
    SetHint(smoothCheck, smoothHint(SmoothSamples));
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
    SetHint(smoothCheck, smoothHint(samples));
}

} // namespace vestrel
