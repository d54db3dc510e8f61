// SPDX-License-Identifier: MIT
#include "app/picture_size_dialog.h"

#include "app/qt_picture_ui.h"
#include "logic/picture_commands.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vestrel {

namespace {

QString sizeText(const QSize& size) { return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()); }

int fieldValue(const QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

PictureSizeDialog::PictureSizeDialog(const QSize& panel, QWidget* parent) : QDialog(parent), panel_(panel)
{
    setObjectName(QStringLiteral("pictureSizeDialog"));
    setWindowTitle(tr("Размер рисунка"));
    auto* column = new QVBoxLayout(this);
    panelRadio = new QRadioButton(tr("Как окно построения: %1").arg(sizeText(panel)), this);
    doubleRadio = new QRadioButton(tr("Вдвое больше: %1").arg(sizeText(panel * 2)), this);
    fourfoldRadio = new QRadioButton(tr("Вчетверо больше: %1").arg(sizeText(panel * 4)), this);
    customRadio = new QRadioButton(tr("Другой размер (до %1 × %1):").arg(MaxPictureSize), this);
    panelRadio->setChecked(true);
    for (QRadioButton* radio : {panelRadio, doubleRadio, fourfoldRadio, customRadio})
        column->addWidget(radio);

    auto* fields = new QGridLayout;
    widthField = new QLineEdit(QString::number(panel.width()), this);
    heightField = new QLineEdit(QString::number(panel.height()), this);
    fields->addWidget(new QLabel(tr("Ширина:"), this), 0, 0);
    fields->addWidget(widthField, 0, 1);
    fields->addWidget(new QLabel(tr("Высота:"), this), 1, 0);
    fields->addWidget(heightField, 1, 1);
    column->addLayout(fields);
    for (QLineEdit* field : {widthField, heightField}) {
        field->setEnabled(false);
        connect(customRadio, &QRadioButton::toggled, field, &QLineEdit::setEnabled);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("ОК"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

QSize PictureSizeDialog::chosenSize() const
{
    if (doubleRadio->isChecked())
        return panel_ * 2;
    if (fourfoldRadio->isChecked())
        return panel_ * 4;
    if (customRadio->isChecked())
        return {fieldValue(widthField), fieldValue(heightField)};
    return panel_;
}

std::optional<QSize> QtPictureUi::askPictureSize(const QSize& panel)
{
    PictureSizeDialog dialog(panel, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenSize();
}

} // namespace vestrel
