// SPDX-License-Identifier: MIT
#include "tools/render/structure_tools_cli.h"
#include "logic/text/translate.h"

#include "logic/cif/elements.h"

namespace vestrel {

namespace {

int Pick(const RenderOptions& o, const cif::LoadedStructure& s, const QPointF& p)
{
    return cif::PickAtom(s, o.view, o.size.width(), o.size.height(), p.x(), p.y());
}

std::vector<int> Centres(const RenderOptions& o, const cif::LoadedStructure& s)
{
    std::vector<int> centres;
    for (const QString& symbol : o.polyhedraCentres)
        if (const int z = cif::AtomicNumberOf(symbol.toStdString()); z > 0)
            centres.push_back(z);
    return centres.empty() ? cif::CationElements(s.crystal()) : centres;
}

StructureDumpNames Names(const cif::LoadedStructure& s, const structures::StructureOverlay& overlay,
                         const cif::ToolRequest& request)
{
    StructureDumpNames names;
    for (std::size_t i = 0; i < s.block().atoms.size(); ++i) {
        const cif::BlockAtom& a = s.block().atoms[i];
        names.atoms.push_back({cif::AtomInModel(s, static_cast<int>(i)), cif::ElementSymbol(a.element),
                               s.crystal().sites[static_cast<std::size_t>(a.site)].label});
    }
    names.polyhedronCentres = overlay.polyhedronCentres;
    names.planes = request.planes;
    return names;
}

} // namespace

StructureToolsRun RunStructureTools(const RenderOptions& o, const cif::LoadedStructure& s)
{
    StructureToolsRun run;
    if (o.pick) {
        const int atom = Pick(o, s, *o.pick);
        run.printed += (atom < 0 ? std::string(VT("StructureTools", "нет атома")) : cif::AtomLine(s, atom)) + "\n";
        if (atom >= 0)
            run.request.picked.push_back(atom);
    }
    if (!o.measure.isEmpty()) {
        std::vector<int> atoms;
        for (const QPointF& p : o.measure)
            atoms.push_back(Pick(o, s, p));
        const bool all = std::find(atoms.begin(), atoms.end(), -1) == atoms.end();
        run.printed += (all ? cif::MeasurementLine(s, atoms) : std::string(VT("StructureTools", "нет атома"))) + "\n";
        if (all)
            run.request.picked = atoms;
    }
    run.request.polyhedra = o.polyhedra;
    run.request.centres = Centres(o, s);
    for (const auto& hkl : o.latticePlanes)
        run.request.planes.push_back(hkl);
    run.overlay = cif::MakeOverlay(s, run.request);
    run.names = Names(s, run.overlay, run.request);
    return run;
}

std::string DescribeStructureTools(const RenderOptions& o, const cif::LoadedStructure& s)
{
    std::string text;
    if (o.polyhedra)
        for (const std::string& line : cif::PolyhedronLines(s, Centres(o, s)))
            text += line + "\n";
    for (const auto& hkl : o.latticePlanes)
        text += cif::SpacingLine(s.crystal(), hkl) + "\n";
    return text;
}

} // namespace vestrel
