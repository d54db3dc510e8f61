// SPDX-License-Identifier: MIT
// The structure library: every file reads, its atoms have the space group
// the file states (spglib, 0.001 Å), its density is that of its source, and
// well-known sites have their textbook coordination numbers; the index
// finds entries by name, formula, type and space group.
#include "logic/cif/cif_reader.h"
#include "logic/cif/crystal_analysis.h"
#include "logic/data_location.h"
#include "logic/library/structure_library.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <spglib.h>

#include <algorithm>
#include <cmath>

namespace {

using vestrel::cif::Crystal;
using vestrel::library::LibraryEntry;
using vestrel::library::StructureLibrary;

const QString LibraryFolder = QStringLiteral(VESTREL_SOURCE_DIR "/structures");

const StructureLibrary& Library()
{
    static const StructureLibrary library = [] {
        StructureLibrary l;
        l.load(LibraryFolder);
        return l;
    }();
    return library;
}

Crystal Read(const QString& fileName)
{
    auto read = vestrel::cif::ReadCrystalFile(QDir(LibraryFolder).filePath(fileName).toStdString());
    EXPECT_TRUE(read.ok()) << fileName.toStdString() << ": " << (read.ok() ? "" : read.failure().message);
    return read.ok() ? read.value() : Crystal{};
}

// The space group spglib finds in the cell's atoms at the given tolerance.
int SpaceGroupOf(const Crystal& c, double symprec)
{
    const int n = static_cast<int>(c.atoms.size());
    double lattice[3][3];
    for (int i = 0; i < 3; ++i) {
        lattice[0][i] = c.axes[i].x;
        lattice[1][i] = c.axes[i].y;
        lattice[2][i] = c.axes[i].z;
    }
    std::vector<double> positions;
    std::vector<int> types;
    for (const auto& a : c.atoms) {
        positions.insert(positions.end(), {a.fract.x, a.fract.y, a.fract.z});
        types.push_back(c.sites[a.site].element);
    }
    SpglibDataset* data =
        spg_get_dataset(lattice, reinterpret_cast<double(*)[3]>(positions.data()), types.data(), n, symprec);
    if (!data)
        return 0;
    const int number = data->spacegroup_number;
    spg_free_dataset(data);
    return number;
}

TEST(Library, HoldsTheCatalogueAndTheCourseStructures)
{
    const StructureLibrary& library = Library();
    EXPECT_TRUE(library.skipped().isEmpty()) << library.skipped().join(u' ').toStdString();
    EXPECT_GE(library.entries().size(), 60);
    for (const char* name : {"NaCl", "Cu2O", "diamond", "graphite", "CsCl", "sphalerite", "wurtzite", "alpha-Fe",
                             "gamma-Fe", "chalcopyrite", "BN", "CdI2", "pyrite", "fluorite", "Mg", "rutile", "Cu",
                             "calcite", "SrTiO3", "CaTiO3", "spinel", "grossular", "forsterite", "quartz", "ice-Ih"})
        EXPECT_GE(library.indexOf(QString::fromLatin1(name) + QStringLiteral(".cif")), 0) << name;
}

TEST(Library, EveryFileReadsWithItsSpaceGroupDensityAndSource)
{
    for (const LibraryEntry& e : Library().entries()) {
        SCOPED_TRACE(e.fileName.toStdString());
        const Crystal crystal = Read(e.fileName);
        ASSERT_FALSE(crystal.atoms.empty());
        EXPECT_EQ(crystal.statedNumber, e.spaceGroupNumber);
        EXPECT_EQ(SpaceGroupOf(crystal, 0.001), e.spaceGroupNumber);
        const double density = vestrel::cif::AnalyseCrystal(crystal).density;
        ASSERT_GT(e.density, 0);
        EXPECT_NEAR(density / e.density, 1.0, 0.02) << density << " g/cm3 from the atoms";
        EXPECT_FALSE(e.nameEn.isEmpty());
        EXPECT_FALSE(e.nameRu.isEmpty());
        EXPECT_FALSE(e.formula.isEmpty());
        EXPECT_FALSE(e.structureTypeRu.isEmpty());
        EXPECT_TRUE(e.source.contains(QRegularExpression(QStringLiteral("\\((1[89]|20)\\d\\d\\)"))))
            << e.source.toStdString();
    }
}

// Coordination numbers of textbook sites (the nearest neighbours of the
// other kind, or of the same kind in an element).
TEST(Library, WellKnownSitesHaveTheirCoordinationNumbers)
{
    struct Case {
        const char* file;
        const char* site;
        int coordination;
    };
    const Case cases[] = {
        {"NaCl", "Na", 6},      {"CsCl", "Cs", 8},          {"diamond", "C", 4},   {"sphalerite", "Zn", 4},
        {"fluorite", "Ca", 8},  {"fluorite", "F", 4},        {"rutile", "Ti", 6},   {"rutile", "O", 3},
        {"Cu", "Cu", 12},       {"Cu2O", "Cu", 2},           {"Cu2O", "O", 4},      {"graphite", "C1", 3},
        {"quartz", "Si", 4},    {"quartz", "O", 2},          {"corundum", "Al", 6}, {"spinel", "Mg", 4},
        {"spinel", "Al", 6},    {"forsterite", "Si", 4},     {"zircon", "Zr", 8},   {"calcite", "C", 3},
        {"grossular", "Ca", 8}, {"SrTiO3", "Ti", 6},         {"pyrite", "Fe", 6},   {"beryl", "Be", 4},
        {"kaolinite", "Al1", 6}, {"kaolinite", "Si1", 4},    {"talc", "Mg2", 6},    {"talc", "Si1", 4},
    };
    for (const Case& c : cases) {
        const auto analysis = vestrel::cif::AnalyseCrystal(Read(QString::fromLatin1(c.file) + QStringLiteral(".cif")));
        const auto site = std::find_if(analysis.sites.begin(), analysis.sites.end(),
                                       [&](const auto& s) { return s.label == c.site; });
        ASSERT_NE(site, analysis.sites.end()) << c.file << " " << c.site;
        EXPECT_EQ(site->coordination, c.coordination) << c.file << " " << c.site;
    }
}

QStringList Found(const QString& query)
{
    QStringList files;
    for (int i : Library().search(query))
        files << Library().entries()[i].fileName;
    return files;
}

TEST(Library, SearchFindsByNameFormulaTypeAndSpaceGroup)
{
    struct Case {
        QString query;
        QStringList included;
        QStringList excluded;
    };
    const QList<Case> cases{
        {QStringLiteral("кварц"), {QStringLiteral("quartz.cif")}, {QStringLiteral("cristobalite.cif")}},
        {QStringLiteral("QUARTZ"), {QStringLiteral("quartz.cif")}, {QStringLiteral("NaCl.cif")}},
        {QStringLiteral("SiO2"), {QStringLiteral("quartz.cif"), QStringLiteral("cristobalite.cif")}, {QStringLiteral("Si.cif")}},
        {QStringLiteral("перовскит"), {QStringLiteral("CaTiO3.cif"), QStringLiteral("SrTiO3.cif"), QStringLiteral("BaTiO3.cif")},
         {QStringLiteral("rutile.cif")}},
        {QStringLiteral("Fm-3m"), {QStringLiteral("NaCl.cif"), QStringLiteral("Cu.cif")}, {QStringLiteral("diamond.cif")}},
        {QStringLiteral("P6_3/mmc"), {QStringLiteral("graphite.cif"), QStringLiteral("Mg.cif")}, {QStringLiteral("wurtzite.cif")}},
        {QStringLiteral("227"), {QStringLiteral("diamond.cif"), QStringLiteral("spinel.cif")}, {QStringLiteral("NaCl.cif")}},
        {QStringLiteral("лёд"), {QStringLiteral("ice-Ih.cif"), QStringLiteral("dry-ice.cif")}, {QStringLiteral("quartz.cif")}},
        {QStringLiteral("каменная соль PbS"), {QStringLiteral("galena.cif")}, {QStringLiteral("NaCl.cif")}},
        {QStringLiteral("garnet"), {QStringLiteral("grossular.cif")}, {QStringLiteral("spinel.cif")}},
        {QString(), {QStringLiteral("NaCl.cif"), QStringLiteral("Te.cif")}, {}},
        {QStringLiteral("нет такого"), {}, {QStringLiteral("NaCl.cif")}},
    };
    for (const Case& c : cases) {
        const QStringList found = Found(c.query);
        for (const QString& f : c.included)
            EXPECT_TRUE(found.contains(f)) << c.query.toStdString() << " should find " << f.toStdString();
        for (const QString& f : c.excluded)
            EXPECT_FALSE(found.contains(f)) << c.query.toStdString() << " should not find " << f.toStdString();
    }
}

TEST(Library, IsSortedByTheRussianName)
{
    const auto& entries = Library().entries();
    const auto at = [&](const char* file) { return Library().indexOf(QString::fromLatin1(file)); };
    // Алмаз < Каменная соль < Рутил < Цинкит: Cyrillic order.
    EXPECT_LT(at("diamond.cif"), at("NaCl.cif"));
    EXPECT_LT(at("NaCl.cif"), at("rutile.cif"));
    EXPECT_LT(at("rutile.cif"), at("zincite.cif"));
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.first().nameRu.left(1), QStringLiteral("А"));
}

