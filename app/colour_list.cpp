// SPDX-License-Identifier: MIT
#include "app/colour_list.h"

#include <QEvent>
#include <QLineEdit>

namespace vestrel {

ColourList::ColourList(const QStringList& items, int startItem, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    setItemIndex(startItem);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        typed_ = text;
        itemIndex_ = -1;
        emit itemIndexChanged(-1);
    });
    connect(this, &QComboBox::activated, this, [this](int item) {
        itemIndex_ = item;
        emit itemIndexChanged(item);
    });
}

void ColourList::setItemIndex(int item)
{
    const bool changed = item != itemIndex_;
    itemIndex_ = item;
    typed_.clear();
    setCurrentIndex(item);
    if (changed)
        emit itemIndexChanged(item);
}

void ColourList::changeEvent(QEvent* event)
{
    // Renaming the current item puts its new name into the text field, over
    // what the user typed there.
    if (event->type() == QEvent::LanguageChange && itemIndex_ < 0)
        lineEdit()->setText(typed_);
    QComboBox::changeEvent(event);
}

} // namespace vestrel
