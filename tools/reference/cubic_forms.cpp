// SPDX-License-Identifier: MIT
// The plate of the simple forms of the cubic system: the 15 forms as shaded
// solids, each with its name, its symbol {hkl} and the class it belongs to.
#include "tools/reference/cubic_forms.h"
#include "tools/reference/picture_texts.h"
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"
#include "tools/reference/solid_drawing.h"

#include <QPainter>

#include <vector>

namespace vestrel::reference {

namespace {

constexpr int Width = 1233;
constexpr int Height = 955;
constexpr int Columns = 5;
constexpr double TitleBaseline = 46;
constexpr double GridTop = 66;
constexpr double RowHeight = 273;
constexpr double CellWidth = double(Width) / Columns;
constexpr double SolidBox = 188;
constexpr double SolidTop = 8;
constexpr double NameBaseline = 226;
constexpr double SymbolBaseline = 252;
constexpr double NameMargin = 8;
constexpr double KeyBaseline = GridTop + 3 * RowHeight + 26;
constexpr double KeyLineSpacing = 28;

// A classic crystal drawing view: +x towards the viewer and a little to the
// left, +y to the right, +z up, seen slightly from above.
const View FormView = ViewFrom(-30, 28);

QColor GroupColour(CubicGroup group)
{
    switch (group) {
    case CubicGroup::Hexoctahedral: return QColor(95, 145, 215);
    case CubicGroup::Hextetrahedral: return QColor(95, 180, 105);
    case CubicGroup::Diploidal: return QColor(230, 155, 60);
    case CubicGroup::Gyroidal: return QColor(160, 110, 205);
    case CubicGroup::Tetartoidal: return QColor(215, 95, 95);
    }
    return Qt::gray;
}

// The class is named after its most general form.
QString GroupName(const PictureTexts& texts, CubicGroup group) { return Utf8(texts.forms.classes[int(group)]); }

RichText FormSymbol(const PictureTexts& texts, const CubicForm& form)
{
    const QString hkl = QStringLiteral("{%1%2%3}").arg(form.hkl[0]).arg(form.hkl[1]).arg(form.hkl[2]);
    RichText text{{hkl + Utf8(texts.forms.classWord), RunStyle::Plain}};
    const RichText group = HermannMauguin(GroupSymbol(form.group));
    text.insert(text.end(), group.begin(), group.end());
    return text;
}

void DrawForm(QPainter& painter, const PictureTexts& texts, size_t index, const QRectF& cell)
{
    const CubicForm& form = CubicSimpleForms[index];
    const ConvexSolid solid = BuildCubicForm(form);
    const QRectF box(cell.center().x() - SolidBox / 2, cell.top() + SolidTop, SolidBox, SolidBox);
    DrawShadedSolid(painter, FormView, FitInto(FormView, solid, box), solid, GroupColour(form.group));
    painter.setPen(Qt::black);
    const QString name = Utf8(texts.forms.forms[index]);
    const QFont nameFont = PixelFont("DejaVu Sans", 17, true);
    DrawTextCentred(painter, cell.center().x(), cell.top() + NameBaseline, name,
                    FittedFont(RichText{{name, RunStyle::Plain}}, nameFont, cell.width() - 2 * NameMargin));
    painter.setPen(QColor(60, 60, 60));
    DrawRichTextCentred(painter, cell.center().x(), cell.top() + SymbolBaseline, FormSymbol(texts, form),
                        PixelFont("DejaVu Serif", 17));
}

// Below the forms: the colour of each class, in two centred lines.
void DrawKeyLine(QPainter& painter, const PictureTexts& texts, const std::vector<CubicGroup>& groups,
                 double baseline)
{
    const QFont font = PixelFont("DejaVu Sans", 16);
    constexpr double Swatch = 16, SwatchGap = 7, EntryGap = 34;
    std::vector<RichText> entries;
    double total = -EntryGap;
    for (CubicGroup group : groups) {
        RichText entry = HermannMauguin(GroupSymbol(group));
        entry.push_back({QStringLiteral(" — ") + GroupName(texts, group), RunStyle::Plain});
        total += Swatch + SwatchGap + RichTextWidth(entry, font) + EntryGap;
        entries.push_back(entry);
    }
    double x = (Width - total) / 2;
    for (size_t i = 0; i < entries.size(); ++i) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(GroupColour(groups[i]));
        painter.drawRect(QRectF(x, baseline - Swatch + 3, Swatch, Swatch));
        x += Swatch + SwatchGap;
        DrawRichText(painter, x, baseline, entries[i], font);
        x += RichTextWidth(entries[i], font) + EntryGap;
    }
}

void DrawKey(QPainter& painter, const PictureTexts& texts)
{
    DrawKeyLine(painter, texts, {CubicGroup::Hexoctahedral, CubicGroup::Hextetrahedral, CubicGroup::Diploidal},
                KeyBaseline);
    DrawKeyLine(painter, texts, {CubicGroup::Tetartoidal, CubicGroup::Gyroidal}, KeyBaseline + KeyLineSpacing);
}

} // namespace

QImage DrawCubicForms(const PictureTexts& texts)
{
    QImage image = NewPicture(Width, Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    painter.setPen(Qt::black);
    DrawTextCentred(painter, Width / 2.0, TitleBaseline, Utf8(texts.forms.title),
                    PixelFont("Liberation Serif", 36, true));
    for (size_t i = 0; i < CubicSimpleForms.size(); ++i) {
        const int row = int(i) / Columns, column = int(i) % Columns;
        DrawForm(painter, texts, i,
                 QRectF(column * CellWidth, GridTop + row * RowHeight, CellWidth, RowHeight));
    }
    DrawKey(painter, texts);
    return image;
}

} // namespace vestrel::reference
