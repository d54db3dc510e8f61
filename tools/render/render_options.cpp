// SPDX-License-Identifier: MIT
#include "tools/render/render_options.h"

#include "logic/morphology/face_symbol.h"
#include "scenes/scene_registry.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vestrel {

namespace {

bool parseOnOff(const QString& value, bool* out)
{
    if (value == QLatin1String("on"))
        *out = true;
    else if (value == QLatin1String("off"))
        *out = false;
    else
        return false;
    return true;
}

bool parseDouble(const QString& value, double* out)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (ok)
        *out = v;
    return ok;
}

bool parseInt(const QString& value, int* out, int lo, int hi)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

// "structure:K" (list item 1..18 of the structure list), "polyhedron:K"
// (1..12 of the polyhedron list) or "none".
bool parseScene(const QString& value, SceneFlags* flags)
{
    flags->fill(false);
    if (value == QLatin1String("none"))
        return true;
    static const SceneId structures[18] = {
        SceneId::RockSalt, SceneId::Cuprite, SceneId::Diamond, SceneId::Graphite,
        SceneId::CaesiumChloride, SceneId::Sphalerite, SceneId::Wurtzite, SceneId::AlphaIron,
        SceneId::GammaIron, SceneId::Chalcopyrite, SceneId::BoronNitride, SceneId::CadmiumIodide,
        SceneId::Pyrite, SceneId::Fluorite, SceneId::Magnesium, SceneId::Rutile, SceneId::Copper,
        SceneId::Calcite};
    static const SceneId polyhedra[12] = {
        SceneId::Cube, SceneId::Tetrahedron, SceneId::TetragonalPrism, SceneId::TrigonalPrism,
        SceneId::TrigonalPyramid, SceneId::TrigonalBipyramid, SceneId::Octahedron,
        SceneId::TetragonalPyramid, SceneId::HexagonalPyramid, SceneId::HexagonalPrism,
        SceneId::HexagonalBipyramid, SceneId::DitrigonalPyramid};
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return false;
    int k = 0;
    if (parts[0] == QLatin1String("structure") && parseInt(parts[1], &k, 1, 18))
        (*flags)[index(structures[k - 1])] = true;
    else if (parts[0] == QLatin1String("polyhedron") && parseInt(parts[1], &k, 1, 12))
        (*flags)[index(polyhedra[k - 1])] = true;
    else
        return false;
    return true;
}

bool parseNames(const QString& value, const QStringList& known, QList<bool*> targets)
{
    for (bool* t : targets)
        *t = false;
    if (value.isEmpty() || value == QLatin1String("none"))
        return true;
    for (const QString& name : value.split(QLatin1Char(','))) {
        const int i = known.indexOf(name);
        if (i < 0)
            return false;
        *targets[i] = true;
    }
    return true;
}

bool parseAxisColour(const QString& value, AuxiliaryColourMenus* m)
{
    return parseNames(value, {"red", "green", "blue"}, {&m->axesRed, &m->axesGreen, &m->axesBlue})
        && !value.contains(QLatin1Char(','));
}

bool parsePlaneColour(const QString& value, AuxiliaryColourMenus* m)
{
    return parseNames(value, {"white", "red", "green", "blue"},
                      {&m->planesWhite, &m->planesRed, &m->planesGreen, &m->planesBlue})
        && !value.contains(QLatin1Char(','));
}

bool parseAxisLists(const QString& value, DisplayOptions* d)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    int* lists[4] = {&d->axisColour2, &d->axisColour3, &d->axisColour4, &d->axisColour6};
    for (int i = 0; i < 4; ++i)
        if (!parseInt(parts[i], lists[i], -1, 4))
            return false;
    return true;
}

// "h1,k1,l1:h2,k2,l2": two symbols of three integers each.
bool parseZone(const QString& value, ZoneScene::Kind kind, std::optional<ZoneScene>* zone)
{
    const QStringList symbols = value.split(QLatin1Char(':'));
    if (symbols.size() != 2)
        return false;
    std::array<MillerIndices, 2> m{};
    for (std::size_t s = 0; s < 2; ++s) {
        const QStringList parts = symbols[static_cast<qsizetype>(s)].split(QLatin1Char(','));
        if (parts.size() != 3)
            return false;
        for (std::size_t i = 0; i < 3; ++i)
            if (!parseInt(parts[static_cast<qsizetype>(i)], &m[s][i], -1000, 1000))
                return false;
    }
    *zone = MakeZoneScene(kind, m[0], m[1]);
    return true;
}

