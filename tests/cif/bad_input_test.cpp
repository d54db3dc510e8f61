// SPDX-License-Identifier: MIT
// Bad files give a clear Russian message, the structure shown before stays,
// and nothing crashes: not CIF, no cell, no atoms, unknown or contradictory
// space groups, impossible cells, a vanished file, a folder, a huge file, a
// block too big; partly occupied sites load with a note. Damaged copies of
// good files never crash the reader.
#include "logic/cif/cif_reader.h"
#include "logic/cif/loaded_structure.h"
#include "tests/cif/cif_cases.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace vestrel::test {
namespace {

struct BadCase {
    std::string file; // under tests/cif/data/bad
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.file; }

const std::vector<BadCase>& BadCases()
{
    static const std::vector<BadCase> cases{
        {"not_cif.cif", "Файл «not_cif.cif» не является файлом CIF (ошибка в строке 1)."},
        {"empty.cif", "Файл «empty.cif» пуст."},
        {"no_cell.cif", "В файле «no_cell.cif» нет параметров элементарной ячейки."},
        {"no_atoms.cif", "В файле «no_atoms.cif» нет атомных позиций (координат атомов в долях ячейки)."},
        {"unknown_group.cif", "Пространственная группа «P 7 m m» из файла «unknown_group.cif» неизвестна, а списка "
                              "операций симметрии в файле нет."},
        {"group_and_number.cif", "Пространственная группа «F m -3 m» (№ 225) в файле «group_and_number.cif» "
                                 "противоречит указанному там же номеру 62, а списка операций симметрии в файле нет."},
        {"group_and_cell.cif", "Пространственная группа «F m -3 m» в файле «group_and_cell.cif» — кубическая, а "
                               "ячейка (a = 5,6402 Å, b = 5,6402 Å, c = 9,1 Å; α = 90°, β = 90°, γ = 120°) ей не "
                               "подходит; списка операций симметрии в файле нет."},
        {"negative_length.cif", "В файле «negative_length.cif» длина ребра ячейки a = −5,6402 Å: длины рёбер ячейки "
                                "должны быть больше нуля."},
        {"zero_length.cif", "В файле «zero_length.cif» длина ребра ячейки c = 0 Å: длины рёбер ячейки должны быть "
                            "больше нуля."},
        {"flat_angles.cif", "В файле «flat_angles.cif» углы ячейки α = 120°, β = 120°, γ = 120° не образуют ячейку."},
        {"huge_edge.cif", "В файле «huge_edge.cif» длина ребра ячейки b слишком велика: длины рёбер ячейки не бывают "
                          "больше 10 000 Å."},
        {"tiny_cell.cif", "В файле «tiny_cell.cif» кратчайший период решётки ячейки (a = 0,01 Å, b = 0,01 Å, c = "
                          "0,01 Å; α = 90°, β = 90°, γ = 90°) равен 0,01 Å: в кристалле периоды не бывают меньше 1 Å."},
        {"bad_operation.cif", "Операция симметрии «-x, y, q+1/2» в файле «bad_operation.cif» записана с ошибкой."},
        {"unknown_element.cif", "В файле «unknown_element.cif» не удалось определить химический элемент атома «Qq1» "
                                "(тип «Qq»)."},
    };
    return cases;
}

std::string BadPath(const std::string& file) { return CifPath("bad/" + file); }

class BadFile : public testing::TestWithParam<BadCase> {};

TEST_P(BadFile, GivesItsMessageAndKeepsThePreviousStructure)
{
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath("rutile.cif")).ok);
    const std::string memo = s.memoText();
    const std::size_t balls = s.sceneData().atoms.size();

    const cif::LoadResult result = s.load(BadPath(GetParam().file), 2);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, GetParam().message);
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(s.fileName(), "rutile.cif");
    EXPECT_EQ(s.memoText(), memo);
    EXPECT_EQ(s.sceneData().atoms.size(), balls);
    EXPECT_EQ(s.cells(), 1);
}

