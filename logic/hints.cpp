// SPDX-License-Identifier: MIT
#include "logic/hints.h"

#include <QEvent>
#include <QStatusBar>
#include <QWidget>

namespace vestrel {

namespace {
constexpr const char* HintProperty = "vestrelHint";
}

QString LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString ShortHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setProperty(HintProperty, hint);
    widget->setToolTip(ShortHint(hint));
}

QString HintOf(const QWidget* widget)
{
    return widget ? widget->property(HintProperty).toString() : QString();
}

QString EffectiveHint(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString hint = HintOf(w);
        if (!hint.isEmpty())
            return hint;
        if (w->isWindow())
            break;
    }
    return {};
}

void ShowHintIn(QStatusBar* bar, const QString& longHint)
{
    if (!bar)
        return;
    if (longHint.isEmpty())
        bar->clearMessage();
    else
        bar->showMessage(longHint);
}

HintRouter::HintRouter(QObject* parent) : QObject(parent) {}

void HintRouter::addStatusBar(QStatusBar* bar) { bars_.append(bar); }

void HintRouter::showHint(const QWidget* widget)
{
    const QString hint = LongHint(EffectiveHint(widget));
    if (started_ && hint == current_)
        return;
    started_ = true;
    current_ = hint;
    for (const auto& bar : bars_)
        ShowHintIn(bar, hint);
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && watched->isWidgetType())
        showHint(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

} // namespace vestrel