// Element n (1-based) of the built polyhedron's list of symmetry elements,
// its operation carried out to time t.
bool chooseOperation(int n, double t, FrameInputs* in, QString* error)
{
    for (int i = 0; i < SceneCount; ++i) {
        const auto id = static_cast<SceneId>(i);
        if (!in->scenes[static_cast<std::size_t>(i)] || !IsPolyhedron(id))
            continue;
        const auto elements = polyhedra::SymmetryOperationsOf(id);
        if (n > static_cast<int>(elements.size())) {
            *error = QStringLiteral("--operation %1: the polyhedron has %2 elements of symmetry").arg(n).arg(elements.size());
            return false;
        }
        in->chosen = ChosenSymmetryElement{elements[static_cast<std::size_t>(n - 1)], t, polyhedra::PolyhedronCircumradius(id)};
        return true;
    }
    *error = QStringLiteral("--operation needs a polyhedron: --scene polyhedron:K");
    return false;
}

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// "h,k,l[,d]", or "h,k,i,l[,d]" in a hexagonal class.
bool parseForm(const QString& value, bool hexagonal, morphology::FormSpec* form, QString* error)
{
    QStringList parts = value.split(QLatin1Char(','));
    const qsizetype indices = hexagonal ? 4 : 3;
    if (parts.size() == indices + 1) {
        bool ok = false;
        form->distance = parts.takeLast().toDouble(&ok);
        if (!ok || !(form->distance > 0) || form->distance > 1000) {
            *error = QCoreApplication::translate("RenderOptions", "--form %1: расстояние грани от центра должно быть положительным числом").arg(value);
            return false;
        }
    }
    const auto face = morphology::ParseFaceSymbol(parts.join(QLatin1Char(' ')).toStdString(), hexagonal);
    if (const auto* bad = std::get_if<morphology::FaceSymbolError>(&face)) {
        *error = QStringLiteral("--form %1: ").arg(value) + Utf8(bad->message);
        return false;
    }
    form->face = std::get<morphology::IntVector>(face);
    return true;
}

bool buildCrystal(const QString& classText, const QStringList& formTexts, RenderOptions* o, QString* error)
{
    const auto number = morphology::FindClass(classText.toStdString());
    if (!number) {
        *error = QCoreApplication::translate("RenderOptions", "--class %1: нет такого вида симметрии (номер от 1 до 32 или международный символ, "
                                "например -43m, 4/mmm, 6/mmm)").arg(classText);
        return false;
    }
    const bool hexagonal = morphology::UsesHexagonalAxes(morphology::ClassInfo(*number).system);
    morphology::Combination combination(*number);
    if (formTexts.size() > morphology::Combination::MaxForms) {
        *error = QCoreApplication::translate("RenderOptions", "--form: не больше трёх форм в комбинации");
        return false;
    }
    for (const QString& text : formTexts) {
        morphology::FormSpec form;
        if (!parseForm(text, hexagonal, &form, error))
            return false;
        combination.addForm(form.face, form.distance);
    }
    auto built = std::make_shared<morphology::BuiltCrystal>(combination.build());
    o->inputs.crystalForm = &built->scene;
    o->crystalClass = *number;
    o->crystal = std::move(built);
    return true;
}

} // namespace

