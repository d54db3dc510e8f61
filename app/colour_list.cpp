// SPDX-License-Identifier: MIT
#include "app/colour_list.h"

#include <QLineEdit>

namespace vestrel {

ColourList::ColourList(const QStringList& items, int startItem, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    setItemIndex(startItem);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
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
    setCurrentIndex(item);
    if (changed)
        emit itemIndexChanged(item);
}

} // namespace vestrel
