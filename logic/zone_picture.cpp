// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include "logic/zone_picture.h"

#include <cstdlib>

namespace vestrel {

namespace {

// Larger indices would make planes and directions no eye could tell apart.
constexpr int MaxPictureIndex = 1000;

QString indices(const MillerIndices& m) { return QStringLiteral("%1 %2 %3").arg(m[0]).arg(m[1]).arg(m[2]); }

ZonePictureOutcome refused(const QString& message, bool isError)
{
    ZonePictureOutcome out;
    out.message = message;
    out.isError = isError;
    return out;
}

QString describe(const ZoneScene& s)
{
    if (s.kind == ZoneScene::Kind::FacesToEdge) {
        if (s.parallel())
            return QCoreApplication::translate("ZonePicture", "Плоскости %1 и %2 параллельны и не задают зону")
                .arg(FaceSymbol(s.first), FaceSymbol(s.second));
        return QCoreApplication::translate("ZonePicture", "Ось зоны %1 — линия пересечения плоскостей %2 и %3")
            .arg(EdgeSymbol(s.product), FaceSymbol(s.first), FaceSymbol(s.second));
    }
    if (s.parallel())
        return QCoreApplication::translate("ZonePicture", "Направления %1 и %2 параллельны и не задают плоскость")
            .arg(EdgeSymbol(s.first), EdgeSymbol(s.second));
    return QCoreApplication::translate("ZonePicture", "Плоскость %1 содержит направления %2 и %3")
        .arg(FaceSymbol(s.product), EdgeSymbol(s.first), EdgeSymbol(s.second));
}

} // namespace

QString FaceSymbol(const MillerIndices& m) { return '(' + indices(m) + ')'; }
QString EdgeSymbol(const MillerIndices& m) { return '[' + indices(m) + ']'; }

ZonePictureOutcome MakeZonePicture(const SymbolInputs& inputs, SymbolMode mode, const QLocale& locale)
{
    // The calculator's own checks and messages come first.
    const ZoneLawOutcome law = ApplyZoneLaw(inputs, mode, locale);
    if (!law.computed())
        return refused(law.message, law.failure == ZoneLawFailure::InvalidNumber);

    MillerIndices first{}, second{};
    for (std::size_t i = 0; i < 3; ++i) {
        qint32 a = 0, b = 0;
        if (!ReadInteger(inputs[i], &a) || !ReadInteger(inputs[i + 3], &b))
            return refused(QCoreApplication::translate("ZonePicture", "Для построения в пространстве символы должны состоять из целых чисел."),
                           true);
        if (std::abs(a) > MaxPictureIndex || std::abs(b) > MaxPictureIndex)
            return refused(QCoreApplication::translate("ZonePicture", "Для построения в пространстве индексы должны быть не больше %1 по модулю.")
                               .arg(MaxPictureIndex),
                           true);
        first[i] = a;
        second[i] = b;
    }
    const ZoneScene scene = MakeZoneScene(
        mode == SymbolMode::Edge ? ZoneScene::Kind::FacesToEdge : ZoneScene::Kind::EdgesToFace, first, second);
    const bool face = scene.kind == ZoneScene::Kind::FacesToEdge;
    for (const MillerIndices& m : {scene.first, scene.second})
        if (m == MillerIndices{})
            return refused(QCoreApplication::translate("ZonePicture", "Символ %1 не задаёт %2.")
                               .arg(face ? FaceSymbol(m) : EdgeSymbol(m),
                                    face ? QCoreApplication::translate("ZonePicture", "плоскости") : QCoreApplication::translate("ZonePicture", "направления")),
                           false);
    return {ZonePicture{scene, describe(scene)}, QString(), false};
}

} // namespace vestrel