QString RenderUsage()
{
    return QStringLiteral(
        "usage: vestrel-render --out FILE.png | --dump FILE.json [--size 900x750]\n"
        "  [--scene structure:K|polyhedron:K|none]\n"
        "  [--rot-y -30] [--rot-x 0] [--pan 0,-2] [--distance 60] [--frames 1] [--spin on|off]\n"
        "  [--axes ox,oz,oy] [--planes xz,yz,xy] [--axis-colour red|green|blue]\n"
        "  [--plane-colour white|red|green|blue] [--max-distance on|off]\n"
        "  [--lines on|off] [--screw on|off] [--screw-colour N]\n"
        "  [--zone h1,k1,l1:h2,k2,l2 | --zone-edges u1,v1,w1:u2,v2,w2] [--operation N [--at 0..1]]\n"
        "  [--faces solid|edges] [--sym-planes on|off] [--sym-axes on|off] [--axis-lists I2,I3,I4,I6]\n"
        "  [--cif FILE.cif [--cells N]] [--class K [--form h,k,l[,d]]... [--face-symbols on|off]]\n"
        "  [--shaded on|off] [--smooth on|off] [--time-limit 300]\n"
        "  [--export FILE.glb|FILE.stl|FILE.obj [--printable on|off] [--print-size 100]]\n"
        "  [--stereogram [--stereo-mode standard|model] [--wulff on|off]]   (the stereographic projection)\n"
        "usage: vestrel-render --cif FILE.cif --describe [--polyhedra on [--polyhedra-centres El,El]] [--plane h,k,l]...\n"
        "usage: vestrel-render --cif FILE.cif [--pick X,Y] [--measure X1,Y1:X2,Y2[:X3,Y3]] [--out FILE.png|--dump FILE.json]\n"
        "usage: vestrel-render --cif FILE.cif --powder [--wavelength 1.54056] [--range 5,90]\n"
        "usage: vestrel-render --class K [--form h,k,l[,d]]... --describe\n"
        "  K: 1..32 or an international symbol with - for the bar (-43m, 4/mmm);\n"
        "  hexagonal classes: --form h,k,i,l[,d]\n"

        "usage: vestrel-render --library   (file, Russian name and space-group number of each library file)\n"
        "  --lang ru|en before any of these: the texts printed in Russian (the default) or English");
}

bool parsePoint(const QString& value, QPointF* out)
{
    const QStringList xy = value.split(QLatin1Char(','));
    double x = 0, y = 0;
    if (xy.size() != 2 || !parseDouble(xy[0], &x) || !parseDouble(xy[1], &y))
        return false;
    *out = QPointF(x, y);
    return true;
}

bool parsePoints(const QString& value, QList<QPointF>* out)
{
    const QStringList points = value.split(QLatin1Char(':'));
    if (points.size() < 2 || points.size() > 3)
        return false;
    for (const QString& p : points) {
        QPointF point;
        if (!parsePoint(p, &point))
            return false;
        out->append(point);
    }
    return true;
}

bool parseLatticePlane(const QString& value, QList<std::array<int, 3>>* out)
{
    const QStringList parts = value.split(QLatin1Char(','));
    std::array<int, 3> hkl{};
    if (parts.size() != 3)
        return false;
    for (int k = 0; k < 3; ++k)
        if (!parseInt(parts[k], &hkl[static_cast<std::size_t>(k)], -20, 20))
            return false;
    if (hkl == std::array<int, 3>{0, 0, 0})
        return false;
    out->append(hkl);
    return true;
}

