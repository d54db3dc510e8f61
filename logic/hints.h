// SPDX-License-Identifier: MIT
// Hints: each control may carry a two-part hint "short|long". The short part
// is its tool tip; the long part goes to the status bars of the main window,
// the settings window and the calculator while the mouse is over it. A
// control without a hint shows the hint of its nearest enclosing control.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QStatusBar;
class QWidget;

namespace vestrel {

// The part after "|", or the whole hint when it has none.
QString LongHint(const QString& hint);
// The part before "|", or the whole hint.
QString ShortHint(const QString& hint);

// Gives a control its hint: the tool tip shows the short part.
void SetHint(QWidget* widget, const QString& hint);
QString HintOf(const QWidget* widget);
// The hint of the widget or of its nearest enclosing widget that has one.
QString EffectiveHint(const QWidget* widget);

// Shows a long hint in a status bar: simple-text mode exactly when the text
// is not empty.
void ShowHintIn(QStatusBar* bar, const QString& longHint);

// Watches the mouse over every widget of the application and sends the
// current long hint to every registered status bar.
class HintRouter : public QObject {
    Q_OBJECT
public:
    explicit HintRouter(QObject* parent = nullptr);
    void addStatusBar(QStatusBar* bar);
    // showHint: the current hint changed to that of widget.
    void showHint(const QWidget* widget);
    QString currentHint() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QStatusBar>> bars_;
    QString current_;
    bool started_ = false;
};

} // namespace vestrel
