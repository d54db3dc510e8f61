// SPDX-License-Identifier: MIT
// The stereogram drawn with QPainter, for the window, its pictures and the
// rendering tool: the primitive, the Wulff net, the mirrors, the axis symbols
// of International Tables in the colours of the axis lists, the centre and
// the poles.
#pragma once

#include "logic/morphology/stereogram.h"
#include "scenes/display_options.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace vestrel {

extern const char* const StereogramEmptyText;

struct StereogramLook {
    bool wulffNet = false;
    bool fineNet = false;     // every 2° instead of every 10°
    bool faceSymbols = false; // the Miller symbols beside the poles
    DisplayOptions colours;   // the axis lists of the settings window
    std::optional<int> markedFace;
};

// Where the primitive circle lies in an area, and the conversions.
struct StereogramFrame {
    QPointF centre;
    double radius = 1;
    static StereogramFrame Inside(const QRectF& area);
    QPointF toPixels(morphology::StereoPoint p) const;
    morphology::StereoPoint fromPixels(QPointF p) const;
};

// Null: nothing to project, the text StereogramEmptyText in the middle.
void PaintStereogram(QPainter& painter, const QRectF& area, const morphology::Stereogram* stereogram,
                     const StereogramLook& look);

QImage StereogramImage(QSize size, const morphology::Stereogram* stereogram, const StereogramLook& look);

// A PNG or SVG file, chosen by the name's ending, complete or not at all.
bool SaveStereogram(const QString& path, QSize size, const morphology::Stereogram* stereogram,
                    const StereogramLook& look, QString* error);

} // namespace vestrel
