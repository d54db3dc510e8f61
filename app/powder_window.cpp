// SPDX-License-Identifier: MIT
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
#include <QEvent>
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

const char* const PowderHint = QT_TRANSLATE_NOOP(
    "vestrel::PowderWindow",
    "Порошковая дифрактограмма|Рентгеновская порошковая дифрактограмма структуры, открытой из файла");

namespace {

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }
QString number(double value, int decimals) { return fromUtf8(cif::FormatNumber(value, decimals)); }

QString anodeItem(const diffraction::AnodeLine& line)
{
    return QString::fromUtf8(line.name) + QStringLiteral(", ") + number(line.wavelength, 5) + QStringLiteral(" Å");
}

} // namespace

PowderWindow::PowderWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PowderWindow"));
    setWindowTitle(tr("Порошковая дифрактограмма"));
    resize(960, 720);
    showMessageBox = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    askSaveFile = [this] {
        QString filter;
        QString name = QFileDialog::getSaveFileName(
            this, tr("Сохранить дифрактограмму"), QString(),
            tr("Таблица CSV (*.csv);;Рисунок PNG (*.png);;Рисунок SVG (*.svg)"), &filter);
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
    showNote(Note::NeedsFile);
}

PowderWindow::~PowderWindow()
{
    if (running_)
        running_->store(true);
    // The table's model points into lines_, which goes before the widget
    // base closes the window and lays out the table once more.
    model_->setLines(nullptr);
}

void PowderWindow::buildControls()
{
    anode_ = new QComboBox;
    for (const diffraction::AnodeLine& line : diffraction::AnodeLines)
        anode_->addItem(anodeItem(line));
    anode_->addItem(tr("Другая длина волны"));
    wavelength_ = new QLineEdit;
    from_ = new QLineEdit;
    to_ = new QLineEdit;
    profile_ = new QCheckBox(tr("Профиль пиков, ширина"));
    width_ = new QLineEdit;
    for (QLineEdit* edit : {wavelength_, from_, to_, width_})
        edit->setMaximumWidth(80);
    save_ = new QPushButton(tr("Сохранить…"));
    progress_ = new QProgressBar;
    progress_->setRange(0, 0);
    progress_->setMaximumWidth(120);
    progress_->setVisible(false);
    message_ = new QLabel;
    message_->setWordWrap(true);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(new QLabel(tr("Излучение:")));
    inputs->addWidget(anode_);
    inputs->addWidget(new QLabel(QStringLiteral("λ, Å:")));
    inputs->addWidget(wavelength_);
    inputs->addWidget(new QLabel(tr("2θ от")));
    inputs->addWidget(from_);
    inputs->addWidget(new QLabel(tr("до")));
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
    chart_->setLocale(QLocale());
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
    axisY_->setTitleText(tr("I, отн. ед."));
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
        showNote(Note::NeedsFile);
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
    patternMessage_ = fromUtf8(result.pattern.message);
    showNote(!result.pattern.ok ? Note::OfPattern : lines_.empty() ? Note::NoLines : Note::None);
    emit patternShown();
}

void PowderWindow::showNote(Note note)
{
    note_ = note;
    const QString text = note == Note::NeedsFile ? tr("Дифрактограмма рассчитывается для структуры из файла: "
                                                      "откройте файл CIF командой «Файл» → «Открыть структуру…».")
                         : note == Note::NoLines ? tr("В выбранном диапазоне углов 2θ линий нет: расширьте его.")
                         : note == Note::OfPattern ? patternMessage_
                                                   : QString();
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void PowderWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        followLanguage();
    QWidget::changeEvent(event);
}

void PowderWindow::followLanguage()
{
    for (std::size_t i = 0; i < diffraction::AnodeLines.size(); ++i)
        anode_->setItemText(static_cast<int>(i), anodeItem(diffraction::AnodeLines[i]));
    revertInputs();
    chart_->setLocale(QLocale());
    axisY_->setTitleText(tr("I, отн. ед."));
    fillTable();
    // The pattern's own message comes with the pattern: computed anew, it
    // speaks the new language.
    if (note_ == Note::OfPattern) {
        stale_ = true;
        if (isVisible())
            compute();
    } else {
        showNote(note_);
    }
}

void PowderWindow::fillTable() { model_->setLines(&lines_); }

} // namespace vestrel