TEST_P(BadFile, RenderingToolDescribeExitsTwoWithTheMessage)
{
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL),
               {"--cif", QString::fromStdString(BadPath(GetParam().file)), "--describe"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_EQ(tool.readAllStandardError().toStdString(), GetParam().message + "\n");
    EXPECT_TRUE(tool.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, testing::ValuesIn(BadCases()), [](const auto& info) {
    std::string name = info.param.file.substr(0, info.param.file.find('.'));
    return name;
});

TEST(BadInput, BinaryFileIsNotCif)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("photo.cif").toStdString();
    std::ofstream(path, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    cif::LoadedStructure s;
    const auto result = s.load(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Файл «photo.cif» не является файлом CIF: в нём двоичные данные, а не текст.");
    EXPECT_FALSE(s.isLoaded());
}

TEST(BadInput, VanishedFileAndFolder)
{
    QTemporaryDir dir;
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath("quartz.cif")).ok);
    const std::string path = dir.filePath("lesson.cif").toStdString();
    std::ofstream(path) << "data_x\n";
    QFile::remove(QString::fromStdString(path));
    auto result = s.load(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Файл «lesson.cif» не найден.");
    result = s.load(dir.path().toStdString() + "/");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.find(" — папка, а не файл CIF."), result.message.size() - std::string(" — папка, а не файл CIF.").size());
    EXPECT_EQ(s.fileName(), "quartz.cif");
}

TEST(BadInput, HugeFileRefusedBeforeItIsRead)
{
    QTemporaryDir dir;
    QFile huge(dir.filePath("huge.cif"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100LL * 1024 * 1024)); // sparse: nothing is written
    huge.close();
    cif::LoadedStructure s;
    const auto result = s.load(huge.fileName().toStdString());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Файл «huge.cif» слишком велик (100,0 МБ): открываются файлы CIF не больше 5 МБ.");
}

TEST(BadInput, FileJustUnderTheLimitIsRead)
{
    // A real structure padded with comments to near the limit still loads.
    QTemporaryDir dir;
    const std::string path = dir.filePath("padded.cif").toStdString();
    std::ifstream in(CifPath("calcite.cif"));
    std::stringstream text;
    text << in.rdbuf();
    std::ofstream out(path);
    out << text.str();
    const std::string comment = "# " + std::string(97, '-') + "\n";
    for (std::uintmax_t written = text.str().size(); written + comment.size() < cif::MaxCifFileBytes;
         written += comment.size())
        out << comment;
    out.close();
    cif::LoadedStructure s;
    const auto result = s.load(path);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(s.analysis().spaceGroupNumber, 167);
}

TEST(BadInput, BlockTooBigSaysSoAndOffersFewerCells)
{
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath("rock_salt.cif")).ok);
    const auto result = s.load(CifPath("spinel.cif"), 10);
    EXPECT_FALSE(result.ok);
    const cif::LoadResult fits = cif::LoadedStructure().load(CifPath("spinel.cif"), result.suggestedCells);
    EXPECT_TRUE(fits.ok);
    cif::LoadedStructure probe;
    ASSERT_TRUE(probe.load(CifPath("spinel.cif")).ok);
    const long long tooMany = cif::CountBlockAtoms(probe.crystal(), 10);
    EXPECT_GT(tooMany, cif::MaxBlockAtoms);
    EXPECT_LE(cif::CountBlockAtoms(probe.crystal(), result.suggestedCells), cif::MaxBlockAtoms);
    EXPECT_GT(cif::CountBlockAtoms(probe.crystal(), result.suggestedCells + 1), cif::MaxBlockAtoms);
    std::string count = std::to_string(tooMany);
    count.insert(count.size() - 3, " ");
    EXPECT_EQ(result.message, "Блок из 10 × 10 × 10 ячеек содержал бы " + count
                                  + " атомов — больше предела в 50 000. Выберите меньше ячеек по осям: не больше "
                                  + std::to_string(result.suggestedCells) + ".");
    EXPECT_EQ(s.fileName(), "rock_salt.cif");
}

// A cubic cell of oxygen atoms n x n x n, 3 angstroms apart, in P1.
std::string OxygenGrid(int n)
{
    std::ostringstream text;
    text << "data_grid\n_cell_length_a " << 3 * n << "\n_cell_length_b " << 3 * n << "\n_cell_length_c " << 3 * n
         << "\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
            "_symmetry_space_group_name_H-M 'P 1'\nloop_\n_atom_site_label\n_atom_site_type_symbol\n"
            "_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    int k = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int l = 0; l < n; ++l)
                text << "O" << ++k << " O " << double(i) / n << " " << double(j) / n << " " << double(l) / n << "\n";
    return text.str();
}

