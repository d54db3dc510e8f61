// SPDX-License-Identifier: MIT
#include "app/option_binding.h"

#include "app/colour_list.h"

#include <QAbstractButton>
#include <QAction>
#include <QSignalBlocker>
#include <QSlider>

namespace vestrel {

namespace {

// Calls show now and whenever the options change, for as long as the
// control lives.
void Follow(QObject* control, Options& options, std::function<void()> show)
{
    show();
    QObject::connect(&options, &Options::changed, control, show);
}

} // namespace

void Bind(QAbstractButton* box, Options& options, OptionAccess<bool> option)
{
    Follow(box, options, [box, &options, option] {
        if (box->isChecked() != option.get(options)) {
            const QSignalBlocker quiet(box);
            box->setChecked(option.get(options));
        }
    });
    QObject::connect(box, &QAbstractButton::toggled, &options, [&options, option](bool on) { option.set(options, on); });
}

void Bind(QAction* item, Options& options, OptionAccess<bool> option)
{
    Follow(item, options, [item, &options, option] {
        if (item->isChecked() != option.get(options)) {
            const QSignalBlocker quiet(item);
            item->setChecked(option.get(options));
        }
    });
    QObject::connect(item, &QAction::toggled, &options, [&options, option](bool on) { option.set(options, on); });
}

// Radio buttons and grouped menu items are set with their signals on, so
// that their groups see the change; the echo finds the option unchanged.
void BindRadioPair(QAbstractButton* whenTrue, QAbstractButton* whenFalse, Options& options,
                   OptionAccess<bool> option)
{
    Follow(whenTrue, options, [whenTrue, whenFalse, &options, option] {
        QAbstractButton* chosen = option.get(options) ? whenTrue : whenFalse;
        if (!chosen->isChecked())
            chosen->setChecked(true);
    });
    QObject::connect(whenTrue, &QAbstractButton::toggled, &options, [&options, option](bool on) { option.set(options, on); });
}

void Bind(QSlider* slider, Options& options, OptionAccess<int> option)
{
    Follow(slider, options, [slider, &options, option] {
        if (slider->value() != option.get(options)) {
            const QSignalBlocker quiet(slider);
            slider->setValue(option.get(options));
        }
    });
    QObject::connect(slider, &QSlider::valueChanged, &options, [&options, option](int v) { option.set(options, v); });
}

void Bind(ColourList* list, Options& options, OptionAccess<int> option)
{
    Follow(list, options, [list, &options, option] {
        if (list->itemIndex() != option.get(options)) {
            const QSignalBlocker quiet(list);
            list->setItemIndex(option.get(options));
        }
    });
    QObject::connect(list, &ColourList::itemIndexChanged, &options, [&options, option](int item) { option.set(options, item); });
}

void BindItems(const std::vector<QAction*>& items, Options& options, OptionAccess<int> option)
{
    Follow(items.front(), options, [items, &options, option] {
        const int chosen = option.get(options);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < items.size())
            items[static_cast<std::size_t>(chosen)]->setChecked(true);
    });
    for (std::size_t i = 0; i < items.size(); ++i)
        QObject::connect(items[i], &QAction::toggled, &options, [&options, option, i](bool on) {
            if (on)
                option.set(options, static_cast<int>(i));
        });
}

} // namespace vestrel
