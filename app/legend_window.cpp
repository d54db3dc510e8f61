// SPDX-License-Identifier: MIT
#include "app/legend_window.h"

#include "app/picture_box.h"
#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/window_placement.h"

#include <QDir>
#include <QGroupBox>
#include <QMessageBox>

namespace vestrel {
namespace {

constexpr QSize ClientSize(152, 456);
constexpr QRect PictureArea(3, 16, 145, 437);

} // namespace

LegendWindow::LegendWindow(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form2");
    setWindowTitle(QString());
    setFixedSize(ClientSize);

    group_ = new QGroupBox(QStringLiteral("Обозначения атомов :"), this);
    group_->setObjectName("grp1");
    group_->setGeometry(QRect(QPoint(0, 0), ClientSize));

    picture_ = new PictureBox(group_);
    picture_->setObjectName("img1");
    picture_->setGeometry(PictureArea);

    const QImage image = LoadJpeg(QDir(programDir).filePath("Data/Legend/Atoms.jpg"), &loadError_);
    if (!image.isNull())
        picture_->setPicture(image);
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
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
