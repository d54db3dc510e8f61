// SPDX-License-Identifier: MIT
#include "app/crystal_class_part.h"

#include "logic/hints.h"
#include "logic/morphology/face_symbol.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vestrel {

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool hexagonalClass(int number)
{
    return morphology::UsesHexagonalAxes(morphology::ClassInfo(number).system);
}

} // namespace

CrystalClassPart::CrystalClassPart(QWidget* parent, std::function<void(const QString&)> showMessage)
    : QObject(parent), showMessage_(std::move(showMessage))
{
    group_ = new QGroupBox(QCoreApplication::translate("CrystalClassPart", "Классы симметрии :"), parent);
    group_->setObjectName(QStringLiteral("classGroup"));
    auto* column = new QVBoxLayout(group_);
    classList_ = new QComboBox(group_);
    classList_->setObjectName(QStringLiteral("classList"));
    fillClassList();
    classList_->setMaxVisibleItems(20);
    SetHint(classList_, QCoreApplication::translate("CrystalClassPart", "Список 32 видов симметрии кристаллов"));
    connect(classList_, &QComboBox::activated, this, &CrystalClassPart::chooseClass);
    column->addWidget(classList_);
    formControls_ = buildFormControls(group_);
    column->addWidget(formControls_);
    // The forms and their controls show once a class is chosen, so that the
    // panel below stays where it is otherwise.
    formControls_->hide();
}

QWidget* CrystalClassPart::buildFormControls(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    formList_ = new QComboBox(box);
    formList_->setObjectName(QStringLiteral("formList"));
    SetHint(formList_, QCoreApplication::translate("CrystalClassPart", "Простые формы выбранного вида симметрии"));
    grid->addWidget(formList_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("CrystalClassPart", "Грань (hkl):"), box), 1, 0);
    faceEdit_ = new QLineEdit(box);
    faceEdit_->setObjectName(QStringLiteral("faceEdit"));
    SetHint(faceEdit_, QCoreApplication::translate("CrystalClassPart", "Символ грани, например 1 1 0 или (10-11); пусто — форма из списка"));
    grid->addWidget(faceEdit_, 1, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("CrystalClassPart", "Расстояние:"), box), 2, 0);
    distanceSpin_ = new QDoubleSpinBox(box);
    distanceSpin_->setObjectName(QStringLiteral("formDistanceSpin"));
    distanceSpin_->setRange(0.1, 5);
    distanceSpin_->setSingleStep(0.1);
    distanceSpin_->setValue(1);
    SetHint(distanceSpin_, QCoreApplication::translate("CrystalClassPart", "Расстояние граней формы от центра (1 — размер куба из списка многогранников)"));
    connect(distanceSpin_, &QDoubleSpinBox::valueChanged, this, &CrystalClassPart::distanceChanged);
    grid->addWidget(distanceSpin_, 2, 1);
    addButton_ = new QPushButton(QCoreApplication::translate("CrystalClassPart", "Добавить форму"), box);
    addButton_->setObjectName(QStringLiteral("addFormButton"));
    SetHint(addButton_, QCoreApplication::translate("CrystalClassPart", "Добавить форму к комбинации (не больше трёх форм)"));
    connect(addButton_, &QPushButton::clicked, this, &CrystalClassPart::addForm);
    grid->addWidget(addButton_, 3, 0, 1, 2);
    removeButton_ = new QPushButton(QCoreApplication::translate("CrystalClassPart", "Убрать форму"), box);
    removeButton_->setObjectName(QStringLiteral("removeFormButton"));
    SetHint(removeButton_, QCoreApplication::translate("CrystalClassPart", "Убрать выбранную форму из комбинации"));
    connect(removeButton_, &QPushButton::clicked, this, &CrystalClassPart::removeForm);
    grid->addWidget(removeButton_, 4, 0, 1, 2);
    combinationList_ = new QListWidget(box);
    combinationList_->setObjectName(QStringLiteral("combinationList"));
    combinationList_->setMaximumHeight(60);
    SetHint(combinationList_, QCoreApplication::translate("CrystalClassPart", "Формы комбинации и их расстояния от центра"));
    connect(combinationList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(combination_.forms().size()))
            return;
        const QSignalBlocker quiet(distanceSpin_);
        distanceSpin_->setValue(combination_.forms()[static_cast<std::size_t>(row)].distance);
    });
    grid->addWidget(combinationList_, 5, 0, 1, 2);
    return box;
}

bool CrystalClassPart::chosen() const { return classList_->currentIndex() > 0; }

void CrystalClassPart::chooseClass(int item)
{
    if (item > 0) {
        combination_.setClass(item);
        emit classChosen();
    }
    fillForms();
    fillCombinationList();
}

