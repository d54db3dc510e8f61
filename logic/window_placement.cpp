// SPDX-License-Identifier: MIT
#include "logic/window_placement.h"

namespace vestrel {
namespace {

constexpr int LegendTop = 70;
constexpr int LegendLeftFromPanelWidth = 150;

// Truncation towards zero, as a cast from double does.
int CentredEdge(int mainEdge, int mainExtent, int ownExtent)
{
    return static_cast<int>(mainEdge + mainExtent / 2.0 - ownExtent / 2.0);
}

} // namespace

QPoint LegendPosition(int panelWidth)
{
    return QPoint(panelWidth - LegendLeftFromPanelWidth, LegendTop);
}

QPoint AboutPosition(QRect mainWindowFrame, QSize aboutSize)
{
    return QPoint(CentredEdge(mainWindowFrame.left(), mainWindowFrame.width(), aboutSize.width()),
                  CentredEdge(mainWindowFrame.top(), mainWindowFrame.height(), aboutSize.height()));
}

QPoint CentredOnScreen(QRect workArea, QSize windowSize)
{
    return QPoint(workArea.left() + (workArea.width() - windowSize.width()) / 2,
                  workArea.top() + (workArea.height() - windowSize.height()) / 2);
}

} // namespace vestrel
