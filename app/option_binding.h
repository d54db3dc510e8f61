// SPDX-License-Identifier: MIT
// Controls bound to the options both ways: a change of the control sets the
// option; a change of the options sets the control, with its signals
// blocked, so that nothing echoes back.
#pragma once

#include "logic/options.h"

#include <functional>

class QAbstractButton;
class QAction;
class QSlider;

namespace vestrel {

class ColourList;

// How a control reaches its option.
template <typename T>
struct OptionAccess {
    std::function<T(const Options&)> get;
    std::function<void(Options&, T)> set;
};

template <typename T>
OptionAccess<T> Option(T KeptSettings::*field)
{
    return {[field](const Options& o) { return o.kept().*field; },
            [field](Options& o, T v) { o.set(field, v); }};
}

template <typename T>
OptionAccess<T> Option(T AuxiliaryOptions::*field)
{
    return {[field](const Options& o) { return o.auxiliary().*field; },
            [field](Options& o, T v) { o.set(field, v); }};
}

// A check box or checkable action is the option; a radio button is the
// option being true, its partner the option being false.
void Bind(QAbstractButton* box, Options& options, OptionAccess<bool> option);
void Bind(QAction* item, Options& options, OptionAccess<bool> option);
void BindRadioPair(QAbstractButton* whenTrue, QAbstractButton* whenFalse, Options& options,
                   OptionAccess<bool> option);
void Bind(QSlider* slider, Options& options, OptionAccess<int> option);
void Bind(ColourList* list, Options& options, OptionAccess<int> option);
// One checked item of an exclusive group of actions is the option's value.
void BindItems(const std::vector<QAction*>& items, Options& options, OptionAccess<int> option);

} // namespace vestrel
