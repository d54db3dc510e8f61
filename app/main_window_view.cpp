// SPDX-License-Identifier: MIT
// The main window's frames and the mouse: reading the controls into the
// frame's inputs, drawing a frame, turning, shifting and the distance.
#include "app/main_window.h"

#include "app/colour_list.h"
#include "app/gl_panel.h"
#include "app/settings_window.h"
#include "frame/frame.h"
#include "logic/cif/loaded_structure.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QWheelEvent>

#include <algorithm>

namespace vestrel {

// ---- Frames and view navigation ----

FrameInputs MainWindow::readFrameInputs() const
{
    FrameInputs in;
    in.autoRotate = autoRotateCheck->isChecked();
    in.maxDistance = settings_ && settings_->maxDistanceCheck->isChecked();
    in.planeXZ = planeXZCheck->isChecked();
    in.planeYZ = planeYZCheck->isChecked();
    in.planeXY = planeXYCheck->isChecked();
    in.axisOX = axisOXCheck->isChecked();
    in.axisOZ = axisOZCheck->isChecked();
    in.axisOY = axisOYCheck->isChecked();
    in.menus = {axesRedAction->isChecked(), axesGreenAction->isChecked(), axesBlueAction->isChecked(), planesWhiteAction->isChecked(),
                planesRedAction->isChecked(), planesGreenAction->isChecked(), planesBlueAction->isChecked()};
    in.scenes = catalogue_->sceneFlags();
    in.zone = zone_;
    in.loadedStructure = structureShown_ ? &loaded_->sceneData() : nullptr;
    in.chosen = symmetry_.frameElement();
    DisplayOptions& d = in.display;
    d.showLines = showBondsCheck->isChecked();
    d.showScrewAxes = showScrewAxesCheck->isChecked();
    d.showSymPlanes = showSymmetryPlanesCheck->isChecked();
    d.showSymAxes = showSymmetryAxesCheck->isChecked();
    if (settings_) {
        d.solidFaces = settings_->solidFacesRadio->isChecked();
        d.axisColour2 = settings_->axisOrder2ColourList->itemIndex();
        d.axisColour3 = settings_->axisOrder3ColourList->itemIndex();
        d.axisColour4 = settings_->axisOrder4ColourList->itemIndex();
        d.axisColour6 = settings_->axisOrder6ColourList->itemIndex();
        d.screwColour = settings_->screwAxisColourList->itemIndex();
        in.shaded = settings_->shadedCheck->isChecked();
        in.smooth = settings_->smoothCheck->isChecked() && settings_->smoothCheck->isEnabled();
    }
    return in;
}

void MainWindow::nextFrame() { glPanel->tick(); }

void MainWindow::connectPictureOptions()
{
    if (!settings_)
        return;
    connect(settings_->smoothCheck, &QCheckBox::toggled, glPanel, &GlPanel::setSmooth, Qt::UniqueConnection);
    connect(glPanel, &GlPanel::samplesKnown, settings_, &SettingsWindow::setSmoothingSamples, Qt::UniqueConnection);
    if (glPanel->availableSamples() >= 0)
        settings_->setSmoothingSamples(glPanel->availableSamples());
    glPanel->setSmooth(settings_->smoothCheck->isChecked() && settings_->smoothCheck->isEnabled());
}

void MainWindow::drawFrame(Draw& gl, bool tick)
{
    view_.Distance = distanceSlider->value();
    if (zone_ && std::ranges::any_of(catalogue_->sceneFlags(), [](bool on) { return on; }))
        zone_.reset();
    syncSymmetryPanel();
    if (tick)
        advanceSymmetryOperation();
    const bool trackBarVisible = DrawFrame(gl, readFrameInputs(), view_, tick);
    if (distanceSlider->value() != view_.Distance)
        distanceSlider->setValue(view_.Distance);
    distanceSlider->setVisible(trackBarVisible);
}

QImage MainWindow::renderPicture(QSize size)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FrameInputs in = readFrameInputs();
    ViewState view = view_;
    const QImage picture = glPanel->renderPicture(size, [&](Draw& gl) { DrawFrame(gl, in, view, false); });
    QApplication::restoreOverrideCursor();
    return picture;
}

void MainWindow::distanceChanged(int position)
{
    view_.Distance = position;
    distanceGroup->setTitle(QStringLiteral("Дистанция до центра: %1").arg(position));
}

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

void MainWindow::panelMousePressed(Qt::MouseButton button, int x, int y) { navigation_.mouseDown(toMouseButton(button), x, y); }

void MainWindow::panelMouseMoved(int x, int y)
{
    const bool inverted = settings_ && settings_->invertedMouseRadio->isChecked();
    if (navigation_.mouseMove(x, y, inverted))
        glPanel->update();
}

void MainWindow::panelMouseReleased(Qt::MouseButton button, int, int) { navigation_.mouseUp(toMouseButton(button)); }

void MainWindow::wheelTurned(int notches)
{
    for (int i = 0; i < std::abs(notches); ++i)
        distanceSlider->setValue(ViewNavigation::wheelNotch(distanceSlider->value(), notches > 0));
}

// The wheel belongs to the whole main window while it is active, whatever
// control is under the mouse.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            wheelTurned(notches);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vestrel
