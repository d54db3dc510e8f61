// SPDX-License-Identifier: MIT
#include "app/form6.h"

#include "logic/hints.h"
#include "logic/picture_commands.h"
#include "logic/pictures/picture_files.h"
#include "app/qt_picture_ui.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace vestrel {

namespace {

constexpr QSize kClientSize{369, 289}; // above the status bar
constexpr int kStatusBarHeight = 19;
constexpr int kRelabelIntervalMs = 100;

// The window's palette, in the colours of the system it was designed on: the
// gradient colour of an active caption, and the red and green of label texts.
constexpr QRgb kModePanelColour = qRgb(185, 209, 234);
constexpr QRgb kInputLabelColour = qRgb(255, 0, 0);
constexpr QRgb kResultLabelColour = qRgb(0, 128, 0);

// Label texts and brackets for one mode of the calculator.
struct ModeLabels {
    const char16_t* firstSymbol;  // lbl2
    const char16_t* secondSymbol; // lbl3
    const char16_t* result;       // lbl4
    const char16_t* inputOpen;    // lbl5, lbl6
    const char16_t* inputClose;   // lbl7, lbl8
    const char16_t* resultOpen;   // lbl9
    const char16_t* resultClose;  // lbl10
};

constexpr ModeLabels kEdgeModeLabels{u"Символ первой грани :", u"Символ второй грани :",
                                     u"Символ ребра :", u"(", u")", u"[", u"]"};
constexpr ModeLabels kFaceModeLabels{u"Символ первого ребра :", u"Символ второго ребра :",
                                     u"Символ грани :", u"[", u"]", u"(", u")"};

QString text(const char16_t* s) { return QString::fromUtf16(s); }

// "MS Sans Serif" 8 point where it exists, else a face of the same metrics.
QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont pointFont(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

void setTextColour(QWidget* w, QRgb colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    w->setPalette(palette);
}

// Labels grow to their text, as they size themselves to it in the design;
// the place given is where the text starts.
void growToText(QLabel* label)
{
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                  int points = 0)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    if (points > 0)
        label->setFont(pointFont(label->font(), points));
    label->setGeometry(place);
    growToText(label);
    return label;
}

// The calculator's hints go to the status bars only, never to a tool tip.
void setStatusHint(QWidget* w, const QString& hint)
{
    SetHint(w, hint);
    w->setToolTip(QString());
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int left, int top, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, 25, 21);
    setStatusHint(edit, hint);
    return edit;
}