TEST(BadInput, CellOfMoreThanTheLimitOfAtomsIsRefused)
{
    cif::LoadedStructure s;
    const auto result = s.loadText(OxygenGrid(37), "grid.cif"); // 50 653 atoms
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "В элементарной ячейке структуры из файла «grid.cif» больше 50 000 атомов: такую структуру показать нельзя.");
}

TEST(BadInput, LargeCellsAreShownWithoutASymmetrySearch)
{
    cif::LoadedStructure s;
    const auto result = s.loadText(OxygenGrid(13), "grid.cif"); // 2 197 atoms
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(s.crystal().atoms.size(), 2197u);
    EXPECT_FALSE(s.analysis().symmetrySearched);
    EXPECT_NE(s.memoText().find("Пространственная группа не определялась: в ячейке больше 2000 атомов.\n"
                                "В файле указана группа «P 1» (№ 1).\n"),
              std::string::npos)
        << s.memoText();
    // The oxygen atoms 3 angstroms apart are not bonded: the balls are sized
    // on the nearest neighbours instead.
    EXPECT_TRUE(s.block().bonds.empty());
    EXPECT_FALSE(s.sceneData().atoms.empty());
}

TEST(BadInput, PartlyOccupiedSitesShowTheMainAtomAndANote)
{
    cif::LoadedStructure s;
    const auto result = s.load(BadPath("partial_occupancy.cif"));
    ASSERT_TRUE(result.ok) << result.message;
    // Magnesium (0.7) is drawn on the shared site, iron (0.3) is not.
    int mg = 0, fe = 0;
    for (const cif::CellAtom& a : s.crystal().atoms) {
        mg += s.crystal().sites[a.site].label == "Mg1";
        fe += s.crystal().sites[a.site].label == "Fe1";
    }
    EXPECT_EQ(mg, 4);
    EXPECT_EQ(fe, 0);
    EXPECT_EQ(s.block().atoms.size(), 27u);
    const std::string note =
        "В структуре есть частично заселённые позиции; на модели показан основной атом каждой позиции.\n";
    EXPECT_NE(s.memoText().find(note), std::string::npos) << s.memoText();
    // The density counts both metals by their shares: (0.7 Mg + 0.3 Fe + O) x 4.
    const double mass = 4 * (0.7 * 24.305 + 0.3 * 55.845 + 15.999);
    EXPECT_NEAR(s.analysis().density, mass / (4.25 * 4.25 * 4.25 * 0.602214076), 1e-3);
}

TEST(BadInput, RenderingToolDescribePrintsTheTextOfAGoodFile)
{
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), {"--cif", QString::fromStdString(CifPath("corundum.cif")), "--describe"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0);
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath("corundum.cif")).ok);
    EXPECT_EQ(tool.readAllStandardOutput().toStdString(), s.memoText());
}

// Damaged copies of every good file: bytes changed, removed, repeated, and
// the file cut short. Each gives a structure or a message, never a crash or
// an exception.
TEST(DamagedFiles, NeverCrashTheReader)
{
    std::mt19937 random(20240615);
    int read = 0, refused = 0;
    for (const CifCase& c : CifCases()) {
        std::ifstream in(CifPath(c.name + ".cif"));
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string original = buffer.str();
        for (int round = 0; round < 60; ++round) {
            std::string text = original;
            const int edits = 1 + static_cast<int>(random() % 4);
            for (int e = 0; e < edits && !text.empty(); ++e) {
                const std::size_t at = random() % text.size();
                switch (random() % 5) {
                case 0: text[at] = static_cast<char>(random() % 256); break;
                case 1: text.erase(at, 1 + random() % 12); break;
                case 2: text.insert(at, text.substr(at, 1 + random() % 40)); break;
                case 3: text.resize(at); break;
                default: text[at] = "0123456789.-?'_ \n"[random() % 17]; break;
                }
            }
            cif::LoadedStructure s;
            cif::LoadResult result;
            EXPECT_NO_THROW(result = s.loadText(text, c.name + ".cif", 1 + static_cast<int>(random() % 2)));
            if (result.ok) {
                ++read;
                EXPECT_FALSE(s.memoText().empty());
                EXPECT_EQ(s.sceneData().atoms.size(), s.block().atoms.size());
            } else {
                ++refused;
                EXPECT_FALSE(result.message.empty());
            }
        }
    }
    // Both ways out were taken.
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace vestrel::test
