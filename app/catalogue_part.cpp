// SPDX-License-Identifier: MIT
#include "app/catalogue_part.h"

#include "app/main_window_parts.h"
#include "app/picture_box.h"
#include "logic/hints.h"
#include "logic/info_text.h"
#include "logic/pictures/jpeg_codec.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vestrel {

namespace {

// The structure from a file follows the catalogue's items in the list.
constexpr int FileItem = StructureCount + 1;

} // namespace

CataloguePart::CataloguePart(QWidget* parent, const QString& programDir,
                             std::function<void(const QString&)> messages, std::function<void(bool)> enableOptions)
    : QObject(parent), programDir_(programDir), messages_(std::move(messages)), enableOptions_(std::move(enableOptions))
{
    buildTools(parent);
    buildPhotoAndInformation(parent);
}

void CataloguePart::buildTools(QWidget* parent)
{
    toolsGroup_ = named(new QGroupBox(QCoreApplication::translate("CataloguePart", "Инструменты :"), parent), "grp7");
    auto* column = new QVBoxLayout(toolsGroup_);
    buildButton_ = named(new QPushButton(QCoreApplication::translate("CataloguePart", "Построить"), toolsGroup_), "btn3");
    SetHint(buildButton_, QCoreApplication::translate("CataloguePart", "Построить в среднем окне выбранную структуру или многогранник"));
    connect(buildButton_, &QPushButton::clicked, this, &CataloguePart::buildRequested);
    column->addWidget(buildButton_);
    eraseButton_ = named(new QPushButton(QCoreApplication::translate("CataloguePart", "Стереть построение"), toolsGroup_), "btn1");
    SetHint(eraseButton_, QCoreApplication::translate("CataloguePart", "Стереть построенную структуру или многогранник"));
    connect(eraseButton_, &QPushButton::clicked, this, &CataloguePart::eraseRequested);
    column->addWidget(eraseButton_);
    auto* structureGroup = named(new QGroupBox(QCoreApplication::translate("CataloguePart", "Структура : "), toolsGroup_), "grp8");
    structureList_ = named(new QComboBox(structureGroup), "cbb1");
    structureList_->addItems(StructureListItems());
    structureList_->setMaxVisibleItems(19);
    SetHint(structureList_, QCoreApplication::translate("CataloguePart", "Список структур для построения"));
    // Only the user's choice runs the change handler; selections made by
    // the program do not.
    connect(structureList_, &QComboBox::activated, this, &CataloguePart::structureChosen);
    (new QVBoxLayout(structureGroup))->addWidget(structureList_);
    column->addWidget(structureGroup);
    auto* polyhedronGroup = named(new QGroupBox(QCoreApplication::translate("CataloguePart", "Многогр. и их элем. симметрии : "), toolsGroup_), "grp5");
    polyhedronList_ = named(new QComboBox(polyhedronGroup), "cbb2");
    polyhedronList_->addItems(PolyhedronListItems());
    polyhedronList_->setMaxVisibleItems(13);
    SetHint(polyhedronList_, QCoreApplication::translate("CataloguePart", "Список многогранников для построения"));
    connect(polyhedronList_, &QComboBox::activated, this, &CataloguePart::polyhedronChosen);
    (new QVBoxLayout(polyhedronGroup))->addWidget(polyhedronList_);
    column->addWidget(polyhedronGroup);
}

void CataloguePart::addToTools(QWidget* widget) { toolsGroup_->layout()->addWidget(widget); }

void CataloguePart::buildPhotoAndInformation(QWidget* parent)
{
    photoGroup_ = named(new QGroupBox(QCoreApplication::translate("CataloguePart", "Внешний вид кристалла :"), parent), "grp9");
    photoBox_ = named(new PictureBox(photoGroup_), "image11");
    photoBox_->setFixedSize(147, 99);
    SetHint(photoBox_, QCoreApplication::translate("CataloguePart", "Внешний вид кристалла"));
    (new QVBoxLayout(photoGroup_))->addWidget(photoBox_, 0, Qt::AlignHCenter);
    informationGroup_ = named(new QGroupBox(QCoreApplication::translate("CataloguePart", "Доп. информация :"), parent), "grp10");
    informationMemo_ = named(new QPlainTextEdit(informationGroup_), "mmo1");
    informationMemo_->setReadOnly(true);
    informationMemo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    informationMemo_->setFont(serif);
    informationMemo_->setMinimumHeight(180);
    SetHint(informationMemo_, QCoreApplication::translate("CataloguePart", "Информация о кристалле и его кристаллической решетке"));
    (new QVBoxLayout(informationGroup_))->addWidget(informationMemo_);
}

void CataloguePart::showFileItem(const QString& name)
{
    if (structureList_->count() > FileItem)
        structureList_->setItemText(FileItem, name);
    else
        structureList_->addItem(name);
    structureList_->setCurrentIndex(FileItem);
}

void CataloguePart::removeFileItem()
{
    if (structureList_->count() <= FileItem)
        return;
    const bool chosen = structureList_->currentIndex() == FileItem;
    structureList_->removeItem(FileItem);
    if (chosen)
        structureList_->setCurrentIndex(0);
}

bool CataloguePart::fileItemChosen() const { return structureList_->currentIndex() > StructureCount; }

void CataloguePart::setInformation(const QString& text)
{
    informationMemo_->setPlainText(text);
    crystalTextShown_ = false;
}

void CataloguePart::retranslate()
{
    if (crystalTextShown_ && catalogue_.structureItem() >= 1)
        loadInformation(InformationFile(catalogue_.structureItem()));
}

void CataloguePart::setStructureItem(int item) { structureList_->setCurrentIndex(item); }
void CataloguePart::setPolyhedronItem(int item) { polyhedronList_->setCurrentIndex(item); }

bool CataloguePart::loadPhoto(const QString& relativePath)
{
    QString error;
    const QImage photo = LoadJpeg(QDir(programDir_).filePath(relativePath), &error);
    if (photo.isNull()) {
        showMessage(error);
        return false;
    }
    photoBox_->setPicture(photo);
    return true;
}

bool CataloguePart::loadInformation(const QString& relativePath)
{
    QString error;
    const auto lines =
        LoadInformationText(QDir(programDir_).filePath(relativePath), &error, InformationTextEncoding(relativePath));
    if (!lines) {
        showMessage(error);
        return false;
    }
    informationMemo_->setPlainText(lines->join(QLatin1Char('\n')));
    crystalTextShown_ = true;
    return true;
}

void CataloguePart::clearPhoto() { photoBox_->clear(); }
void CataloguePart::clearInformation()
{
    informationMemo_->clear();
    crystalTextShown_ = false;
}

void CataloguePart::enableStructureOptions(bool structures)
{
    photoGroup_->setEnabled(structures);
    enableOptions_(structures);
}

void CataloguePart::showMessage(const QString& text) { messages_(text); }

} // namespace vestrel
