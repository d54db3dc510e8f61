// SPDX-License-Identifier: MIT
#include "app/legend_window.h"

#include "app/picture_box.h"
#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/localised_picture.h"
#include "logic/window_placement.h"

#include <QEvent>
#include <QGroupBox>
#include <QMessageBox>

namespace vestrel {
namespace {

constexpr QSize ClientSize(152, 456);
constexpr QRect PictureArea(3, 16, 145, 437);

} // namespace

LegendWindow::LegendWindow(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), programDir_(programDir)
{
    setObjectName("Form2");
    setWindowTitle(QString());
    setFixedSize(ClientSize);

    group_ = new QGroupBox(this);
    group_->setObjectName("grp1");
    group_->setGeometry(QRect(QPoint(0, 0), ClientSize));

    picture_ = new PictureBox(group_);
    picture_->setObjectName("img1");
    picture_->setGeometry(PictureArea);

    setTexts();
    reloadPictures();
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
}

void LegendWindow::reloadPictures()
{
    loadError_.clear();
    const QImage image = LoadJpeg(LocalisedDataFile(programDir_, QStringLiteral("Legend/Atoms.jpg")), &loadError_);
    if (image.isNull())
        picture_->clear();
    else
        picture_->setPicture(image);
}

void LegendWindow::setTexts() { group_->setTitle(tr("Обозначения атомов :")); }

void LegendWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void LegendWindow::presentBeside(int drawingPanelWidth)
{
    move(LegendPosition(drawingPanelWidth));
    show();
    raise();
    activateWindow();
    if (!loadError_.isEmpty())
        showMessageBox(loadError_);
}

} // namespace vestrel
