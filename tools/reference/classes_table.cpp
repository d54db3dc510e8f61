// SPDX-License-Identifier: MIT
// "Распределение 32 видов симметрии по сингониям": one column per crystal
// system, the classes of the system one below the other, each with its
// international symbol, Schoenflies symbol and symmetry formula.
#include "tools/reference/crystal_classes.h"
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"

#include <QPainter>

#include <vector>

namespace vestrel::reference {

namespace {

constexpr int Width = 1976;
constexpr int Height = 1409;

constexpr double Left = 36;
constexpr double Right = Width - 36;
constexpr double ColumnWidth = (Right - Left) / CrystalSystemCount;
constexpr double TitleBaseline = 80;
constexpr double CategoryTop = 118;
constexpr double CategoryHeight = 52;
constexpr double SystemTop = CategoryTop + CategoryHeight;
constexpr double SystemHeight = 64;
constexpr double ClassTop = SystemTop + SystemHeight;
constexpr double ClassHeight = 142;
constexpr int ClassRows = 7;
constexpr double TableBottom = ClassTop + ClassRows * ClassHeight;
constexpr double NotesBaseline = TableBottom + 40;
constexpr double NotesLineSpacing = 29;

struct CategoryStyle {
    QColor header, system, cell, frame;
};

CategoryStyle StyleOf(std::string_view category)
{
    if (category == "Низшая")
        return {QColor(156, 195, 230), QColor(201, 221, 241), QColor(243, 248, 253), QColor(40, 90, 150)};
    if (category == "Средняя")
        return {QColor(169, 213, 160), QColor(211, 234, 208), QColor(244, 250, 243), QColor(40, 120, 50)};
    return {QColor(244, 177, 131), QColor(248, 213, 189), QColor(253, 245, 238), QColor(170, 80, 20)};
}

const QColor GridColour(110, 110, 110);
const QColor InternationalColour(20, 30, 120);
const QColor SchoenfliesColour(140, 20, 20);
const QColor FormulaColour(40, 40, 40);
const QColor NumberColour(130, 130, 130);

double ColumnLeft(int column) { return Left + column * ColumnWidth; }

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

void DrawTitle(QPainter& painter)
{
    painter.setPen(Qt::black);
    DrawTextCentred(painter, Width / 2.0, TitleBaseline,
                    QStringLiteral("Распределение 32 видов симметрии по сингониям"),
                    PixelFont("Liberation Serif", 50, true));
}

void FillCell(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    painter.fillRect(rect, colour);
}

// The category header spans the systems of one category.
void DrawCategories(QPainter& painter)
{
    const QFont font = PixelFont("DejaVu Sans", 23, true);
    int first = 0;
    for (int column = 1; column <= CrystalSystemCount; ++column) {
        if (column < CrystalSystemCount && CrystalSystems[column].category == CrystalSystems[first].category)
            continue;
        const CategoryStyle style = StyleOf(CrystalSystems[first].category);
        const QRectF rect(ColumnLeft(first), CategoryTop, ColumnLeft(column) - ColumnLeft(first), CategoryHeight);
        FillCell(painter, rect, style.header);
        painter.setPen(Qt::black);
        DrawTextCentred(painter, rect.center().x(), CategoryTop + 34,
                        Utf8(CrystalSystems[first].category) + QStringLiteral(" категория"), font);
        first = column;
    }
}

void DrawSystemNames(QPainter& painter)
{
    const QFont font = PixelFont("DejaVu Sans", 27, true);
    for (int column = 0; column < CrystalSystemCount; ++column) {
        const CategoryStyle style = StyleOf(CrystalSystems[column].category);
        FillCell(painter, QRectF(ColumnLeft(column), SystemTop, ColumnWidth, SystemHeight), style.system);
        painter.setPen(Qt::black);
        DrawTextCentred(painter, ColumnLeft(column) + ColumnWidth / 2, SystemTop + 42,
                        Utf8(CrystalSystems[column].name), font);
    }
}

void DrawClassCell(QPainter& painter, const QRectF& cell, const CrystalClass& crystalClass, int number)
{
    const double centreX = cell.center().x();
    painter.setPen(NumberColour);
    painter.setFont(PixelFont("DejaVu Sans", 18));
    painter.drawText(QPointF(cell.left() + 10, cell.top() + 26), QString::number(number));

    painter.setPen(InternationalColour);
    DrawRichTextCentred(painter, centreX, cell.top() + 62, HermannMauguin(crystalClass.international),
                        PixelFont("Liberation Serif", 56));
    painter.setPen(SchoenfliesColour);
    DrawRichTextCentred(painter, centreX, cell.top() + 98, Schoenflies(crystalClass.schoenflies),
                        PixelFont("Liberation Serif", 34, false, true));
    painter.setPen(FormulaColour);
    DrawRichTextCentred(painter, centreX, cell.top() + 129, SymmetryFormula(crystalClass.formula),
                        PixelFont("Liberation Serif", 31));
}

void DrawClasses(QPainter& painter)
{
    int number = 0;
    for (int column = 0; column < CrystalSystemCount; ++column) {
        const CategoryStyle style = StyleOf(CrystalSystems[column].category);
        int row = 0;
        for (const CrystalClass& crystalClass : CrystalClasses) {
            if (crystalClass.system != CrystalSystems[column].system)
                continue;
            const QRectF cell(ColumnLeft(column), ClassTop + row * ClassHeight, ColumnWidth, ClassHeight);
            FillCell(painter, cell, style.cell);
            DrawClassCell(painter, cell, crystalClass, ++number);
            ++row;
        }
    }
}

void DrawGrid(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GridColour, 1.5));
    for (int column = 1; column < CrystalSystemCount; ++column)
        painter.drawLine(QPointF(ColumnLeft(column), SystemTop), QPointF(ColumnLeft(column), TableBottom));
    for (int row = 0; row < ClassRows; ++row) {
        const double y = ClassTop + row * ClassHeight;
        painter.drawLine(QPointF(Left, y), QPointF(Right, y));
    }
    painter.drawLine(QPointF(Left, SystemTop), QPointF(Right, SystemTop));
    // Category boundaries run through the category row too.
    for (int column = 1; column < CrystalSystemCount; ++column)
        if (CrystalSystems[column].category != CrystalSystems[column - 1].category)
            painter.drawLine(QPointF(ColumnLeft(column), CategoryTop), QPointF(ColumnLeft(column), SystemTop));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(QRectF(Left, CategoryTop, Right - Left, TableBottom - CategoryTop));
    painter.drawLine(QPointF(Left, ClassTop), QPointF(Right, ClassTop));
}

