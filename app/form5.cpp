// SPDX-License-Identifier: MIT
#include "app/form5.h"

#include "app/picture_box.h"
#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/window_placement.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vestrel {
namespace {

struct ReferencePage {
    const char* name;
    const char* caption;
    const char* file;
};

constexpr ReferencePage Pages[Form5::PageCount] = {
    {"ts1", "Распределение 32 видов симметрии по сингониям", "Data/Reference/Classes32.jpg"},
    {"ts2", "Пространственные решетки Браве", "Data/Reference/Bravais.jpg"},
    {"ts3", "Простые формы кубической сингонии", "Data/Reference/CubicForms.jpg"},
    {"ts4", "Плотнейшие упаковки", "Data/Reference/Packings.jpg"},
    {"ts5", "Сетка Вульфа", "Data/Reference/Wulff.jpg"},
};

constexpr QSize WindowSize(906, 669);

} // namespace

Form5::Form5(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), programDir_(programDir)
{
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("Краткий  справочник по кристаллографии"));
    resize(WindowSize);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);

    for (int i = 0; i < PageCount; ++i)
        addPage(i);
    PageControl1->setCurrentIndex(0);
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
}

void Form5::addPage(int index)
{
    const ReferencePage& page = Pages[index];
    auto* tab = new QWidget;
    tab->setObjectName(page.name);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    pictures_[index] = new PictureBox(tab);
    pictures_[index]->setObjectName(QStringLiteral("img%1").arg(index + 1));
    layout->addWidget(pictures_[index]);
    PageControl1->addTab(tab, QString::fromUtf8(page.caption));
}

void Form5::loadPictures() const
{
    if (loaded_)
        return;
    loaded_ = true;
    for (int i = 0; i < PageCount; ++i) {
        QString error;
        const QImage image = LoadJpeg(QDir(programDir_).filePath(Pages[i].file), &error);
        if (image.isNull())
            loadErrors_.append(error);
        else
            pictures_[i]->setPicture(image);
    }
}

const QStringList& Form5::loadErrors() const
{
    loadPictures();
    return loadErrors_;
}

PictureBox* Form5::picture(int page) const
{
    loadPictures();
    return page >= 0 && page < PageCount ? pictures_[page] : nullptr;
}

void Form5::present()
{
    show();
    raise();
    activateWindow();
    if (!loadErrors_.isEmpty())
        showMessageBox(loadErrors_.join(QLatin1Char('\n')));
}

void Form5::showEvent(QShowEvent* event)
{
    loadPictures();
    // Centred on the screen the first time only; afterwards the window stays
    // where the user left it.
    if (!placed_) {
        placed_ = true;
        if (QScreen* s = screen())
            move(CentredOnScreen(s->availableGeometry(), frameGeometry().size()));
    }
    QWidget::showEvent(event);
}

} // namespace vestrel