void CrystalClassPart::fillClassList()
{
    const QSignalBlocker quiet(classList_);
    const int chosenItem = std::max(classList_->currentIndex(), 0);
    classList_->clear();
    classList_->addItem(QCoreApplication::translate("CrystalClassPart", "Не выбрано"));
    for (const morphology::ClassEntry& entry : morphology::ClassEntries())
        classList_->addItem(fromUtf8(entry.caption));
    classList_->setCurrentIndex(chosenItem);
}

void CrystalClassPart::retranslate()
{
    fillClassList();
    const int form = formList_->currentIndex();
    fillForms();
    if (form >= 0 && form < formList_->count())
        formList_->setCurrentIndex(form);
    fillCombinationList();
    if (built_)
        showCombination();
}

void CrystalClassPart::fillForms()
{
    const QSignalBlocker quiet(formList_);
    formList_->clear();
    const bool any = chosen();
    if (any)
        for (const morphology::FormChoice& form : morphology::FormsOfClass(classList_->currentIndex()))
            formList_->addItem(fromUtf8(form.caption));
    // The general form first in view: it is the class's own.
    formList_->setCurrentIndex(formList_->count() - 1);
    formControls_->setVisible(any);
}

std::optional<morphology::IntVector> CrystalClassPart::currentFace()
{
    const int number = classList_->currentIndex();
    const QString typed = faceEdit_->text().trimmed();
    if (!typed.isEmpty()) {
        const auto parsed = morphology::ParseFaceSymbol(typed.toStdString(), hexagonalClass(number));
        if (const auto* error = std::get_if<morphology::FaceSymbolError>(&parsed)) {
            showMessage_(fromUtf8(error->message));
            return std::nullopt;
        }
        return std::get<morphology::IntVector>(parsed);
    }
    const std::vector<morphology::FormChoice> forms = morphology::FormsOfClass(number);
    const int row = formList_->currentIndex();
    if (row < 0 || row >= static_cast<int>(forms.size()))
        return std::nullopt;
    return forms[static_cast<std::size_t>(row)].face;
}

bool CrystalClassPart::build()
{
    if (!chosen())
        return false;
    if (combination_.forms().empty()) {
        const std::optional<morphology::IntVector> face = currentFace();
        if (!face)
            return false;
        combination_.addForm(*face, distanceSpin_->value());
        fillCombinationList();
    }
    showCombination();
    return true;
}

void CrystalClassPart::addForm()
{
    if (!chosen())
        return;
    if (static_cast<int>(combination_.forms().size()) >= morphology::Combination::MaxForms) {
        showMessage_(QCoreApplication::translate("CrystalClassPart", "В комбинации может быть не больше трёх форм."));
        return;
    }
    const std::optional<morphology::IntVector> face = currentFace();
    if (!face)
        return;
    combination_.addForm(*face, distanceSpin_->value());
    fillCombinationList();
    showCombination();
}

void CrystalClassPart::removeForm()
{
    const int count = static_cast<int>(combination_.forms().size());
    if (count == 0)
        return;
    const int row = combinationList_->currentRow();
    combination_.removeForm(row >= 0 && row < count ? row : count - 1);
    fillCombinationList();
    if (combination_.forms().empty())
        hide();
    else
        showCombination();
}

void CrystalClassPart::distanceChanged(double distance)
{
    const int row = combinationList_->currentRow();
    if (row < 0 || !combination_.setDistance(row, distance))
        return;
    fillCombinationList();
    combinationList_->setCurrentRow(row);
    if (built_)
        showCombination();
}

void CrystalClassPart::fillCombinationList()
{
    const QSignalBlocker quiet(combinationList_);
    combinationList_->clear();
    const bool hexagonal = hexagonalClass(combination_.classNumber());
    for (const morphology::FormSpec& form : combination_.forms())
        combinationList_->addItem(QStringLiteral("%1 — %2")
                                      .arg(fromUtf8(morphology::FaceSymbolText(form.face, hexagonal, '{', '}')))
                                      .arg(QLocale().toString(form.distance, 'f', 2)));
}

void CrystalClassPart::showCombination()
{
    built_ = combination_.build();
    ++generation_;
    emit shownChanged();
}

void CrystalClassPart::hide()
{
    if (!built_)
        return;
    built_.reset();
    ++generation_;
    emit shownChanged();
}

void CrystalClassPart::clearChoice()
{
    classList_->setCurrentIndex(0);
    fillForms();
    hide();
}

void CrystalClassPart::step(int by)
{
    int item = classList_->currentIndex() + by;
    if (item > morphology::ClassCount)
        item = 1;
    if (item < 1)
        item = morphology::ClassCount;
    classList_->setCurrentIndex(item);
    combination_.setClass(item);
    faceEdit_->clear();
    fillForms();
    fillCombinationList();
    build();
}

} // namespace vestrel
