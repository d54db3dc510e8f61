// SPDX-License-Identifier: MIT
// The plate of the 32 crystal classes: one column per crystal system, the
// classes of the system one below the other, each with its international
// symbol, Schoenflies symbol and symmetry formula.
#include "tools/reference/crystal_classes.h"
#include "tools/reference/picture_texts.h"
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
constexpr double CellMargin = 8;

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

QString SystemName(const PictureTexts& texts, CrystalSystem system) { return Utf8(texts.systems[int(system)]); }

void DrawTitle(QPainter& painter, const PictureTexts& texts)
{
    painter.setPen(Qt::black);
    DrawTextCentred(painter, Width / 2.0, TitleBaseline, Utf8(texts.classes.title),
                    PixelFont("Liberation Serif", 50, true));
}

void FillCell(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    painter.fillRect(rect, colour);
}

// The category header spans the systems of one category.
void DrawCategories(QPainter& painter, const PictureTexts& texts)
{
    const QFont font = PixelFont("DejaVu Sans", 23, true);
    int first = 0;
    int category = 0;
    for (int column = 1; column <= CrystalSystemCount; ++column) {
        if (column < CrystalSystemCount && CrystalSystems[column].category == CrystalSystems[first].category)
            continue;
        const CategoryStyle style = StyleOf(CrystalSystems[first].category);
        const QRectF rect(ColumnLeft(first), CategoryTop, ColumnLeft(column) - ColumnLeft(first), CategoryHeight);
        FillCell(painter, rect, style.header);
        painter.setPen(Qt::black);
        DrawTextCentred(painter, rect.center().x(), CategoryTop + 34,
                        Utf8(texts.classes.categories[category++]), font);
        first = column;
    }
}

void DrawSystemNames(QPainter& painter, const PictureTexts& texts)
{
    const QFont font = PixelFont("DejaVu Sans", 27, true);
    for (int column = 0; column < CrystalSystemCount; ++column) {
        const CategoryStyle style = StyleOf(CrystalSystems[column].category);
        FillCell(painter, QRectF(ColumnLeft(column), SystemTop, ColumnWidth, SystemHeight), style.system);
        painter.setPen(Qt::black);
        DrawTextCentred(painter, ColumnLeft(column) + ColumnWidth / 2, SystemTop + 42,
                        SystemName(texts, CrystalSystems[column].system), font);
    }
}

RichText FormulaOf(const CrystalClass& crystalClass, FormulaNotation notation)
{
    if (notation == FormulaNotation::Mineralogy)
        return MineralogySymmetryFormula(MineralogyFormulaOf(crystalClass.international));
    return SymmetryFormula(crystalClass.formula);
}

void DrawClassCell(QPainter& painter, const QRectF& cell, const CrystalClass& crystalClass, int number,
                   FormulaNotation notation)
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
    const RichText formula = FormulaOf(crystalClass, notation);
    DrawRichTextCentred(painter, centreX, cell.top() + 129, formula,
                        FittedFont(formula, PixelFont("Liberation Serif", 31), cell.width() - 2 * CellMargin));
}

void DrawClasses(QPainter& painter, const PictureTexts& texts)
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
            DrawClassCell(painter, cell, crystalClass, ++number, texts.classes.notation);
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

void DrawNotes(QPainter& painter, const PictureTexts& texts)
{
    const QFont font = PixelFont("Liberation Serif", 25);
    painter.setPen(Qt::black);
    double baseline = NotesBaseline;
    for (std::string_view line : texts.classes.notes) {
        DrawRichText(painter, Left, baseline, Markup(line), font);
        baseline += NotesLineSpacing;
    }
}

} // namespace

QImage DrawClassesTable(const PictureTexts& texts)
{
    QImage image = NewPicture(Width, Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    DrawTitle(painter, texts);
    DrawCategories(painter, texts);
    DrawSystemNames(painter, texts);
    DrawClasses(painter, texts);
    DrawGrid(painter);
    FrameHolohedries(painter);
    DrawNotes(painter, texts);
    return image;
}

} // namespace vestrel::reference
