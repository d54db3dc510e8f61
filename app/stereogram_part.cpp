// SPDX-License-Identifier: MIT
#include "app/stereogram_part.h"

#include "app/gl_panel.h"
#include "app/main_menus.h"
#include "app/stereogram_window.h"
#include "render/camera.h"

#include <cstdlib>

namespace vestrel {

namespace {

// A press and a release this close are a click, not a drag.
constexpr int ClickSlack = 4;

// The same solid as before, so that a marked face stays marked.
bool SameFaces(const morphology::StereoSource& a, const morphology::StereoSource& b)
{
    if (a.faces.size() != b.faces.size())
        return false;
    for (std::size_t i = 0; i < a.faces.size(); ++i)
        if (!(a.faces[i].normal == b.faces[i].normal))
            return false;
    return true;
}

} // namespace

StereogramPart::StereogramPart(QObject* parent, MainMenus& menus, GlPanel& panel, std::function<FrameInputs()> inputs,
                               std::function<ViewState()> view)
    : QObject(parent), menus_(menus), panel_(panel), inputs_(std::move(inputs)), view_(std::move(view))
{
    connect(&panel_, &GlPanel::mousePressed, this, [this](Qt::MouseButton button, int x, int y) {
        pressed_ = button == Qt::LeftButton;
        pressX_ = x;
        pressY_ = y;
    });
    connect(&panel_, &GlPanel::mouseReleased, this, [this](Qt::MouseButton button, int x, int y) {
        if (pressed_ && button == Qt::LeftButton && std::abs(x - pressX_) <= ClickSlack && std::abs(y - pressY_) <= ClickSlack)
            panelClicked(x, y);
        pressed_ = false;
    });
}

void StereogramPart::setWindow(StereogramWindow* window)
{
    window_ = window;
    menus_.enable(Command::Stereogram, true);
    menus_.bind(Command::Stereogram, [this] {
        follow();
        window_->show();
        window_->raise();
        window_->activateWindow();
    });
    connect(window_.data(), &StereogramWindow::faceClicked, this, [this](std::optional<int> face) { marked_ = face; });
}

std::optional<morphology::StereoSource> StereogramPart::SourceOf(const FrameInputs& in)
{
    if (in.crystalForm)
        return morphology::SourceOfCrystal(*in.crystalForm, in.crystalClass);
    if (in.loadedStructure)
        return std::nullopt;
    for (int i = 0; i < SceneCount; ++i)
        if (in.scenes[static_cast<std::size_t>(i)] && IsPolyhedron(static_cast<SceneId>(i)))
            return morphology::SourceOfPolyhedron(static_cast<SceneId>(i));
    return std::nullopt;
}

void StereogramPart::follow()
{
    const FrameInputs in = inputs_();
    auto source = SourceOf(in);
    if (!source || !source_ || !SameFaces(*source, *source_))
        mark(std::nullopt);
    source_ = std::move(source);
    if (!window_ || !window_->isVisible())
        return;
    StereogramInput input;
    input.source = source_;
    input.view = view_();
    input.colours = in.display;
    if (in.chosen)
        input.motion = morphology::MotionAt(in.chosen->element, in.chosen->time);
    window_->setInput(input);
    window_->markFace(marked_);
}

void StereogramPart::addMarking(FrameInputs& in) const
{
    if (marked_ && source_ && *marked_ < static_cast<int>(source_->faces.size()))
        in.markedFace = source_->faces[static_cast<std::size_t>(*marked_)].corners;
}

void StereogramPart::mark(std::optional<int> face)
{
    marked_ = face;
    if (window_)
        window_->markFace(face);
}

void StereogramPart::panelClicked(int x, int y)
{
    if (!source_)
        source_ = SourceOf(inputs_());
    if (!source_)
        return;
    // The ray from the eye through the pixel, taken back into the model frame.
    const double w = std::max(panel_.width(), 1), h = std::max(panel_.height(), 1);
    const Mat4 p = ProjectionMatrix(ViewPerspective, w / h);
    const Vec3 towardsPixel{(2 * x / w - 1) / p.at(0, 0), (1 - 2 * y / h) / p.at(1, 1), -1};
    const Mat4 toModel = ModelFrameMatrix(view_()).affineInverse();
    const Vec3 eye = toModel.apply({0, 0, 0});
    mark(morphology::FaceHitBy(*source_, eye, toModel.apply(towardsPixel) - eye));
}

} // namespace vestrel
