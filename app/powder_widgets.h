// SPDX-License-Identifier: MIT
// The powder window's table model and plot view: the table's rows with a
// decimal comma, sorted by the numbers themselves; the plot zoomed with the
// wheel, panned with a drag, and the nearest line's text on hovering.
#pragma once

#include "app/powder_window.h"
#include "logic/diffraction/powder_pattern.h"

#include "logic/cif/text_format.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <optional>
#include <vector>

namespace vestrel {

namespace powder_view {
// The mouse this close to a line (pixels) shows its text.
constexpr double HoverPixels = 5;
// One notch of the wheel zooms by this factor.
constexpr double WheelZoom = 0.8;
inline QString number(double value, int decimals) { return QString::fromStdString(cif::FormatNumber(value, decimals)); }
inline QString fixed(double value, int decimals) { return QString::fromStdString(cif::FormatFixed(value, decimals)); }
} // namespace powder_view

class PowderTableModel : public QAbstractTableModel {
public:
    explicit PowderTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setLines(const std::vector<diffraction::PowderLine>* lines)
    {
        beginResetModel();
        lines_ = lines;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !lines_ ? 0 : static_cast<int>(lines_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 7; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char* const titles[7] = {"2θ, °", "d, Å", "h", "k", "l", "p", "I"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 7)
            return QString::fromUtf8(titles[section]);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!lines_ || !index.isValid())
            return {};
        const diffraction::PowderLine& l = (*lines_)[static_cast<std::size_t>(index.row())];
        const double values[7] = {l.twoTheta, l.d, double(l.hkl[0]), double(l.hkl[1]), double(l.hkl[2]),
                                  double(l.multiplicity), l.intensity};
        const int decimals[7] = {3, 4, 0, 0, 0, 0, 1};
        const int c = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return decimals[c] == 0 ? powder_view::number(values[c], 0) : powder_view::fixed(values[c], decimals[c]);
        case Qt::UserRole:
            return values[c];
        case Qt::TextAlignmentRole:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
        }
    }

private:
    const std::vector<diffraction::PowderLine>* lines_ = nullptr;
};


class PowderChartView : public QChartView {
public:
    PowderChartView(QChart* chart, PowderWindow* window) : QChartView(chart), window_(window)
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        const double steps = event->angleDelta().y() / 120.0;
        if (steps != 0)
            window_->zoomAxis(valueAt(event->position()), std::pow(powder_view::WheelZoom, steps));
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dragFrom_ = event->position().x();
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        dragFrom_.reset();
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (dragFrom_) {
            const double x = event->position().x();
            window_->panAxis(valueAt(QPointF(*dragFrom_, 0)) - valueAt(QPointF(x, 0)));
            dragFrom_ = x;
            return;
        }
        const QString text = window_->hoverTextAt(valueAt(event->position()), degreesPerPixel() * powder_view::HoverPixels);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }

private:
    double valueAt(const QPointF& viewPoint) const
    {
        return chart()->mapToValue(chart()->mapFromScene(mapToScene(viewPoint.toPoint()))).x();
    }
    double degreesPerPixel() const
    {
        const QRectF area = chart()->plotArea();
        const diffraction::AxisRange r = window_->shownRange();
        return area.width() > 0 ? (r.to - r.from) / area.width() : 0;
    }

    PowderWindow* window_;
    std::optional<double> dragFrom_;
};


} // namespace vestrel
