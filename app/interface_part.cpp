// SPDX-License-Identifier: MIT
#include "app/interface_part.h"

#include "app/main_menus.h"
#include "app/main_window_parts.h"
#include "logic/options.h"

#include <QTimer>
#include <QWidget>

namespace vestrel {

InterfacePart::InterfacePart(QObject* parent, Options& options, MainMenus& menus, InterfaceWidgets widgets,
                             std::function<void()> tick)
    : QObject(parent), options_(options), menus_(menus), widgets_(std::move(widgets))
{
    // The frame timer runs from the start; the OpenGL state is set up when
    // the panel's context is made.
    frameTimer_ = named(new QTimer(parent), "Timer1");
    frameTimer_->setInterval(options_.kept().frameInterval);
    connect(frameTimer_, &QTimer::timeout, this, std::move(tick));
    connect(&options_, &Options::changed, this, [this] { frameTimer_->setInterval(options_.kept().frameInterval); });
    interfaceTimer_ = named(new QTimer(parent), "tmr1");
    interfaceTimer_->setInterval(1000);
    connect(interfaceTimer_, &QTimer::timeout, this, &InterfacePart::apply);
    interfaceTimer_->start();
    frameTimer_->start();
}

InterfacePart::~InterfacePart() { frameTimer_->stop(); }

void InterfacePart::apply()
{
    menus_.applyToolButtonOptions();
    const KeptSettings& kept = options_.kept();
    for (QWidget* detail : widgets_.details)
        detail->setVisible(!kept.hideDetails);
    widgets_.sidePanel->setFixedWidth(kept.hideSidePanel ? 1 : SidePanelWidth);
    widgets_.toolBar->setFixedWidth(kept.showToolBar ? ToolBarWidth : 1);
}

} // namespace vestrel