TEST(Library, EntryTextsForTheWindow)
{
    const LibraryEntry& salt = Library().entries()[Library().indexOf(QStringLiteral("NaCl.cif"))];
    EXPECT_EQ(salt.spaceGroupText(), QStringLiteral("F m -3 m (№ 225)"));
    EXPECT_EQ(salt.cellText(), QStringLiteral("a = 5.6402 Å, b = 5.6402 Å, c = 5.6402 Å, α = 90°, β = 90°, γ = 90°"));
    EXPECT_FALSE(vestrel::library::ReadLibraryEntry(QStringLiteral("/nonexistent/x.cif")).has_value());
}

// vestrel-render --library lists the build folder's copy of the library,
// which holds every file of the sources.
TEST(Library, RenderToolListsEveryFile)
{
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), {QStringLiteral("--library")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList files = QDir(LibraryFolder).entryList({QStringLiteral("*.cif")}, QDir::Files, QDir::Name);
    ASSERT_EQ(lines.size(), files.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        ASSERT_EQ(fields.size(), 3) << lines[i].toStdString();
        EXPECT_EQ(fields[0], files[i]);
        const LibraryEntry& e = Library().entries()[Library().indexOf(files[i])];
        EXPECT_EQ(fields[1], e.nameRu);
        EXPECT_EQ(fields[2].toInt(), e.spaceGroupNumber);
    }
    EXPECT_TRUE(lines.contains(QStringLiteral("NaCl.cif\tКаменная соль (галит)\t225")));
}

