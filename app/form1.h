// SPDX-License-Identifier: MIT
// The main window: menus, tool bar, drawing panel, side panel, status bar and
// the two timers. Commands hand over to the catalogue, the view navigation
// and the frame routine.
#pragma once

#include "logic/catalogue.h"
#include "logic/view_navigation.h"
#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace vestrel {

class AboutForm;
class Draw;
class Form6;
class PictureCommands;
class PictureUi;
class Form2;
class Form4;
class Form5;
class HelpOpener;
class GlPanel;
class HintRouter;
class PictureBox;

class Form1 : public QMainWindow, private CatalogueView {
    Q_OBJECT
public:
    // programDir: the folder of the executable, where Data/ lies.
    Form1(const QString& programDir, Form4* settings, HintRouter* hints, QWidget* parent = nullptr);
    ~Form1() override;

    // Seams for message boxes, so tests can answer them.
    std::function<void(const QString&)> showMessageBox;
    std::function<bool(const QString&)> askYesNo; // true on Yes

    // Reads the controls into the frame's inputs, as every frame does.
    FrameInputs readFrameInputs() const;
    ViewState& viewState() { return view_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    const QString& programDir() const { return programDir_; }

    // Main menu
    QMenu* N1;  // "Файл"
    QAction* N3;
    QAction* N4;
    QAction* N39;
    QAction* N40;
    QAction* N5;
    QMenu* N22; // "Запуск"
    QAction* N36;
    QAction* N37;
    QMenu* N6;  // "Настройки"
    QMenu* N23;
    QMenu* N10;
    QMenu* N12;
    QAction* N14;
    QAction* N15;
    QAction* N16;
    QMenu* N13;
    QAction* N17;
    QAction* N18;
    QAction* N19;
    QAction* N20;
    QMenu* N21;
    QAction* N26;
    QAction* N27;
    QAction* N28;
    QAction* N11;
    QAction* N29;
    QAction* N30;
    QAction* N31;
    QAction* N32;
    QAction* N33;
    QAction* N34;
    QAction* N35;
    QAction* N25;
    QMenu* N7;  // "Помощь"
    QAction* N8;
    QAction* N9;

    // Tool bar, top to bottom
    QToolBar* tlb1;
    QToolButton* btn2;
    QToolButton* btn5;
    QToolButton* btn7;
    QToolButton* btn4;
    QToolButton* btn9;
    QToolButton* btn11;
    QToolButton* btn13;
    QToolButton* btn15;
    QToolButton* btn17;
    QToolButton* btn19;
    QToolButton* btn21;

    GlPanel* pnl1;
    QFrame* pnl2;
    QScrollArea* ScrollBox1;
    QGroupBox* grp7;
    QPushButton* btn3;
    QPushButton* btn1;
    QGroupBox* grp8;
    QComboBox* cbb1;
    QGroupBox* grp5;
    QComboBox* cbb2;
    QGroupBox* grp2;
    QSlider* TrackBar1;
    QGroupBox* grp1;
    QGroupBox* grp6;
    QCheckBox* chk5;
    QCheckBox* chk7;
    QCheckBox* chk6;
    QGroupBox* grp4;
    QCheckBox* chk4;
    QCheckBox* chk3;
    QCheckBox* chk2;
    QGroupBox* grp3;
    QCheckBox* chk1;
    QCheckBox* chk8;
    QCheckBox* chk9;
    QCheckBox* chk11;
    QCheckBox* chk10;
    QGroupBox* grp9;
    PictureBox* image11;
    QGroupBox* grp10;
    QPlainTextEdit* mmo1;
    QStatusBar* stat1;

    QTimer* Timer1;
    QTimer* tmr1;

    // Picture output and the calculator plug in here: each gets the menu
    // item and tool button that run it.
    void bindCommand(QAction* item, QToolButton* button, std::function<void()> command);
    // The reference, legend and About windows, shown by their commands.
    void setAuxiliaryWindows(AboutForm* about, Form2* legend, Form5* reference);
    void setSettings(Form4* settings);
    void setCalculator(Form6* calculator);
    // Message boxes and the save dialog of picture output go through ui
    // (the Qt dialogs by default).
    void setPictureUi(PictureUi& ui);
    PictureCommands& pictures() { return *pictures_; }
    HelpOpener& helpOpener() { return *helpOpener_; }

public slots:
    void btn3Click();
    void btn1Click();
    void btn9Click();
    void btn4Click();
    void cbb1Change(int item);
    void cbb2Change(int item);
    void N5Click();
    void N25Click();
    void tmr1Timer();
    void Timer1Timer();
    void TrackBar1Change(int position);
    void pnl1MouseDown(Qt::MouseButton button, int x, int y);
    void pnl1MouseMove(int x, int y);
    void pnl1MouseUp(Qt::MouseButton button, int x, int y);
    void FormMouseWheel(int notches);
    void N40Click();  // reference window
    void btn7Click(); // does what the menu item "Справочник" does
    void btn15Click(); // atom legend beside the drawing panel
    void N9Click();   // About window, modal, centred on the main window
    void N8Click();   // the help pages in the desktop's browser
    void N3Click();   // save the drawing panel's picture as
    void N4Click();   // screenshot of the whole main window
    void N39Click();  // the face and edge symbol calculator

    // FormCloseQuery: the save prompt on every close; returns whether the
    // window may close. Tests may replace it.
public:
    std::function<bool()> FormCloseQuery;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // CatalogueView
    void setStructureItem(int item) override;
    void setPolyhedronItem(int item) override;
    bool loadPhoto(const QString& relativePath) override;
    bool loadInformation(const QString& relativePath) override;
    void clearPhoto() override;
    void clearInformation() override;
    void enableStructureOptions(bool structures) override;
    void showMessage(const QString& text) override;

    void buildMenus();
    void buildToolBar();
    QWidget* buildSidePanel();
    QGroupBox* buildToolsGroup(QWidget* parent);
    QGroupBox* buildOptionsGroup(QWidget* parent);
    void drawFrame(Draw& gl, bool tick);

    QString programDir_;
    Form4* settings_;
    AboutForm* about_ = nullptr;
    Form2* legend_ = nullptr;
    Form5* reference_ = nullptr;
    std::unique_ptr<HelpOpener> helpOpener_;
    std::unique_ptr<PictureUi> qtPictureUi_;
    std::unique_ptr<PictureCommands> pictures_;
    Form6* calculator_ = nullptr;
    ViewState view_;
    ViewNavigation navigation_{view_};
    std::unique_ptr<Catalogue> catalogue_;
    std::array<QAction*, 11> toolActions_{}; // the tool bar's actions, in N11, N26..N35 order
};

} // namespace vestrel