std::optional<RenderOptions> ParseRenderOptions(const QStringList& args, QString* error)
{
    int operation = 0; // element N of the built polyhedron's list, 1-based
    QString crystalClass;
    QStringList crystalForms;
    double at = 0;
    RenderOptions o;
    FrameInputs& in = o.inputs;
    DisplayOptions& d = in.display;
    for (int i = 0; i < args.size(); ++i) {
        const QString& key = args[i];
        if (key == QLatin1String("--powder")) {
            o.powder = true;
            continue;
        }
        if (key == QLatin1String("--describe")) {
            o.describe = true;
            continue;
        }
        if (key == QLatin1String("--library")) {
            o.library = true;
            continue;
        }
        if (key == QLatin1String("--stereogram")) {
            o.stereogram = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            *error = QStringLiteral("missing value after %1").arg(key);
            return std::nullopt;
        }
        const QString value = args[++i];
        bool ok = true;
        if (key == QLatin1String("--out")) {
            o.out = value;
        } else if (key == QLatin1String("--export")) {
            o.exportPath = value;
            ok = !value.isEmpty();
        } else if (key == QLatin1String("--printable")) {
            ok = parseOnOff(value, &o.printable);
        } else if (key == QLatin1String("--print-size")) {
            ok = parseDouble(value, &o.printSize) && o.printSize >= 10 && o.printSize <= 1000;
        } else if (key == QLatin1String("--dump")) {
            o.dump = value;
        } else if (key == QLatin1String("--size")) {
            const auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(value);
            ok = m.hasMatch() && m.captured(1).toInt() > 0 && m.captured(2).toInt() > 0
                && m.captured(1).toInt() <= 8192 && m.captured(2).toInt() <= 8192;
            if (ok)
                o.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (key == QLatin1String("--scene")) {
            ok = parseScene(value, &in.scenes);
        } else if (key == QLatin1String("--rot-y")) {
            ok = parseDouble(value, &o.view.RotY);
        } else if (key == QLatin1String("--rot-x")) {
            ok = parseDouble(value, &o.view.RotX);
        } else if (key == QLatin1String("--pan")) {
            const QStringList xy = value.split(QLatin1Char(','));
            ok = xy.size() == 2 && parseDouble(xy[0], &o.view.PanX) && parseDouble(xy[1], &o.view.PanY);
        } else if (key == QLatin1String("--distance")) {
            ok = parseInt(value, &o.view.Distance, MinDistance, MaxDistance);
        } else if (key == QLatin1String("--frames")) {
            ok = parseInt(value, &o.frames, 1, 100000);
        } else if (key == QLatin1String("--time-limit")) {
            ok = parseInt(value, &o.timeLimit, 1, 86400);
        } else if (key == QLatin1String("--spin")) {
            ok = parseOnOff(value, &in.autoRotate);
        } else if (key == QLatin1String("--max-distance")) {
            ok = parseOnOff(value, &in.maxDistance);
        } else if (key == QLatin1String("--axes")) {
            ok = parseNames(value, {"ox", "oz", "oy"}, {&in.axisOX, &in.axisOZ, &in.axisOY});
        } else if (key == QLatin1String("--planes")) {
            ok = parseNames(value, {"xz", "yz", "xy"}, {&in.planeXZ, &in.planeYZ, &in.planeXY});
        } else if (key == QLatin1String("--axis-colour")) {
            ok = parseAxisColour(value, &in.menus);
        } else if (key == QLatin1String("--plane-colour")) {
            ok = parsePlaneColour(value, &in.menus);
        } else if (key == QLatin1String("--lines")) {
            ok = parseOnOff(value, &d.showLines);
        } else if (key == QLatin1String("--screw")) {
            ok = parseOnOff(value, &d.showScrewAxes);
        } else if (key == QLatin1String("--screw-colour")) {
            ok = parseInt(value, &d.screwColour, -1, 3);
        } else if (key == QLatin1String("--faces")) {
            ok = value == QLatin1String("solid") || value == QLatin1String("edges");
            d.solidFaces = value == QLatin1String("solid");
        } else if (key == QLatin1String("--sym-planes")) {
            ok = parseOnOff(value, &d.showSymPlanes);
        } else if (key == QLatin1String("--sym-axes")) {
            ok = parseOnOff(value, &d.showSymAxes);
        } else if (key == QLatin1String("--zone") || key == QLatin1String("--zone-edges")) {
            const auto kind = key == QLatin1String("--zone") ? ZoneScene::Kind::FacesToEdge
                                                             : ZoneScene::Kind::EdgesToFace;
            ok = parseZone(value, kind, &in.zone);
        } else if (key == QLatin1String("--operation")) {
            ok = parseInt(value, &operation, 1, 1000);
        } else if (key == QLatin1String("--at")) {
            ok = parseDouble(value, &at) && at >= 0 && at <= 1;
        } else if (key == QLatin1String("--axis-lists")) {
            ok = parseAxisLists(value, &d);
        } else if (key == QLatin1String("--cif")) {
            o.cif = value;
            ok = !value.isEmpty();
        } else if (key == QLatin1String("--wavelength")) {
            ok = parseDouble(value, &o.wavelength);
        } else if (key == QLatin1String("--range")) {
            const QStringList range = value.split(QLatin1Char(','));
            ok = range.size() == 2 && parseDouble(range[0], &o.twoThetaFrom) && parseDouble(range[1], &o.twoThetaTo);
        } else if (key == QLatin1String("--cells")) {
            ok = parseInt(value, &o.cells, 1, 100);
        } else if (key == QLatin1String("--pick")) {
            QPointF p;
            ok = parsePoint(value, &p);
            o.pick = p;
        } else if (key == QLatin1String("--measure")) {
            o.measure.clear();
            ok = parsePoints(value, &o.measure);
        } else if (key == QLatin1String("--polyhedra")) {
            ok = parseOnOff(value, &o.polyhedra);
        } else if (key == QLatin1String("--polyhedra-centres")) {
            o.polyhedraCentres = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
            ok = !o.polyhedraCentres.isEmpty();
        } else if (key == QLatin1String("--plane")) {
            ok = parseLatticePlane(value, &o.latticePlanes);
        } else if (key == QLatin1String("--class")) {
            crystalClass = value;
        } else if (key == QLatin1String("--form")) {
            crystalForms << value;
        } else if (key == QLatin1String("--face-symbols")) {
            ok = parseOnOff(value, &d.showFaceSymbols);
        } else if (key == QLatin1String("--stereo-mode")) {
            ok = value == QLatin1String("standard") || value == QLatin1String("model");
            o.stereoModel = value == QLatin1String("model");
        } else if (key == QLatin1String("--wulff")) {
            ok = parseOnOff(value, &o.wulffNet);
        } else if (key == QLatin1String("--shaded")) {
            ok = parseOnOff(value, &in.shaded);
        } else if (key == QLatin1String("--smooth")) {
            ok = parseOnOff(value, &in.smooth);
        } else {
            *error = QStringLiteral("unknown option %1").arg(key);
            return std::nullopt;
        }
        if (!ok) {
            *error = QStringLiteral("bad value for %1: %2").arg(key, value);
            return std::nullopt;
        }
    }
    if (!crystalForms.isEmpty() && crystalClass.isEmpty()) {
        *error = QStringLiteral("--form needs --class K");
        return std::nullopt;
    }
    if (!crystalClass.isEmpty() && !buildCrystal(crystalClass, crystalForms, &o, error))
        return std::nullopt;
    if (operation > 0 && o.crystal) {
        const auto& elements = o.crystal->elements;
        if (operation > static_cast<int>(elements.size())) {
            *error = QStringLiteral("--operation %1: the class has %2 elements of symmetry").arg(operation).arg(elements.size());
            return std::nullopt;
        }
        in.chosen = ChosenSymmetryElement{elements[static_cast<std::size_t>(operation - 1)], at, o.crystal->extent};
    } else if (operation > 0 && !chooseOperation(operation, at, &in, error)) {
        return std::nullopt;
    }
    if (o.describe && o.cif.isEmpty() && !o.crystal) {
        *error = QStringLiteral("--describe needs --cif FILE.cif or --class K");
        return std::nullopt;
    }
    if (o.powder && o.cif.isEmpty()) {
        *error = QStringLiteral("--powder needs --cif FILE.cif");
        return std::nullopt;
    }
    if (!o.exportPath.isEmpty() && !o.exportPath.endsWith(QLatin1String(".glb"), Qt::CaseInsensitive)
        && !o.exportPath.endsWith(QLatin1String(".stl"), Qt::CaseInsensitive)
        && !o.exportPath.endsWith(QLatin1String(".obj"), Qt::CaseInsensitive)) {
        *error = QStringLiteral("--export needs a name ending in .glb, .stl or .obj");
        return std::nullopt;
    }
    const bool asks = o.pick || !o.measure.isEmpty();
    if (asks && o.cif.isEmpty()) {
        *error = QStringLiteral("--pick and --measure need --cif FILE.cif");
        return std::nullopt;
    }
    if (o.out.isEmpty() && o.dump.isEmpty() && o.exportPath.isEmpty() && !o.describe && !o.powder && !o.library
        && !asks) {
        *error = QStringLiteral("--out FILE.png, --dump FILE.json or --export FILE.glb|.stl|.obj is required");
        return std::nullopt;
    }
    return o;
}

} // namespace vestrel
