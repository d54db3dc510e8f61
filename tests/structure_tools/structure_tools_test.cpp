// SPDX-License-Identifier: MIT
// The structure tools against figures worked out here from the files'
// published cells and coordinates: picking, distances and angles,
// coordination polyhedra and lattice planes.
#include "frame/projection.h"
#include "logic/cif/loaded_structure.h"
#include "logic/cif/structure_tools.h"
#include "render/camera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <string>
#include <vector>

namespace vestrel::cif {
namespace {

constexpr double Pi = 3.14159265358979323846;

std::string LibraryFile(const std::string& name) { return std::string(VESTREL_SOURCE_DIR) + "/structures/" + name; }

LoadedStructure Load(const std::string& name, int cells)
{
    LoadedStructure s;
    const LoadResult r = s.load(LibraryFile(name), cells);
    EXPECT_TRUE(r.ok) << name << ": " << r.message;
    return s;
}

// Picking at the projected centre of every atom that no nearer ball hides
// there finds that atom, in three structures and two views.
TEST(StructureTools, PickingFindsTheAtomDrawnAtItsCentre)
{
    constexpr int W = 640, H = 480;
    for (const char* file : {"rutile.cif", "quartz.cif", "spinel.cif"})
        for (const ViewState view : {ViewState{}, ViewState{20, 35, 1, 0, 120}}) {
            const LoadedStructure s = Load(file, 2);
            const auto& atoms = s.block().atoms;
            // The eye position of each centre and its radius on the panel,
            // from the camera matrices rather than the picking routine.
            const Mat4 camera = ModelFrameMatrix(view);
            const Mat4 projection = ProjectionMatrix(ViewPerspective, double(W) / H);
            int checked = 0;
            for (std::size_t i = 0; i < atoms.size(); i += 3) {
                const Vec3 eye = camera.apply(AtomInModel(s, int(i)));
                const Vec3 ndc = (projection * Mat4::translation(eye.x, eye.y, eye.z)).apply({0, 0, 0});
                const double w = -eye.z;
                const double px = (ndc.x / w + 1) / 2 * W, py = (1 - ndc.y / w) / 2 * H;
                bool hidden = false;
                for (std::size_t j = 0; j < atoms.size() && !hidden; ++j) {
                    const Vec3 other = camera.apply(AtomInModel(s, int(j)));
                    if (j == i || other.z <= eye.z)
                        continue;
                    // Whether ball j covers the line of sight through i's centre.
                    const Vec3 ray = normalised(eye);
                    const double along = dot(other, ray);
                    const double off = length(other - along * ray);
                    hidden = off < AtomBallRadius(s, int(j)) * GlobalScale * 1.02;
                }
                if (hidden)
                    continue;
                ++checked;
                EXPECT_EQ(PickAtom(s, view, W, H, px, py), int(i)) << file << " atom " << i;
            }
            EXPECT_GT(checked, 3) << file;
            EXPECT_EQ(PickAtom(s, view, W, H, 2, 2), -1) << file << ": a corner of the panel is empty";
        }
}

// Rutile (a = 4.5937, c = 2.9587, O at x = 0.30478): Ti-O is x·a·√2 twice
// and sqrt(2((1/2 − x)a)² + (c/2)²) four times; the angles of the
// octahedron are 90° between the two kinds, 180° across, and 2·atan between
// the four equatorial bonds.
TEST(StructureTools, RutileBondsAndAnglesAgreeWithTheCell)
{
    const LoadedStructure s = Load("rutile.cif", 2);
    const double a = 4.5937, c = 2.9587, x = 0.30478;
    const double apical = x * a * std::sqrt(2.0);
    const double equatorial = std::sqrt(2 * std::pow((0.5 - x) * a, 2) + std::pow(c / 2, 2));
    const double wide = 2 * std::atan2(c / 2, (0.5 - x) * a * std::sqrt(2.0)) * 180 / Pi;
    std::vector<double> expectedAngles{90, 180, wide, 180 - wide};
    const auto polyhedra = BlockPolyhedra(s, {22});
    ASSERT_FALSE(polyhedra.empty());
    for (const BlockPolyhedron& p : polyhedra) {
        std::vector<double> d;
        for (int k : p.corners)
            d.push_back(AtomDistance(s, p.centre, k));
        std::sort(d.begin(), d.end());
        ASSERT_EQ(d.size(), 6u);
        for (int k = 0; k < 6; ++k)
            EXPECT_NEAR(d[k], apical < equatorial ? (k < 2 ? apical : equatorial) : (k < 4 ? equatorial : apical),
                        1e-4);
        for (std::size_t m = 0; m < 6; ++m)
            for (std::size_t n = m + 1; n < 6; ++n) {
                const double angle = AtomAngle(s, p.corners[m], p.centre, p.corners[n]);
                const double nearest = *std::min_element(expectedAngles.begin(), expectedAngles.end(),
                    [&](double u, double v) { return std::abs(u - angle) < std::abs(v - angle); });
                EXPECT_NEAR(angle, nearest, 1e-3);
            }
    }
    const BlockPolyhedron& p = polyhedra.front();
    EXPECT_EQ(MeasurementLine(s, {p.centre, p.corners[0]}).substr(0, 2), "Ti");
    const std::string line = MeasurementLine(s, {p.corners[0], p.centre, p.corners[1]});
    EXPECT_NE(line.find("O \u2014 Ti \u2014 O: "), std::string::npos) << line;
    EXPECT_NE(line.find(','), std::string::npos) << "the decimal comma: " << line;
}

// Quartz: the Si-O-Si angle at the bridging oxygen, 143.7° (Levien et al.,
// Am. Mineral. 65 (1980) 920: 143.73°).
TEST(StructureTools, QuartzSiOSiAngle)
{
    const LoadedStructure s = Load("quartz.cif", 2);
    const auto& atoms = s.block().atoms;
    int found = 0;
    for (const auto& [i, j] : s.block().bonds)
        for (const auto& [k, l] : s.block().bonds) {
            // Two bonds of one oxygen to two silicons.
            const int o = atoms[i].element == 8 ? i : j, si1 = o == i ? j : i;
            const int o2 = atoms[k].element == 8 ? k : l, si2 = o2 == k ? l : k;
            if (o != o2 || si1 >= si2 || atoms[si1].element != 14 || atoms[si2].element != 14)
                continue;
            EXPECT_NEAR(AtomAngle(s, si1, o, si2), 143.7, 0.3);
            ++found;
        }
    EXPECT_GT(found, 0);
}

TEST(StructureTools, PolyhedraAreNamedFromTheirShape)
{
    struct Case {
        const char* file;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"rutile.cif", {"Ti: октаэдр [TiO6]"}},
        {"quartz.cif", {"Si: тетраэдр [SiO4]"}},
        {"calcite.cif", {"Ca: октаэдр [CaO6]", "C: треугольник [CO3]"}},
        {"Cu.cif", {"Cu: кубооктаэдр [CuCu12]"}},
        {"zircon.cif", {"Zr: додекаэдр [ZrO8]", "Si: тетраэдр [SiO4]"}},
        {"Mg.cif", {"Mg: антикубооктаэдр [MgMg12]"}},
        {"CsCl.cif", {"Cs: куб [CsCl8]"}},
    };
    for (const Case& c : cases) {
        const LoadedStructure s = Load(c.file, 1);
        std::vector<std::string> lines = PolyhedronLines(s, CationElements(s.crystal()));
        for (const std::string& expected : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
                << c.file << ": " << expected << " among " << ::testing::PrintToString(lines);
    }
}

// A polyhedron is drawn for each centre whose neighbours are all in the
// block: a block of two rutile cells holds Ti at its centre with all six.
TEST(StructureTools, BlockPolyhedraHaveClosedHulls)
{
    const LoadedStructure s = Load("rutile.cif", 2);
    const auto polyhedra = BlockPolyhedra(s, CationElements(s.crystal()));
    ASSERT_FALSE(polyhedra.empty());
    for (const BlockPolyhedron& p : polyhedra) {
        EXPECT_EQ(p.faces.size(), 8u);
        // Euler: V − E + F = 2 for a closed hull.
        std::size_t halfEdges = 0;
        for (const auto& f : p.faces)
            halfEdges += f.size();
        EXPECT_EQ(int(p.corners.size()) - int(halfEdges / 2) + int(p.faces.size()), 2);
    }
}

// The reciprocal vector worked out here: h a* + k b* + l c*, a* = b × c / V.
Vec3 Reciprocal(const Crystal& c, const std::array<int, 3>& hkl)
{
    const auto& [a, b, cc] = c.axes;
    const double v = dot(a, cross(b, cc));
    return (hkl[0] * cross(b, cc) + hkl[1] * cross(cc, a) + hkl[2] * cross(a, b)) / v;
}

TEST(StructureTools, PlanesAreNormalToTheReciprocalVectorAndDApart)
{
    const std::string triclinic = "data_t\n_cell_length_a 5.1\n_cell_length_b 6.3\n_cell_length_c 7.2\n"
                                  "_cell_angle_alpha 81\n_cell_angle_beta 97\n_cell_angle_gamma 105\n"
                                  "_symmetry_space_group_name_H-M 'P 1'\nloop_\n_atom_site_label\n"
                                  "_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
                                  "_atom_site_fract_z\nNa1 Na 0.1 0.2 0.3\nCl1 Cl 0.6 0.7 0.8\n";
    struct Case {
        std::string file;
        std::array<int, 3> hkl;
    };
    for (const Case& c : {Case{"NaCl.cif", {1, 1, 0}}, Case{"NaCl.cif", {1, 1, 1}}, Case{"quartz.cif", {1, 0, 1}},
                          Case{"quartz.cif", {1, 1, 0}}, Case{"", {1, -2, 1}}, Case{"", {0, 0, 1}}})
        for (int cells : {1, 2}) {
            LoadedStructure s;
            const LoadResult r =
                c.file.empty() ? s.loadText(triclinic, "t.cif", cells) : s.load(LibraryFile(c.file), cells);
            ASSERT_TRUE(r.ok) << r.message;
            const Vec3 g = Reciprocal(s.crystal(), c.hkl);
            const double d = 1 / length(g);
            EXPECT_NEAR(PlaneSpacing(s.crystal(), c.hkl), d, 1e-9);
            const auto polygons = PlanePolygons(s.crystal(), s.block(), c.hkl);
            ASSERT_FALSE(polygons.empty()) << c.file;
            std::vector<double> offsets;
            for (const auto& polygon : polygons) {
                ASSERT_GE(polygon.size(), 3u);
                const Vec3 n = normalised(cross(polygon[1] - polygon[0], polygon[2] - polygon[0]));
                EXPECT_NEAR(std::abs(dot(n, normalised(g))), 1, 1e-9);
                for (const Vec3& v : polygon)
                    EXPECT_NEAR(dot(v - polygon[0], g), 0, 1e-9);
                offsets.push_back(dot(polygon[0], normalised(g)));
            }
            std::sort(offsets.begin(), offsets.end());
            for (std::size_t k = 1; k < offsets.size(); ++k)
                EXPECT_NEAR(offsets[k] - offsets[k - 1], d, 1e-9) << c.file << " " << k;
        }
}

TEST(StructureTools, RutileSpacingLine)
{
    const LoadedStructure s = Load("rutile.cif", 1);
    EXPECT_EQ(SpacingLine(s.crystal(), {1, 1, 0}), "d(1 1 0) = 3,2482 \u00C5");
}

TEST(StructureTools, BadPlaneSymbolsGetAMessage)
{
    const LoadedStructure cubic = Load("NaCl.cif", 1);
    const LoadedStructure hexagonal = Load("Mg.cif", 1);
    for (const char* text : {"", "1 a 0", "0 0 0", "1 1", "1.5 0 0", "1 0 -1 0"})
        EXPECT_TRUE(std::holds_alternative<morphology::FaceSymbolError>(ParsePlaneSymbol(text, cubic.crystal())))
            << text;
    EXPECT_TRUE(std::holds_alternative<morphology::FaceSymbolError>(ParsePlaneSymbol("1 1 1 0", hexagonal.crystal())));
    const auto four = ParsePlaneSymbol("1 0 -1 0", hexagonal.crystal());
    ASSERT_TRUE(std::holds_alternative<morphology::IntVector>(four));
    EXPECT_EQ(std::get<morphology::IntVector>(four), (morphology::IntVector{1, 0, 0}));
}

TEST(StructureTools, AtomLineNamesTheSite)
{
    const LoadedStructure s = Load("rutile.cif", 1);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < s.block().atoms.size(); ++i)
        lines.push_back(AtomLine(s, int(i)));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "O (O) \u2014 x = 0,3048; y = 0,3048; z = 0 \u2014 КЧ 3"),
              lines.end())
        << ::testing::PrintToString(lines);
}

} // namespace
} // namespace vestrel::cif

