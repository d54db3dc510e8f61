// SPDX-License-Identifier: MIT
// The face and edge symbol calculator "Расчет символов граней и ребер": two
// Miller symbols in, their zone-law product out, in one of two modes (faces
// to edge, edges to face). A tool window that the main window shows and that
// "Выход" only hides; it lives for the whole run.
#pragma once

#include "logic/zone_law.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace vestrel {

class MessageUi;

class Form6 : public QMainWindow {
    Q_OBJECT

public:
    // `programDir` is the folder of the executable; screenshots go into its
    // "Screenshots/" folder.
    explicit Form6(const QString& programDir = QString(), QWidget* parent = nullptr);
    ~Form6() override;

    void setProgramDir(const QString& programDir) { programDir_ = programDir; }
    const QString& programDir() const { return programDir_; }

    // Message boxes go to `ui` (not owned) instead of Qt's message boxes;
    // nullptr goes back to Qt's.
    void setMessageUi(MessageUi* ui);

    SymbolMode mode() const;

    // Controls, named as the window's design names them (objectName too).
    QMenuBar* mm1 = nullptr;
    QMenu* N1 = nullptr;      // "Файл"
    QAction* N2 = nullptr;    // "Сделать скриншот"
    QAction* N8 = nullptr;    // separator
    QAction* N3 = nullptr;    // "Выход"
    QMenu* N4 = nullptr;      // "Запуск"
    QAction* N5 = nullptr;    // "Рассчитать"
    QAction* N7 = nullptr;    // separator
    QAction* N6 = nullptr;    // "Стереть введенные данные"
    QFrame* pnl1 = nullptr;
    QLabel* lbl1 = nullptr;
    QRadioButton* rb1 = nullptr;
    QRadioButton* rb2 = nullptr;
    QGroupBox* grp1 = nullptr;
    QLabel* lbl2 = nullptr;
    QLabel* lbl3 = nullptr;
    QLabel* lbl5 = nullptr;
    QLabel* lbl6 = nullptr;
    QLabel* lbl7 = nullptr;
    QLabel* lbl8 = nullptr;
    QLineEdit* edt1 = nullptr;
    QLineEdit* edt2 = nullptr;
    QLineEdit* edt3 = nullptr;
    QLineEdit* edt4 = nullptr;
    QLineEdit* edt5 = nullptr;
    QLineEdit* edt6 = nullptr;
    QGroupBox* grp2 = nullptr;
    QLabel* lbl4 = nullptr;
    QLabel* lbl9 = nullptr;
    QLabel* lbl10 = nullptr;
    QLineEdit* edt7 = nullptr;
    QLineEdit* edt8 = nullptr;
    QLineEdit* edt9 = nullptr;
    QStatusBar* stat1 = nullptr;
    QTimer* tmr1 = nullptr;

public slots:
    void tmr1Timer(); // relabels the window for the checked mode
    void N5Click();   // calculates
    void N6Click();   // clears the nine fields
    void rb1Click();
    void rb2Click();
    void N2Click();   // screenshot into Screenshots/Calc<date>_<time>.bmp
    void N3Click();   // hides the window
    // The program's current hint: shown in stat1, which leaves simple-text
    // mode when the hint is empty.
    void ApplicationEvents1Hint(const QString& hint);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createMenu();
    void createModePanel(QWidget* client);
    void createInputGroup(QWidget* client);
    void createResultGroup(QWidget* client);
    void createStatusBar();
    void clearFields();
    MessageUi& messageUi();

    QString programDir_;
    std::unique_ptr<MessageUi> qtMessageUi_;
    MessageUi* messageUi_ = nullptr;
    bool placed_ = false;
};

} // namespace vestrel