QAction* makeAction(QMenu* menu, const char* name, const QString& caption, const QIcon& icon)
{
    QAction* action = menu->addAction(icon, caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* makeSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

} // namespace

Form6::Form6(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Расчет символов граней и ребер"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    createMenu();
    createModePanel(client);
    createInputGroup(client);
    createResultGroup(client);
    createStatusBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    qtMessageUi_ = std::make_unique<QtPictureUi>(this);
    messageUi_ = qtMessageUi_.get();

    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(kRelabelIntervalMs);
    connect(tmr1, &QTimer::timeout, this, &Form6::tmr1Timer);
    tmr1->start();
}

Form6::~Form6() = default;

void Form6::createMenu()
{
    mm1 = menuBar();
    mm1->setObjectName(QStringLiteral("mm1"));
    QStyle* s = style();

    N1 = mm1->addMenu(QStringLiteral("Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = makeAction(N1, "N2", QStringLiteral("Сделать скриншот"), s->standardIcon(QStyle::SP_DialogSaveButton));
    N8 = makeSeparator(N1, "N8");
    N3 = makeAction(N1, "N3", QStringLiteral("Выход"), s->standardIcon(QStyle::SP_DialogCloseButton));

    N4 = mm1->addMenu(QStringLiteral("Запуск"));
    N4->setObjectName(QStringLiteral("N4"));
    N5 = makeAction(N4, "N5", QStringLiteral("Рассчитать"), s->standardIcon(QStyle::SP_MediaPlay));
    N7 = makeSeparator(N4, "N7");
    N6 = makeAction(N4, "N6", QStringLiteral("Стереть введенные данные"),
                    s->standardIcon(QStyle::SP_DialogResetButton));

    connect(N2, &QAction::triggered, this, &Form6::N2Click);
    connect(N3, &QAction::triggered, this, &Form6::N3Click);
    connect(N5, &QAction::triggered, this, &Form6::N5Click);
    connect(N6, &QAction::triggered, this, &Form6::N6Click);
}

void Form6::createModePanel(QWidget* client)
{
    pnl1 = new QFrame(client);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setGeometry(0, 0, 369, 105);
    pnl1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setStatusHint(pnl1, QStringLiteral("Облать переключения режимов расчета"));
    pnl1->setAutoFillBackground(true);
    QPalette palette = pnl1->palette();
    palette.setColor(QPalette::Window, QColor(kModePanelColour));
    pnl1->setPalette(palette);

    lbl1 = makeLabel(pnl1, "lbl1", QStringLiteral("Режим для расчетов:"), {96, 16, 183, 20}, 12);
    QFont heading = lbl1->font();
    heading.setBold(true);
    heading.setUnderline(true);
    lbl1->setFont(heading);
    growToText(lbl1);

    rb1 = new QRadioButton(QStringLiteral("Нахождение символа ребра"), pnl1);
    rb1->setObjectName(QStringLiteral("rb1"));
    rb1->setGeometry(8, 56, 169, 17);
    rb1->setChecked(true);
    rb2 = new QRadioButton(QStringLiteral("Нахождение символа грани"), pnl1);
    rb2->setObjectName(QStringLiteral("rb2"));
    rb2->setGeometry(200, 56, 169, 17);
    for (QRadioButton* rb : {rb1, rb2})
        rb->setCursor(Qt::PointingHandCursor);
    // Choosing a mode clears the fields; clicking the mode already chosen
    // changes nothing.
    connect(rb1, &QRadioButton::toggled, this, [this](bool on) { if (on) rb1Click(); });
    connect(rb2, &QRadioButton::toggled, this, [this](bool on) { if (on) rb2Click(); });
}

void Form6::createInputGroup(QWidget* client)
{
    grp1 = new QGroupBox(QStringLiteral("Исходные данные :"), client);
    grp1->setObjectName(QStringLiteral("grp1"));
    grp1->setGeometry(0, 112, 369, 105);
    setStatusHint(grp1, QStringLiteral("Облать для ввода данных"));

    lbl2 = makeLabel(grp1, "lbl2", text(kEdgeModeLabels.firstSymbol), {24, 25, 116, 13});
    lbl3 = makeLabel(grp1, "lbl3", text(kEdgeModeLabels.secondSymbol), {24, 65, 115, 13});
    setTextColour(lbl2, kInputLabelColour);
    setTextColour(lbl3, kInputLabelColour);
    lbl5 = makeLabel(grp1, "lbl5", text(kEdgeModeLabels.inputOpen), {200, 24, 5, 20}, 12);
    lbl6 = makeLabel(grp1, "lbl6", text(kEdgeModeLabels.inputOpen), {200, 64, 5, 20}, 12);
    lbl7 = makeLabel(grp1, "lbl7", text(kEdgeModeLabels.inputClose), {312, 24, 5, 20}, 12);
    lbl8 = makeLabel(grp1, "lbl8", text(kEdgeModeLabels.inputClose), {312, 64, 5, 20}, 12);

    const QString firstHint = QStringLiteral("Символ первой грани/ребра");
    const QString secondHint = QStringLiteral("Символ второй грани/ребра");
    edt1 = makeEdit(grp1, "edt1", 216, 24, firstHint);
    edt2 = makeEdit(grp1, "edt2", 248, 24, firstHint);
    edt3 = makeEdit(grp1, "edt3", 280, 24, firstHint);
    edt4 = makeEdit(grp1, "edt4", 216, 64, secondHint);
    edt5 = makeEdit(grp1, "edt5", 248, 64, secondHint);
    edt6 = makeEdit(grp1, "edt6", 280, 64, secondHint);
    QWidget* const tabOrder[] = {edt1, edt2, edt3, edt4, edt5, edt6};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void Form6::createResultGroup(QWidget* client)
{
    grp2 = new QGroupBox(QStringLiteral("Решение :"), client);
    grp2->setObjectName(QStringLiteral("grp2"));
    grp2->setGeometry(0, 224, 369, 65);
    setStatusHint(grp2, QStringLiteral("Облать вывода рассчитанных данных"));

    lbl4 = makeLabel(grp2, "lbl4", text(kEdgeModeLabels.result), {24, 28, 78, 13});
    setTextColour(lbl4, kResultLabelColour);
    lbl9 = makeLabel(grp2, "lbl9", text(kEdgeModeLabels.resultOpen), {200, 23, 4, 20}, 12);
    lbl10 = makeLabel(grp2, "lbl10", text(kEdgeModeLabels.resultClose), {312, 23, 4, 20}, 12);

    const QString hint = QStringLiteral("Полученное решение");
    edt7 = makeEdit(grp2, "edt7", 216, 24, hint);
    edt8 = makeEdit(grp2, "edt8", 248, 24, hint);
    edt9 = makeEdit(grp2, "edt9", 280, 24, hint);
}

void Form6::createStatusBar()
{
    stat1 = new QStatusBar(this);
    stat1->setObjectName(QStringLiteral("stat1"));
    stat1->setFixedHeight(kStatusBarHeight);
    stat1->setSizeGripEnabled(false);
    setStatusBar(stat1);
}

void Form6::setMessageUi(MessageUi* ui) { messageUi_ = ui ? ui : qtMessageUi_.get(); }

MessageUi& Form6::messageUi() { return *messageUi_; }

SymbolMode Form6::mode() const { return rb2->isChecked() ? SymbolMode::Face : SymbolMode::Edge; }

void Form6::tmr1Timer()
{
    auto apply = [this](const ModeLabels& labels) {
        lbl2->setText(text(labels.firstSymbol));
        lbl3->setText(text(labels.secondSymbol));
        lbl4->setText(text(labels.result));
        lbl5->setText(text(labels.inputOpen));
        lbl6->setText(text(labels.inputOpen));
        lbl7->setText(text(labels.inputClose));
        lbl8->setText(text(labels.inputClose));
        lbl9->setText(text(labels.resultOpen));
        lbl10->setText(text(labels.resultClose));
        for (QLabel* label : {lbl2, lbl3, lbl4})
            growToText(label);
    };
    if (rb1->isChecked())
        apply(kEdgeModeLabels);
    if (rb2->isChecked())
        apply(kFaceModeLabels);
}

void Form6::N5Click()
{
    const SymbolInputs inputs{edt1->text(), edt2->text(), edt3->text(),
                              edt4->text(), edt5->text(), edt6->text()};
    const ZoneLawOutcome outcome = ApplyZoneLaw(inputs, mode(), locale());
    switch (outcome.failure) {
    case ZoneLawFailure::EmptyInput:
        messageUi().message(outcome.message);
        return;
    case ZoneLawFailure::InvalidNumber:
        messageUi().error(outcome.message);
        return;
    case ZoneLawFailure::None:
        break;
    }
    edt7->setText(outcome.symbol[0]);
    edt8->setText(outcome.symbol[1]);
    edt9->setText(outcome.symbol[2]);
}

void Form6::clearFields()
{
    for (QLineEdit* field : {edt1, edt2, edt3, edt4, edt5, edt6, edt7, edt8, edt9})
        field->clear();
}

void Form6::N6Click() { clearFields(); }

void Form6::rb1Click() { clearFields(); }

void Form6::rb2Click() { clearFields(); }

void Form6::N2Click()
{
    const QString path = ScreenshotFileName(programDir_, QStringLiteral("Calc"),
                                            QDateTime::currentDateTime(), locale());
    QString error;
    if (!SaveBmp24(GrabWholeWindow(this), path, &error)) {
        messageUi().error(error);
        return;
    }
    messageUi().message(ScreenshotSavedMessage());
}

void Form6::N3Click() { close(); }

void Form6::ApplicationEvents1Hint(const QString& hint) { ShowHintIn(stat1, hint); }

bool Form6::event(QEvent* event)
{
    // The status bar shows the program's current hint, which the hint router
    // sends to every window alike; Qt's own status tips of the menu items
    // would clear it whenever the mouse passes over the menu.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void Form6::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
}

} // namespace vestrel
