// SPDX-License-Identifier: MIT
#include "app/powder_window.h"

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

const char* const PowderHint =
    "Порошковая дифрактограмма|Рентгеновская порошковая дифрактограмма структуры, открытой из файла";

namespace {

const QString Title = QStringLiteral("Порошковая дифрактограмма");
const QString NeedsFile = QStringLiteral("Дифрактограмма рассчитывается для структуры из файла: "
                                         "откройте файл CIF командой «Файл» → «Открыть структуру…».");
constexpr int IconSize = 32;
// The mouse this close to a line (pixels) shows its text.
constexpr double HoverPixels = 5;
// One notch of the wheel zooms by this factor.
constexpr double WheelZoom = 0.8;
// Above the strongest line the plot leaves room for the labels.
constexpr double HeadRoom = 1.15;

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }
QString number(double value, int decimals) { return fromUtf8(cif::FormatNumber(value, decimals)); }
QString fixed(double value, int decimals) { return fromUtf8(cif::FormatFixed(value, decimals)); }

} // namespace

// The table's rows: one per line, shown with a decimal comma, sorted by the
// numbers themselves.
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
            return decimals[c] == 0 ? number(values[c], 0) : fixed(values[c], decimals[c]);
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

QIcon PowderIcon()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Axes, then a few lines of a pattern under its profile.
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    const double lines[][2] = {{9, 14}, {13, 5}, {18, 17}, {23, 11}, {26, 21}};
    p.setPen(QPen(QColor(180, 0, 0), 2.0));
    for (const auto& l : lines)
        p.drawLine(QPointF(l[0], 27), QPointF(l[0], l[1]));
    QPainterPath profile;
    profile.moveTo(5, 27);
    for (const auto& l : lines) {
        profile.lineTo(l[0] - 1.5, 26);
        profile.lineTo(l[0], l[1]);
        profile.lineTo(l[0] + 1.5, 26);
    }
    profile.lineTo(29, 27);
    p.setPen(QPen(QColor(40, 90, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(profile);
    p.end();
    return QIcon(pixmap);
}

// The plot: the mouse wheel zooms the 2θ axis about the mouse, a drag pans
// it, and hovering shows the text of the nearest line.
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
            window_->zoomAxis(valueAt(event->position()), std::pow(WheelZoom, steps));
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
        const QString text = window_->hoverTextAt(valueAt(event->position()), degreesPerPixel() * HoverPixels);
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

PowderWindow::PowderWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PowderWindow"));
    setWindowTitle(Title);
    resize(960, 720);
    showMessageBox = [this](const QString& text) { QMessageBox::warning(this, Title, text); };
    askSaveFile = [this] {
        QString filter;
        QString name = QFileDialog::getSaveFileName(
            this, QStringLiteral("Сохранить дифрактограмму"), QString(),
            QStringLiteral("Таблица CSV (*.csv);;Рисунок PNG (*.png);;Рисунок SVG (*.svg)"), &filter);
        if (name.isEmpty())
            return name;
        const QString ending = filter.contains(QLatin1String("*.png"))   ? QStringLiteral(".png")
                               : filter.contains(QLatin1String("*.svg")) ? QStringLiteral(".svg")
                                                                         : QStringLiteral(".csv");
        if (!name.endsWith(ending, Qt::CaseInsensitive))
            name += ending;
        return name;
    };
    buildControls();
    revertInputs();
    showMessage(NeedsFile);
}

PowderWindow::~PowderWindow()
{
    if (running_)
        running_->store(true);
}

void PowderWindow::buildControls()
{
    anode_ = new QComboBox;
    for (const diffraction::AnodeLine& line : diffraction::AnodeLines)
        anode_->addItem(QString::fromUtf8(line.name) + QStringLiteral(", ") + number(line.wavelength, 5)
                        + QStringLiteral(" Å"));
    anode_->addItem(QStringLiteral("Другая длина волны"));
    wavelength_ = new QLineEdit;
    from_ = new QLineEdit;
    to_ = new QLineEdit;
    profile_ = new QCheckBox(QStringLiteral("Профиль пиков, ширина"));
    width_ = new QLineEdit;
    for (QLineEdit* edit : {wavelength_, from_, to_, width_})
        edit->setMaximumWidth(80);
    save_ = new QPushButton(QStringLiteral("Сохранить…"));
    progress_ = new QProgressBar;
    progress_->setRange(0, 0);
    progress_->setMaximumWidth(120);
    progress_->setVisible(false);
    message_ = new QLabel;
    message_->setWordWrap(true);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(new QLabel(QStringLiteral("Излучение:")));
    inputs->addWidget(anode_);
    inputs->addWidget(new QLabel(QStringLiteral("λ, Å:")));
    inputs->addWidget(wavelength_);
    inputs->addWidget(new QLabel(QStringLiteral("2θ от")));
    inputs->addWidget(from_);
    inputs->addWidget(new QLabel(QStringLiteral("до")));
    inputs->addWidget(to_);
    inputs->addWidget(new QLabel(QStringLiteral("°")));
    inputs->addWidget(profile_);
    inputs->addWidget(width_);
    inputs->addWidget(new QLabel(QStringLiteral("°")));
    inputs->addStretch();
    inputs->addWidget(progress_);
    inputs->addWidget(save_);

    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    sticks_ = new QLineSeries;
    sticks_->setPen(QPen(QColor(180, 0, 0), 1.5));
    profileSeries_ = new QLineSeries;
    profileSeries_->setPen(QPen(QColor(40, 90, 200), 1.0));
    chart_->addSeries(profileSeries_);
    chart_->addSeries(sticks_);
    axisX_ = new QValueAxis;
    axisX_->setTitleText(QStringLiteral("2θ, °"));
    axisX_->setLabelFormat(QStringLiteral("%.1f"));
    axisY_ = new QValueAxis;
    axisY_->setTitleText(QStringLiteral("I, отн. ед."));
    axisY_->setLabelFormat(QStringLiteral("%.0f"));
    axisY_->setTickType(QValueAxis::TicksDynamic);
    axisY_->setTickAnchor(0);
    axisY_->setTickInterval(20);
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisX_->setTickAnchor(0);
    axisX_->setTickInterval(10);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    for (QLineSeries* s : {sticks_, profileSeries_}) {
        s->attachAxis(axisX_);
        s->attachAxis(axisY_);
    }
    view_ = new PowderChartView(chart_, this);
    view_->setMinimumHeight(300);

    model_ = new PowderTableModel(this);
    model_->setLines(&lines_);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model_);
    sorted->setSortRole(Qt::UserRole);
    table_ = new QTableView;
    table_->setModel(sorted);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(view_);
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({580, 380});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(message_);
    layout->addWidget(split, 1);

    connect(anode_, &QComboBox::activated, this, [this](int index) {
        if (index < static_cast<int>(diffraction::AnodeLines.size())) {
            wavelength_->setText(number(diffraction::AnodeLines[static_cast<std::size_t>(index)].wavelength, 5));
            applyInputs();
        } else {
            wavelength_->setFocus();
            wavelength_->selectAll();
        }
    });
    for (QLineEdit* edit : {wavelength_, from_, to_, width_})
        connect(edit, &QLineEdit::editingFinished, this, &PowderWindow::applyInputs);
    connect(profile_, &QCheckBox::toggled, this, [this] { showProfile(); });
    connect(save_, &QPushButton::clicked, this, &PowderWindow::saveWithDialog);
    connect(chart_, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
    connect(axisX_, &QValueAxis::rangeChanged, this, [this] { placeLabels(); });
}

QChartView* PowderWindow::chartView() const { return view_; }

void PowderWindow::setStructure(const cif::LoadedStructure* structure, const QString& path)
{
    // The same file may have been opened again after a change: read it anew.
    path_ = structure && structure->isLoaded() ? path : QString();
    crystal_.reset();
    stale_ = true;
    if (isVisible())
        compute();
}

void PowderWindow::showPowder()
{
    show();
    raise();
    activateWindow();
    if (stale_)
        compute();
}

void PowderWindow::revertInputs()
{
    const QSignalBlocker block(anode_);
    int anode = static_cast<int>(diffraction::AnodeLines.size());
    for (std::size_t i = 0; i < diffraction::AnodeLines.size(); ++i)
        if (diffraction::AnodeLines[i].wavelength == settings_.wavelength)
            anode = static_cast<int>(i);
    anode_->setCurrentIndex(anode);
    wavelength_->setText(number(settings_.wavelength, 5));
    from_->setText(number(settings_.from, 3));
    to_->setText(number(settings_.to, 3));
    width_->setText(number(peakWidth_, 3));
}

void PowderWindow::applyInputs()
{
    const auto read = [](QLineEdit* edit) {
        return diffraction::ParseDecimal(edit->text().toStdString()).value_or(std::nan(""));
    };
    diffraction::PowderSettings next{read(wavelength_), read(from_), read(to_)};
    const double width = read(width_);
    std::string problem = diffraction::CheckSettings(next);
    if (problem.empty())
        problem = diffraction::CheckPeakWidth(width);
    if (!problem.empty()) {
        revertInputs();
        showMessageBox(fromUtf8(problem));
        return;
    }
    const bool patternChanges =
        next.wavelength != settings_.wavelength || next.from != settings_.from || next.to != settings_.to;
    settings_ = next;
    peakWidth_ = width;
    revertInputs();
    if (patternChanges) {
        stale_ = true;
        compute();
    } else {
        showProfile();
    }
}

void PowderWindow::compute()
{
    if (running_) {
        // The computation under way is of no use any more; its end starts the next.
        running_->store(true);
        again_ = true;
        return;
    }
    stale_ = false;
    if (path_.isEmpty()) {
        lines_.clear();
        fillTable();
        fillChart();
        showMessage(NeedsFile);
        emit patternShown();
        return;
    }
    running_ = std::make_shared<std::atomic<bool>>(false);
    runningPath_ = path_;
    progress_->setVisible(true);
    auto* watcher = new QFutureWatcher<diffraction::PowderResult>(this);
    connect(watcher, &QFutureWatcher<diffraction::PowderResult>::finished, this, [this, watcher] {
        watcher->deleteLater();
        adoptResult(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(
        [crystal = crystal_, path = QFile::encodeName(path_).toStdString(), settings = settings_, cancel = running_] {
            return diffraction::RunPowder(crystal, path, settings, cancel.get());
        }));
}

void PowderWindow::adoptResult(diffraction::PowderResult result)
{
    running_.reset();
    progress_->setVisible(false);
    // What was read of the file serves the next run as long as the file is the same.
    if (runningPath_ == path_ && result.crystal)
        crystal_ = result.crystal;
    if (again_) {
        again_ = false;
        compute();
        return;
    }
    lines_ = std::move(result.pattern.lines);
    fillTable();
    fillChart();
    if (!result.pattern.ok)
        showMessage(fromUtf8(result.pattern.message));
    else if (lines_.empty())
        showMessage(QStringLiteral("В выбранном диапазоне углов 2θ линий нет: расширьте его."));
    else
        showMessage({});
    emit patternShown();
}

void PowderWindow::showMessage(const QString& text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void PowderWindow::fillTable() { model_->setLines(&lines_); }

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
        svg.setTitle(Title);
        QPainter painter(&svg);
        view_->render(&painter);
        painter.end();
        return WriteFileAtomically(path, buffer.data(), error);
    }
    if (error)
        *error = QStringLiteral("Дифрактограмма сохраняется как таблица CSV или рисунок PNG или SVG: имя файла "
                                "должно оканчиваться на .csv, .png или .svg.");
    return false;
}

void PowderWindow::saveWithDialog()
{
    if (lines_.empty()) {
        showMessageBox(QStringLiteral("Сохранять нечего: дифрактограмма не рассчитана."));
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