namespace vestrel::cif {
namespace {

// Every file the reader's fuzzing keeps (its corpus and the inputs that once
// crashed it) and every bad test file that still loads: the tools answer
// without a fault, and what they answer holds together.
TEST(StructureTools, OddFilesGetSaneAnswers)
{
    int loaded = 0;
    for (const char* folder : {"/fuzz/corpus/cif_reader", "/fuzz/crashers/cif_reader", "/tests/cif/data/bad"}) {
        const std::filesystem::path dir = std::string(VESTREL_SOURCE_DIR) + folder;
        if (!std::filesystem::exists(dir))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            LoadedStructure s;
            if (!entry.is_regular_file() || !s.load(entry.path().string(), 1).ok)
                continue;
            ++loaded;
            SCOPED_TRACE(entry.path().string());
            const int atoms = int(s.block().atoms.size());
            const int picked = PickAtom(s, ViewState{}, 640, 480, 320, 240);
            EXPECT_TRUE(picked >= -1 && picked < atoms);
            if (atoms >= 3) {
                EXPECT_TRUE(std::isfinite(AtomDistance(s, 0, 1)));
                EXPECT_FALSE(MeasurementLine(s, {0, 1, 2}).empty());
            }
            ToolRequest request{{0}, true, {}, {{1, 1, 1}, {1, 0, 0}}};
            const auto overlay = MakeOverlay(s, request);
            EXPECT_EQ(overlay.halos.size(), atoms > 0 ? 1u : 0u);
            EXPECT_FALSE(overlay.planes.empty());
            for (const auto& p : overlay.planes)
                EXPECT_GE(p.corners.size(), 3u);
            for (const std::string& line : PolyhedronLines(s, CationElements(s.crystal())))
                EXPECT_NE(line.find(": "), std::string::npos) << line;
        }
    }
    EXPECT_GT(loaded, 3);
}

} // namespace
} // namespace vestrel::cif
