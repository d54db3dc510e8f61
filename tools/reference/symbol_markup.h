// SPDX-License-Identifier: MIT
// Crystallographic symbols as runs of text in three styles: plain,
// subscript, and a digit with a bar over it (an inversion axis, printed
// "4" with an overbar and typed "-4").
#pragma once

#include <QString>

#include <string_view>
#include <vector>

namespace vestrel::reference {

enum class RunStyle { Plain, Subscript, Overbar };

struct TextRun {
    QString text;
    RunStyle style = RunStyle::Plain;
    bool operator==(const TextRun&) const = default;
};

using RichText = std::vector<TextRun>;

namespace detail {

inline void Append(RichText& out, QChar c, RunStyle style)
{
    if (!out.empty() && out.back().style == style && style != RunStyle::Overbar)
        out.back().text += c;
    else
        out.push_back({QString(c), style});
}

inline QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace detail

// "-43m": a "-" before a digit puts a bar over that digit.
inline RichText HermannMauguin(std::string_view symbol)
{
    const QString s = detail::FromUtf8(symbol);
    RichText out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'-' && i + 1 < s.size() && s[i + 1].isDigit())
            detail::Append(out, s[++i], RunStyle::Overbar);
        else
            detail::Append(out, s[i], RunStyle::Plain);
    }
    return out;
}

// "C4h": the first letter plain, the rest a subscript.
inline RichText Schoenflies(std::string_view symbol)
{
    const QString s = detail::FromUtf8(symbol);
    RichText out;
    if (s.isEmpty())
        return out;
    out.push_back({s.left(1), RunStyle::Plain});
    if (s.size() > 1)
        out.push_back({s.mid(1), RunStyle::Subscript});
    return out;
}

// "3Li4 4L3 6P": after each "L" its order (and "i" for an inversion axis)
// is a subscript; a blank between elements becomes a thin space.
inline RichText SymmetryFormula(std::string_view formula)
{
    const QString s = detail::FromUtf8(formula);
    RichText out;
    bool afterL = false;
    for (QChar c : s) {
        const bool order = afterL && (c.isDigit() || c == u'i');
        if (c == u' ')
            detail::Append(out, QChar(0x2009), RunStyle::Plain);
        else
            detail::Append(out, c, order ? RunStyle::Subscript : RunStyle::Plain);
        afterL = c == u'L' || order;
    }
    return out;
}

// "i, 3Ā4, 4A3, 6m": the order after each "A" or "Ā" is a subscript.
inline RichText MineralogySymmetryFormula(std::string_view formula)
{
    const QString s = detail::FromUtf8(formula);
    RichText out;
    bool afterAxis = false;
    for (QChar c : s) {
        const bool order = afterAxis && c.isDigit();
        detail::Append(out, c, order ? RunStyle::Subscript : RunStyle::Plain);
        afterAxis = c == u'A' || c == QChar(0x0100) || order;
    }
    return out;
}

// General markup for captions: "_{...}" a subscript, "!{...}" barred digits.
inline RichText Markup(std::string_view text)
{
    const QString s = detail::FromUtf8(text);
    RichText out;
    RunStyle style = RunStyle::Plain;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if ((s[i] == u'_' || s[i] == u'!') && i + 1 < s.size() && s[i + 1] == u'{') {
            style = s[i] == u'_' ? RunStyle::Subscript : RunStyle::Overbar;
            ++i;
        } else if (s[i] == u'}' && style != RunStyle::Plain) {
            style = RunStyle::Plain;
        } else {
            detail::Append(out, s[i], style);
        }
    }
    return out;
}

} // namespace vestrel::reference
