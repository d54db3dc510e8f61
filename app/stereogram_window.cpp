// SPDX-License-Identifier: MIT
#include "app/stereogram_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vestrel {

const char* const StereogramHint =
    QT_TRANSLATE_NOOP("vestrel::StereogramWindow",
                      "Стереографическая проекция|Стереографическая проекция многогранника или класса симметрии");

QIcon StereogramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The primitive, two mirrors, poles above and below.
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.setBrush(QColor(0, 0, 0));
    for (const QPointF& at : {QPointF(10, 10), QPointF(22, 22)})
        p.drawEllipse(at, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 200), 1.2));
    for (const QPointF& at : {QPointF(22, 10), QPointF(10, 22)})
        p.drawEllipse(at, 3, 3);
    p.end();
    return QIcon(pixmap);
}

class StereogramCanvas : public QWidget {
public:
    explicit StereogramCanvas(StereogramWindow& window) : QWidget(&window), window_(window)
    {
        setObjectName(QStringLiteral("stereogramCanvas"));
        setMinimumSize(360, 360);
    }
    std::function<void(QPainter&)> paintWith;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (paintWith)
            paintWith(painter);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            window_.clickAt(event->position());
    }

private:
    StereogramWindow& window_;
};

StereogramWindow::StereogramWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("stereogramWindow"));
    setWindowTitle(tr("Стереографическая проекция"));
    canvas_ = new StereogramCanvas(*this);
    canvas_->paintWith = [this](QPainter& p) { PaintStereogram(p, QRectF(canvas_->rect()), stereogram(), look_); };
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("stereogramModeBox"));
    mode_->addItems({tr("Стандартная установка"), tr("Вместе с моделью")});
    net_ = new QCheckBox(tr("Сетка Вульфа"), this);
    net_->setObjectName(QStringLiteral("stereogramNetBox"));
    fine_ = new QCheckBox(tr("Через 2°"), this);
    fine_->setObjectName(QStringLiteral("stereogramFineNetBox"));
    fine_->setEnabled(false);
    symbols_ = new QCheckBox(tr("Символы граней"), this);
    symbols_->setObjectName(QStringLiteral("stereogramSymbolsBox"));
    save_ = new QPushButton(tr("Сохранить проекцию…"), this);
    save_->setObjectName(QStringLiteral("saveStereogramButton"));
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("stereogramStatusBar"));
    status_->setSizeGripEnabled(false);

    auto* controls = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{mode_, net_, fine_, symbols_})
        controls->addWidget(w);
    controls->addStretch();
    controls->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(canvas_, 1);
    layout->addWidget(status_);
    resize(560, 640);

    connect(mode_, &QComboBox::currentIndexChanged, this, [this] { reproject(); });
    connect(net_, &QCheckBox::toggled, this, [this](bool on) {
        look_.wulffNet = on;
        fine_->setEnabled(on);
        canvas_->update();
    });
    connect(fine_, &QCheckBox::toggled, this, [this](bool on) {
        look_.fineNet = on;
        canvas_->update();
    });
    connect(symbols_, &QCheckBox::toggled, this, [this](bool on) {
        look_.faceSymbols = on;
        canvas_->update();
    });
    connect(save_, &QPushButton::clicked, this, [this] { saveChosen(); });
    askSaveTarget = [this] { return askWithDialogs(); };
    showMessage = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    reproject();
}

void StereogramWindow::setInput(const StereogramInput& input)
{
    const bool sameFaces = input_.source && input.source && input_.source->faces.size() == input.source->faces.size();
    input_ = input;
    if (!sameFaces)
        look_.markedFace.reset();
    look_.colours = input.colours;
    reproject();
}

void StereogramWindow::reproject()
{
    if (!input_.source) {
        stereogram_.reset();
    } else {
        const bool withModel = mode_->currentIndex() == 1;
        const Mat3 orientation = withModel ? morphology::ViewOrientation(input_.view) : morphology::StandardOrientation(*input_.source);
        stereogram_ = morphology::Project(*input_.source, orientation, input_.motion);
    }
    sayMarkedFace();
    canvas_->update();
}

void StereogramWindow::markFace(std::optional<int> face)
{
    look_.markedFace = face;
    sayMarkedFace();
    canvas_->update();
}

void StereogramWindow::sayMarkedFace()
{
    QString text;
    if (!stereogram_)
        text = tr(StereogramEmptyText);
    else if (look_.markedFace && input_.source && *look_.markedFace < static_cast<int>(input_.source->faces.size())) {
        const std::string& symbol = input_.source->faces[static_cast<std::size_t>(*look_.markedFace)].symbol;
        text = symbol.empty() ? tr("Грань %1").arg(*look_.markedFace + 1)
                              : tr("Грань %1").arg(QString::fromStdString(symbol));
    }
    status_->showMessage(text);
}

void StereogramWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        sayMarkedFace();
        canvas_->update();
    }
    QWidget::changeEvent(event);
}

void StereogramWindow::clickAt(QPointF pixel)
{
    if (!stereogram_)
        return;
    const StereogramFrame frame = StereogramFrame::Inside(QRectF(canvas_->rect()));
    const auto pole = morphology::PoleNear(*stereogram_, frame.fromPixels(pixel), 8 / frame.radius);
    const std::optional<int> face = pole ? std::optional<int>(stereogram_->poles[static_cast<std::size_t>(*pole)].face) : std::nullopt;
    markFace(face);
    emit faceClicked(face);
}

std::optional<QPointF> StereogramWindow::poleOnCanvas(int face) const
{
    if (!stereogram_)
        return std::nullopt;
    const StereogramFrame frame = StereogramFrame::Inside(QRectF(canvas_->rect()));
    for (const auto& pole : stereogram_->poles)
        if (pole.face == face)
            return frame.toPixels(pole.at);
    return std::nullopt;
}

bool StereogramWindow::saveTo(const QString& path, QSize size, QString* error) const
{
    return SaveStereogram(path, size, stereogram(), look_, error);
}

std::pair<QString, QSize> StereogramWindow::askWithDialogs()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Сохранить проекцию"), QStringLiteral("stereogram.svg"),
                                                tr("Рисунок SVG (*.svg);;Рисунок PNG (*.png)"), &filter);
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += filter.contains(QLatin1String("*.png")) ? QStringLiteral(".png") : QStringLiteral(".svg");
    bool ok = false;
    const int side = QInputDialog::getInt(this, tr("Сохранить проекцию"), tr("Размер рисунка, точек:"),
                                          800, 100, 8192, 100, &ok);
    if (!ok)
        return {};
    return {path, QSize(side, side)};
}

void StereogramWindow::saveChosen()
{
    const auto [path, size] = askSaveTarget();
    if (path.isEmpty())
        return;
    QString error;
    if (!saveTo(path, size, &error))
        showMessage(error);
}

} // namespace vestrel
