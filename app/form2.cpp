// SPDX-License-Identifier: MIT
#include "app/form2.h"

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

Form2::Form2(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form2");
    setWindowTitle(QString());
    setFixedSize(ClientSize);

    grp1 = new QGroupBox(QStringLiteral("Обозначения атомов :"), this);
    grp1->setObjectName("grp1");
    grp1->setGeometry(QRect(QPoint(0, 0), ClientSize));

    img1 = new PictureBox(grp1);
    img1->setObjectName("img1");
    img1->setGeometry(PictureArea);

    const QImage image = LoadJpeg(QDir(programDir).filePath("Data/Legend/Atoms.jpg"), &loadError_);
    if (!image.isNull())
        img1->setPicture(image);
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
}

void Form2::presentBeside(int drawingPanelWidth)
{
    move(LegendPosition(drawingPanelWidth));
    show();
    raise();
    activateWindow();
    if (!loadError_.isEmpty())
        showMessageBox(loadError_);
}

} // namespace vestrel