// The class of highest symmetry of each system is framed.
void FrameHolohedries(QPainter& painter)
{
    for (int column = 0; column < CrystalSystemCount; ++column) {
        int row = 0;
        for (const CrystalClass& crystalClass : CrystalClasses) {
            if (crystalClass.system != CrystalSystems[column].system)
                continue;
            if (crystalClass.holohedry) {
                const QRectF cell(ColumnLeft(column), ClassTop + row * ClassHeight, ColumnWidth, ClassHeight);
                painter.setPen(QPen(StyleOf(CrystalSystems[column].category).frame, 4));
                painter.drawRect(cell.adjusted(6, 6, -6, -6));
            }
            ++row;
        }
    }
}

void DrawNotes(QPainter& painter)
{
    const QFont font = PixelFont("Liberation Serif", 25);
    const char* lines[] = {
        "В клетке: номер вида, международный символ (Германа — Могена), символ Шёнфлиса и формула симметрии.",
        "Рамкой выделены голоэдрические виды — виды высшей симметрии своей сингонии.",
        "Формула симметрии: L_{n} — ось симметрии n-го порядка, L_{in} — инверсионная ось n-го порядка, "
        "P — плоскость симметрии, C — центр симметрии.",
        "Международный символ: n — ось n-го порядка, !{n} — инверсионная ось (!{1} — центр симметрии), "
        "m — плоскость симметрии,",
        "n/m — ось n-го порядка с перпендикулярной ей плоскостью симметрии.",
    };
    painter.setPen(Qt::black);
    double baseline = NotesBaseline;
    for (const char* line : lines) {
        DrawRichText(painter, Left, baseline, Markup(line), font);
        baseline += NotesLineSpacing;
    }
}

} // namespace

QImage DrawClassesTable()
{
    QImage image = NewPicture(Width, Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    DrawTitle(painter);
    DrawCategories(painter);
    DrawSystemNames(painter);
    DrawClasses(painter);
    DrawGrid(painter);
    FrameHolohedries(painter);
    DrawNotes(painter);
    return image;
}

} // namespace vestrel::reference
