// SPDX-License-Identifier: MIT
#include "app/view_part.h"

#include "app/gl_panel.h"
#include "app/main_window_parts.h"
#include "logic/hints.h"
#include "logic/options.h"

#include <QCoreApplication>
#include <QApplication>
#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace vestrel {

namespace {

MouseButton toMouseButton(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return MouseButton::Left;
    if (button == Qt::RightButton)
        return MouseButton::Right;
    return MouseButton::Middle;
}

} // namespace

ViewPart::ViewPart(QWidget& window, GlPanel& panel, Options& options)
    : QObject(&window), window_(window), panel_(panel), options_(options)
{
    distanceGroup_ = named(new QGroupBox(QCoreApplication::translate("ViewPart", "Дистанция до центра: %1").arg(view_.Distance), &window), "grp2");
    distanceSlider_ = named(new QSlider(Qt::Horizontal, distanceGroup_), "TrackBar1");
    distanceSlider_->setRange(MinDistance, MaxDistance);
    distanceSlider_->setValue(view_.Distance);
    distanceSlider_->setSingleStep(3);
    distanceSlider_->setPageStep(3);
    distanceSlider_->setTickPosition(QSlider::TicksBothSides);
    distanceSlider_->setTickInterval(MaxDistance); // only the end ticks
    SetHint(distanceSlider_, QCoreApplication::translate("ViewPart", "Расстояние (в отн. единицах) до центра области построения"));
    connect(distanceSlider_, &QSlider::valueChanged, this, &ViewPart::distanceChanged);
    (new QVBoxLayout(distanceGroup_))->addWidget(distanceSlider_);

    connect(&panel_, &GlPanel::mousePressed, this, &ViewPart::mousePressed);
    connect(&panel_, &GlPanel::mouseMoved, this, &ViewPart::mouseMoved);
    connect(&panel_, &GlPanel::mouseReleased, this, &ViewPart::mouseReleased);
    qApp->installEventFilter(this);
}

ViewPart::~ViewPart() { qApp->removeEventFilter(this); }

void ViewPart::distanceChanged(int position)
{
    view_.Distance = position;
    distanceGroup_->setTitle(QCoreApplication::translate("ViewPart", "Дистанция до центра: %1").arg(position));
}

void ViewPart::retranslate() { distanceChanged(view_.Distance); }

void ViewPart::followView()
{
    if (distanceSlider_->value() != view_.Distance)
        distanceSlider_->setValue(view_.Distance);
    distanceSlider_->setVisible(!options_.kept().maxDistance);
}

void ViewPart::mousePressed(Qt::MouseButton button, int x, int y) { navigation_.mouseDown(toMouseButton(button), x, y); }

void ViewPart::mouseMoved(int x, int y)
{
    if (navigation_.mouseMove(x, y, options_.kept().invertedMouse))
        panel_.update();
}

void ViewPart::mouseReleased(Qt::MouseButton button, int, int) { navigation_.mouseUp(toMouseButton(button)); }

void ViewPart::wheelTurned(int notches)
{
    for (int i = 0; i < std::abs(notches); ++i)
        distanceSlider_->setValue(ViewNavigation::wheelNotch(distanceSlider_->value(), notches > 0));
}

bool ViewPart::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == &window_) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            wheelTurned(notches);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vestrel
