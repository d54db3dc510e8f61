// SPDX-License-Identifier: MIT
// Layout of the atom legend picture: two columns of balls, each ball
// followed by a dash and the element symbol. The middle of every ball is a
// flat disc of exactly the element's colour.
#pragma once

namespace vestrel::reference::legend {

inline constexpr int Width = 145;
inline constexpr int Height = 437;

inline constexpr double BallRadius = 13;
// Out to this radius the ball has the element's colour exactly; beyond it the
// rim darkens.
inline constexpr double FlatRadius = 11.5;

inline constexpr double FirstRowY = 24;
inline constexpr double RowSpacing = 43;
// Each column's balls are centred on the middle of a 16-pixel column of JPEG
// colour blocks (4:2:0 chroma), which the flat disc covers from side to side,
// so that coding keeps the colour within a few levels.
inline constexpr double LeftColumnX = 23;
inline constexpr double RightColumnX = 88;

struct BallCentre {
    double x = 0;
    double y = 0;
};

// column 0 is the left column, column 1 the right one; rows from the top.
inline constexpr BallCentre BallCentreAt(int column, int row)
{
    return {column == 0 ? LeftColumnX : RightColumnX, FirstRowY + row * RowSpacing};
}

} // namespace vestrel::reference::legend
