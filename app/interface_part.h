// SPDX-License-Identifier: MIT
// The main window's two timers: the frame timer, whose interval the
// settings window sets, and the one-second timer that applies the tool-bar
// buttons and the interface options; and the status bar where hints show.
#pragma once

#include <QObject>

#include <functional>

class QTimer;
class QWidget;

namespace vestrel {

class MainMenus;
class Options;

// What the interface options show and hide.
struct InterfaceWidgets {
    QWidget* sidePanel = nullptr;
    QWidget* toolBar = nullptr;
    std::vector<QWidget*> details; // the crystal's photo and notes
};

class InterfacePart : public QObject {
    Q_OBJECT
public:
    // tick: what one tick of the frame timer does.
    InterfacePart(QObject* parent, Options& options, MainMenus& menus, InterfaceWidgets widgets,
                  std::function<void()> tick);
    ~InterfacePart() override;

    QTimer& frameTimer() const { return *frameTimer_; }
    // The tool-bar buttons and the interface options as the options say
    // now (the one-second timer does this).
    void apply();

private:
    Options& options_;
    MainMenus& menus_;
    InterfaceWidgets widgets_;
    QTimer* frameTimer_ = nullptr;
    QTimer* interfaceTimer_ = nullptr;
};

} // namespace vestrel