// The help's page of the library has a row for every file: its name, its
// Russian name and its space group.
TEST(Library, HelpPageListsEveryStructure)
{
    QFile page(QStringLiteral(VESTREL_SOURCE_DIR "/help/library.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    QFile index(QStringLiteral(VESTREL_SOURCE_DIR "/help/index.html"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(index.readAll()).contains(QStringLiteral("href=\"library.html\"")));
    for (const LibraryEntry& e : Library().entries()) {
        const QString row = QStringLiteral("<tr><td>%1<br>").arg(e.nameRu.toHtmlEscaped());
        const qsizetype at = text.indexOf(row);
        ASSERT_GE(at, 0) << e.fileName.toStdString();
        const QString rowText = text.mid(at, text.indexOf(QStringLiteral("</tr>"), at) - at);
        EXPECT_TRUE(rowText.contains(QStringLiteral("%1 (№&nbsp;%2)").arg(e.spaceGroupSymbol).arg(e.spaceGroupNumber)))
            << rowText.toStdString();
        EXPECT_TRUE(rowText.contains(e.fileName)) << rowText.toStdString();
    }
}

TEST(Library, FolderIsFoundBesideTheExecutableThenInstalled)
{
    QTemporaryDir root;
    const QString exe = root.filePath(QStringLiteral("bin")), share = root.filePath(QStringLiteral("share/vestrel"));
    QDir().mkpath(exe);
    QDir().mkpath(share + QStringLiteral("/structures"));
    EXPECT_EQ(vestrel::LocateStructureLibrary(exe, {share}), QDir::cleanPath(share + QStringLiteral("/structures")));
    QDir().mkpath(exe + QStringLiteral("/structures"));
    EXPECT_EQ(vestrel::LocateStructureLibrary(exe, {share}), QDir::cleanPath(exe + QStringLiteral("/structures")));
    EXPECT_TRUE(vestrel::LocateStructureLibrary(root.filePath(QStringLiteral("none")), {}).isEmpty());
}

} // namespace
