// SPDX-License-Identifier: MIT
// The powder window's plot and its files: lines, profile, labels, the 2θ
// axis zoomed and panned, and the table or plot written to a file.
#include "app/powder_window.h"

#include "app/powder_widgets.h"

#include "logic/cif/loaded_structure.h"
#include "logic/cif/text_format.h"
#include "logic/diffraction/powder_text.h"
#include "logic/pictures/file_io.h"
#include "logic/pictures/png_file.h"

#include <QAbstractTableModel>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QSvgGenerator>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vestrel {

namespace {

// Above the strongest line the plot leaves room for the labels.
constexpr double HeadRoom = 1.15;

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void PowderWindow::fillChart()
{
    // The labels first: a change of the axes places them, and they must be
    // those of the new lines by then.
    for (QGraphicsSimpleTextItem* label : labels_)
        delete label;
    labels_.clear();
    labelled_ = diffraction::LabelledLines(lines_);
    for (std::size_t i : labelled_) {
        auto* label = new QGraphicsSimpleTextItem(fromUtf8(diffraction::HklLabel(lines_[i].hkl)), chart_);
        label->setFont(QFont(font().family(), 8));
        labels_.push_back(label);
    }
    showAxis({settings_.from, settings_.to});
    axisY_->setRange(0, 100 * HeadRoom);
    showProfile();
    placeLabels();
}

void PowderWindow::showProfile()
{
    profileSeries_->setVisible(profile_->isChecked());
    if (!profile_->isChecked()) {
        profileSeries_->clear();
        return;
    }
    QList<QPointF> points;
    double highest = 100;
    for (const diffraction::CurvePoint& p :
         diffraction::ProfileCurve(lines_, settings_.from, settings_.to, peakWidth_)) {
        points << QPointF(p.twoTheta, p.intensity);
        highest = std::max(highest, p.intensity);
    }
    profileSeries_->replace(points);
    axisY_->setRange(0, highest * HeadRoom);
    placeLabels();
}

void PowderWindow::placeLabels()
{
    const QRectF area = chart_->plotArea();
    for (std::size_t n = 0; n < labels_.size(); ++n) {
        const diffraction::PowderLine& l = lines_[labelled_[n]];
        const QPointF top = chart_->mapToPosition(QPointF(l.twoTheta, l.intensity), sticks_);
        QGraphicsSimpleTextItem* label = labels_[n];
        const QRectF box = label->boundingRect();
        label->setPos(top.x() - box.width() / 2, top.y() - box.height() - 2);
        label->setVisible(area.contains(QPointF(top.x(), area.center().y())));
    }
}

QString PowderWindow::hoverTextAt(double twoTheta) const { return hoverTextAt(twoTheta, 0.2); }

QString PowderWindow::hoverTextAt(double twoTheta, double tolerance) const
{
    const std::optional<std::size_t> i = diffraction::NearestLine(lines_, twoTheta, tolerance);
    return i ? fromUtf8(diffraction::HoverText(lines_[*i])) : QString();
}

diffraction::AxisRange PowderWindow::shownRange() const { return {axisX_->min(), axisX_->max()}; }

void PowderWindow::zoomAxis(double centre, double factor)
{
    const diffraction::AxisRange r = diffraction::ZoomRange(shownRange(), centre, factor, {settings_.from, settings_.to});
    showAxis(r);
}

void PowderWindow::panAxis(double shift)
{
    showAxis(diffraction::PanRange(shownRange(), shift, {settings_.from, settings_.to}));
}

void PowderWindow::showAxis(const diffraction::AxisRange& r)
{
    // About ten ticks whatever the zoom: 1, 2 or 5 times a power of ten apart.
    const double raw = (r.to - r.from) / 10;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw / decade < 2 ? decade : raw / decade < 5 ? 2 * decade : 5 * decade;
    axisX_->setTickInterval(step);
    axisX_->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : step >= 0.1 ? QStringLiteral("%.1f") : QStringLiteral("%.2f"));
    axisX_->setRange(r.from, r.to);
    showSticks();
}

void PowderWindow::showSticks()
{
    QList<QPointF> points;
    for (std::size_t i : diffraction::VisibleLines(lines_, shownRange())) {
        const diffraction::PowderLine& l = lines_[i];
        points << QPointF(l.twoTheta, 0) << QPointF(l.twoTheta, l.intensity) << QPointF(l.twoTheta, 0);
    }
    sticks_->replace(points);
}

bool PowderWindow::saveTo(const QString& path, QString* error)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("csv")) {
        const std::string csv = diffraction::TableCsv(lines_);
        return WriteFileAtomically(path, QByteArray::fromStdString(csv), error);
    }
    if (ending == QLatin1String("png"))
        return SavePng(view_->grab().toImage(), path, error);
    if (ending == QLatin1String("svg")) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view_->size());
        svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
        svg.setTitle(windowTitle());
        QPainter painter(&svg);
        view_->render(&painter);
        painter.end();
        return WriteFileAtomically(path, buffer.data(), error);
    }
    if (error)
        *error = tr("Дифрактограмма сохраняется как таблица CSV или рисунок PNG или SVG: имя файла "
                     "должно оканчиваться на .csv, .png или .svg.");
    return false;
}

void PowderWindow::saveWithDialog()
{
    if (lines_.empty()) {
        showMessageBox(tr("Сохранять нечего: дифрактограмма не рассчитана."));
        return;
    }
    const QString path = askSaveFile();
    if (path.isEmpty())
        return;
    QString error;
    if (!saveTo(path, &error))
        showMessageBox(error);
}

} // namespace vestrel
