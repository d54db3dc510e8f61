// SPDX-License-Identifier: MIT
#include "app/about_window.h"

#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/localised_picture.h"
#include "logic/window_placement.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace vestrel {
namespace {

constexpr QSize WindowSize(477, 435);
constexpr QRgb Navy = qRgb(0, 0, 128);

QFont BoldPixelFont(const QFont& base, int pixelSize)
{
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

// White bold text on a navy band, sized to its text (SetBannerText).
QLabel* MakeBannerLabel(int pixelSize, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(BoldPixelFont(label->font(), pixelSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(Navy));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->move(at);
    return label;
}

void SetBannerText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

AboutWindow::AboutWindow(const QString& programDir, QWidget* parent) : QDialog(parent), programDir_(programDir)
{
    setObjectName("AboutForm");
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);
    setFixedSize(WindowSize);

    title_ = MakeBannerLabel(24, QPoint(144, 8), this);
    title_->setObjectName("lbl1");
    version_ = MakeBannerLabel(13, QPoint(208, 56), this);
    version_->setObjectName("lbl2");

    okButton_ = new QPushButton(this);
    okButton_->setObjectName("Button1");
    okButton_->setFont(BoldPixelFont(okButton_->font(), 16));
    okButton_->setGeometry(168, 280, 129, 33);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    setTexts();
    reloadPictures();
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
}

void AboutWindow::setTexts()
{
    setWindowTitle(tr("О программе"));
    SetBannerText(title_, tr("Вестрел"));
    SetBannerText(version_, tr("Вер. 1.1"));
    okButton_->setText(tr("ОК"));
}

void AboutWindow::reloadPictures()
{
    loadError_.clear();
    background_ = LoadJpeg(LocalisedDataFile(programDir_, QStringLiteral("About/Crystal.jpg")), &loadError_);
    update();
}

void AboutWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QDialog::changeEvent(event);
}

int AboutWindow::showCentredOn(const QWidget* mainWindow)
{
    move(AboutPosition(mainWindow->frameGeometry(), frameGeometry().size()));
    if (background_.isNull())
        QTimer::singleShot(0, this, [this] { if (isVisible()) showMessageBox(loadError_); });
    return exec();
}

void AboutWindow::paintEvent(QPaintEvent* event)
{
    if (background_.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), background_);
}

} // namespace vestrel
