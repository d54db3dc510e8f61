// SPDX-License-Identifier: MIT
#include "tools/render/stereogram_output.h"

#include "app/stereogram_painter.h"
#include "logic/pictures/file_io.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vestrel {

std::optional<morphology::StereoSource> StereogramSourceOf(const RenderOptions& o)
{
    if (o.inputs.crystalForm)
        return morphology::SourceOfCrystal(*o.inputs.crystalForm, o.crystalClass);
    for (int i = 0; i < SceneCount; ++i)
        if (o.inputs.scenes[static_cast<std::size_t>(i)] && IsPolyhedron(static_cast<SceneId>(i)))
            return morphology::SourceOfPolyhedron(static_cast<SceneId>(i));
    return std::nullopt;
}

std::optional<morphology::Stereogram> StereogramOf(const RenderOptions& o)
{
    const auto source = StereogramSourceOf(o);
    if (!source)
        return std::nullopt;
    const Mat3 orientation = o.stereoModel ? morphology::ViewOrientation(o.view) : morphology::StandardOrientation(*source);
    const Mat3 motion = o.inputs.chosen ? morphology::MotionAt(o.inputs.chosen->element, o.inputs.chosen->time) : Mat3::identity();
    return morphology::Project(*source, orientation, motion);
}

QByteArray StereogramJson(const std::optional<morphology::Stereogram>& s)
{
    QJsonObject root;
    if (s) {
        QJsonArray poles, axes, mirrors;
        for (const auto& p : s->poles) {
            QJsonObject pole{{"x", p.at.x}, {"y", p.at.y}, {"upper", p.upper}};
            if (!p.symbol.empty())
                pole.insert("hkl", QString::fromStdString(p.symbol));
            poles.append(pole);
        }
        for (const auto& a : s->axes)
            axes.append(QJsonObject{{"order", a.order}, {"inversion", a.inversion}, {"x", a.at.x}, {"y", a.at.y},
                                    {"both_ends", a.bothEnds}});
        for (const auto& m : s->mirrors) {
            QJsonArray points;
            for (const auto& q : m.points)
                points.append(QJsonArray{q.x, q.y});
            mirrors.append(QJsonObject{{"points", points}, {"horizontal", m.horizontal}});
        }
        root = {{"poles", poles}, {"axes", axes}, {"mirrors", mirrors}, {"centre", s->centre}};
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

int WriteStereogram(const RenderOptions& o)
{
    QTextStream err(stderr);
    const auto stereogram = StereogramOf(o);
    QString error;
    if (!o.dump.isEmpty() && !WriteFileAtomically(o.dump, StereogramJson(stereogram), &error)) {
        err << "vestrel-render: " << error << "\n";
        return 1;
    }
    if (o.out.isEmpty())
        return 0;
    StereogramLook look;
    look.wulffNet = o.wulffNet;
    look.faceSymbols = o.inputs.display.showFaceSymbols;
    look.colours = o.inputs.display;
    if (!SaveStereogram(o.out, o.size, stereogram ? &*stereogram : nullptr, look, &error)) {
        err << "vestrel-render: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace vestrel
