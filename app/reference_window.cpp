// SPDX-License-Identifier: MIT
#include "app/reference_window.h"

#include "app/picture_box.h"
#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/localised_picture.h"
#include "logic/window_placement.h"

#include <QEvent>
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

// The files are relative to the Data folder.
constexpr ReferencePage Pages[ReferenceWindow::PageCount] = {
    {"ts1", QT_TRANSLATE_NOOP("vestrel::ReferenceWindow", "Распределение 32 видов симметрии по сингониям"),
     "Reference/Classes32.jpg"},
    {"ts2", QT_TRANSLATE_NOOP("vestrel::ReferenceWindow", "Пространственные решетки Браве"), "Reference/Bravais.jpg"},
    {"ts3", QT_TRANSLATE_NOOP("vestrel::ReferenceWindow", "Простые формы кубической сингонии"),
     "Reference/CubicForms.jpg"},
    {"ts4", QT_TRANSLATE_NOOP("vestrel::ReferenceWindow", "Плотнейшие упаковки"), "Reference/Packings.jpg"},
    {"ts5", QT_TRANSLATE_NOOP("vestrel::ReferenceWindow", "Сетка Вульфа"), "Reference/Wulff.jpg"},
};

constexpr QSize WindowSize(906, 669);

} // namespace

ReferenceWindow::ReferenceWindow(const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), programDir_(programDir)
{
    setObjectName("Form5");
    resize(WindowSize);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);

    for (int i = 0; i < PageCount; ++i)
        addPage(i);
    tabs_->setCurrentIndex(0);
    setTexts();
    showMessageBox = [this](const QString& text) { QMessageBox::information(this, ProgramCaption(), text); };
}

void ReferenceWindow::addPage(int index)
{
    const ReferencePage& page = Pages[index];
    auto* tab = new QWidget;
    tab->setObjectName(page.name);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    pictures_[index] = new PictureBox(tab);
    pictures_[index]->setObjectName(QStringLiteral("img%1").arg(index + 1));
    layout->addWidget(pictures_[index]);
    tabs_->addTab(tab, QString());
}

void ReferenceWindow::setTexts()
{
    setWindowTitle(tr("Краткий  справочник по кристаллографии"));
    for (int i = 0; i < PageCount; ++i)
        tabs_->setTabText(i, tr(Pages[i].caption));
}

void ReferenceWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void ReferenceWindow::loadPictures() const
{
    if (loaded_)
        return;
    loaded_ = true;
    for (int i = 0; i < PageCount; ++i) {
        QString error;
        const QImage image = LoadJpeg(LocalisedDataFile(programDir_, QString::fromUtf8(Pages[i].file)), &error);
        if (image.isNull()) {
            loadErrors_.append(error);
            pictures_[i]->clear();
        } else {
            pictures_[i]->setPicture(image);
        }
    }
}

void ReferenceWindow::reloadPictures()
{
    if (!loaded_)
        return;
    loaded_ = false;
    loadErrors_.clear();
    loadPictures();
}

const QStringList& ReferenceWindow::loadErrors() const
{
    loadPictures();
    return loadErrors_;
}

PictureBox* ReferenceWindow::picture(int page) const
{
    loadPictures();
    return page >= 0 && page < PageCount ? pictures_[page] : nullptr;
}

void ReferenceWindow::present()
{
    show();
    raise();
    activateWindow();
    if (!loadErrors_.isEmpty())
        showMessageBox(loadErrors_.join(QLatin1Char('\n')));
}

void ReferenceWindow::showEvent(QShowEvent* event)
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
