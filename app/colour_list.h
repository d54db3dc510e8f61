// SPDX-License-Identifier: MIT
// An editable drop-down list of colours. Only a chosen item counts: once the
// user types into its text field no item is selected (index -1) until an item
// is chosen again.
#pragma once

#include <QComboBox>

namespace vestrel {

class ColourList : public QComboBox {
    Q_OBJECT
public:
    ColourList(const QStringList& items, int startItem, QWidget* parent = nullptr);
    // The selected item, or -1 when text was typed.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int item);

protected:
    // The items speak the new language; typed text stays as it was typed.
    void changeEvent(QEvent* event) override;

signals:
    // An item was chosen or set, or text typed (-1).
    void itemIndexChanged(int item);

private:
    int itemIndex_ = -1;
    QString typed_; // while no item is selected
};

} // namespace vestrel
