// SPDX-License-Identifier: MIT
// Real frames drawn offscreen in this process, and what the frame routine
// drew, recorded in eye coordinates, to find where things land on the
// picture.
#pragma once

#include "frame/frame_inputs.h"
#include "render/geometry.h"
#include "render/recording_draw.h"
#include "render/view_state.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <string>
#include <vector>

namespace vestrel::test {

constexpr QSize ProbeSize(480, 400);

// The 12 polyhedron scenes and the 18 structure scenes, in frame order.
std::vector<SceneId> PolyhedronScenes();
std::vector<SceneId> StructureScenes();
std::string SceneName(SceneId id);

// Start values with one scene switched on.
FrameInputs SceneInputs(SceneId id);

// A camera from above, which shows more faces of a solid than the start
// camera does.
ViewState ViewFromAbove();

// One frame; samples > 0 draws it multisampled.
QImage RenderFrame(const FrameInputs& in, QSize size = ProbeSize, int samples = 0, const ViewState& view = {});

// The second frame drawn after the first in one context: what the first
// leaves behind shows in the second.
QImage RenderAfter(const FrameInputs& first, const FrameInputs& second, QSize size = ProbeSize);

// One frame recorded from the identity: positions in eye coordinates.
void RecordFrame(RecordingDraw& gl, const FrameInputs& in, const ViewState& view = {});

// Where an eye-coordinate point shows on a picture of that size.
QPointF EyeToPixel(const Vec3& eye, QSize size);

// The mean colour of the (2r+1)^2 pixels around p.
QColor MeanAround(const QImage& image, QPointF p, int r = 1);
// r + g + b, 0 to 765.
int Brightness(const QColor& c);
// The largest difference of one channel.
int ChannelDistance(const QColor& a, const QColor& b);

// A face as drawn: its corners in eye coordinates and its colour.
struct DrawnFace {
    std::vector<Vec3> corners;
    Colour colour;
    Vec3 centroid() const;
    Vec3 normal() const; // unit, pointing away from `inside`
};

// The faces of the solid (primitives named Faces), each normal turned away
// from the centre of all their corners.
std::vector<DrawnFace> SolidFaces(const RecordingDraw& gl);
// Whether the face turns towards the eye (which is at the origin).
bool FacesTheEye(const DrawnFace& face);

// The mirror planes as drawn (primitives named MirrorPlanes), as faces.
std::vector<DrawnFace> MirrorPlanes(const RecordingDraw& gl);
// The planes that the line of sight from the eye to p crosses before p.
// *touching tells whether a plane passes through p or close to it (where
// plane and face fight for the pixel).
std::vector<const DrawnFace*> PlanesInFront(const std::vector<DrawnFace>& planes, const Vec3& p, bool* touching);
// Points inside a face, away from its edges.
std::vector<Vec3> InnerPoints(const DrawnFace& face);

// Mean of the absolute differences of all channels of two pictures of one
// size, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b);

} // namespace vestrel::test
