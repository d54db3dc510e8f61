// SPDX-License-Identifier: MIT
#include "app/calculator_window.h"

#include "logic/hints.h"
#include "logic/picture_commands.h"
#include "logic/pictures/picture_files.h"
#include "logic/zone_picture.h"
#include "app/qt_picture_ui.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace vestrel {

namespace {

constexpr QSize kClientSize{369, 321}; // above the status bar
// "Показать в пространстве", below the result group.
constexpr QRect kShowInSpaceGeometry{8, 294, 353, 23};
// "В открытой структуре", under the result fields.
constexpr QRect kInStructureGeometry{24, 46, 300, 17};
constexpr int kStatusBarHeight = 19;
constexpr int kRelabelIntervalMs = 100;

// The window's palette: a pale steel blue behind the mode panel, which sets
// the mode choice apart from the input fields, red for the labels of what the
// user types and green for the labels of the result, so that input and
// answer are told apart at a glance.
constexpr QRgb kModePanelColour = qRgb(185, 209, 234);
constexpr QRgb kInputLabelColour = qRgb(255, 0, 0);
constexpr QRgb kResultLabelColour = qRgb(0, 128, 0);

// The planes of the zone law: the two faces, or the face of two edges.
std::vector<std::array<int, 3>> PlanesOf(const ZoneScene& scene)
{
    if (scene.kind == ZoneScene::Kind::FacesToEdge)
        return {scene.first, scene.second};
    if (scene.parallel())
        return {};
    return {scene.product};
}

// Label texts and brackets for one mode of the calculator.
struct ModeLabels {
    const char* firstSymbol;  // firstLabel
    const char* secondSymbol; // secondLabel
    const char* result;       // resultLabel1
    const char* inputOpen;    // inputHeader1, inputHeader2
    const char* inputClose;   // inputHeader3, inputHeader4
    const char* resultOpen;   // resultLabel2
    const char* resultClose;  // resultLabel3
};

constexpr ModeLabels kEdgeModeLabels{QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ первой грани :"),
                                     QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ второй грани :"),
                                     QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ ребра :"),
                                     "(", ")", "[", "]"};
constexpr ModeLabels kFaceModeLabels{QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ первого ребра :"),
                                     QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ второго ребра :"),
                                     QT_TRANSLATE_NOOP("vestrel::CalculatorWindow", "Символ грани :"),
                                     "[", "]", "(", ")"};

QString text(const char* s) { return QCoreApplication::translate("vestrel::CalculatorWindow", s); }

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

CalculatorWindow::CalculatorWindow(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), folders_(programDir)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Расчет символов граней и ребер"));
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
    createShowInSpaceButton(client);
    createStatusBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    qtMessageUi_ = std::make_unique<QtPictureUi>(this);
    messageUi_ = qtMessageUi_.get();

    modeTimer = new QTimer(this);
    modeTimer->setObjectName(QStringLiteral("tmr1"));
    modeTimer->setInterval(kRelabelIntervalMs);
    connect(modeTimer, &QTimer::timeout, this, &CalculatorWindow::relabelForMode);
    modeTimer->start();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::createMenu()
{
    menus = menuBar();
    menus->setObjectName(QStringLiteral("mm1"));
    QStyle* s = style();

    fileMenu = menus->addMenu(tr("Файл"));
    fileMenu->setObjectName(QStringLiteral("N1"));
    screenshotAction = makeAction(fileMenu, "N2", tr("Сделать скриншот"), s->standardIcon(QStyle::SP_DialogSaveButton));
    fileSeparator = makeSeparator(fileMenu, "N8");
    exitAction = makeAction(fileMenu, "N3", tr("Выход"), s->standardIcon(QStyle::SP_DialogCloseButton));

    runMenu = menus->addMenu(tr("Запуск"));
    runMenu->setObjectName(QStringLiteral("N4"));
    calculateAction = makeAction(runMenu, "N5", tr("Рассчитать"), s->standardIcon(QStyle::SP_MediaPlay));
    runSeparator = makeSeparator(runMenu, "N7");
    clearAction = makeAction(runMenu, "N6", tr("Стереть введенные данные"),
                    s->standardIcon(QStyle::SP_DialogResetButton));

    connect(screenshotAction, &QAction::triggered, this, &CalculatorWindow::takeScreenshot);
    connect(exitAction, &QAction::triggered, this, &CalculatorWindow::hideWindow);
    connect(calculateAction, &QAction::triggered, this, &CalculatorWindow::calculate);
    connect(clearAction, &QAction::triggered, this, &CalculatorWindow::clearFields);
}

void CalculatorWindow::createModePanel(QWidget* client)
{
    modePanel = new QFrame(client);
    modePanel->setObjectName(QStringLiteral("pnl1"));
    modePanel->setGeometry(0, 0, 369, 105);
    modePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setStatusHint(modePanel, tr("Облать переключения режимов расчета"));
    modePanel->setAutoFillBackground(true);
    QPalette palette = modePanel->palette();
    palette.setColor(QPalette::Window, QColor(kModePanelColour));
    modePanel->setPalette(palette);

    modeLabel = makeLabel(modePanel, "lbl1", tr("Режим для расчетов:"), {96, 16, 183, 20}, 12);
    QFont heading = modeLabel->font();
    heading.setBold(true);
    heading.setUnderline(true);
    modeLabel->setFont(heading);
    growToText(modeLabel);

    facesToEdgeRadio = new QRadioButton(tr("Нахождение символа ребра"), modePanel);
    facesToEdgeRadio->setObjectName(QStringLiteral("rb1"));
    facesToEdgeRadio->setGeometry(8, 56, 169, 17);
    facesToEdgeRadio->setChecked(true);
    edgesToFaceRadio = new QRadioButton(tr("Нахождение символа грани"), modePanel);
    edgesToFaceRadio->setObjectName(QStringLiteral("rb2"));
    edgesToFaceRadio->setGeometry(200, 56, 169, 17);
    for (QRadioButton* rb : {facesToEdgeRadio, edgesToFaceRadio})
        rb->setCursor(Qt::PointingHandCursor);
    // Choosing a mode clears the fields; clicking the mode already chosen
    // changes nothing.
    connect(facesToEdgeRadio, &QRadioButton::toggled, this, [this](bool on) { if (on) facesToEdgeChosen(); });
    connect(edgesToFaceRadio, &QRadioButton::toggled, this, [this](bool on) { if (on) edgesToFaceChosen(); });
}

void CalculatorWindow::createInputGroup(QWidget* client)
{
    inputGroup = new QGroupBox(tr("Исходные данные :"), client);
    inputGroup->setObjectName(QStringLiteral("grp1"));
    inputGroup->setGeometry(0, 112, 369, 105);
    setStatusHint(inputGroup, tr("Облать для ввода данных"));

    firstLabel = makeLabel(inputGroup, "lbl2", text(kEdgeModeLabels.firstSymbol), {24, 25, 116, 13});
    secondLabel = makeLabel(inputGroup, "lbl3", text(kEdgeModeLabels.secondSymbol), {24, 65, 115, 13});
    setTextColour(firstLabel, kInputLabelColour);
    setTextColour(secondLabel, kInputLabelColour);
    inputHeader1 = makeLabel(inputGroup, "lbl5", text(kEdgeModeLabels.inputOpen), {200, 24, 5, 20}, 12);
    inputHeader2 = makeLabel(inputGroup, "lbl6", text(kEdgeModeLabels.inputOpen), {200, 64, 5, 20}, 12);
    inputHeader3 = makeLabel(inputGroup, "lbl7", text(kEdgeModeLabels.inputClose), {312, 24, 5, 20}, 12);
    inputHeader4 = makeLabel(inputGroup, "lbl8", text(kEdgeModeLabels.inputClose), {312, 64, 5, 20}, 12);

    const QString firstHint = tr("Символ первой грани/ребра");
    const QString secondHint = tr("Символ второй грани/ребра");
    first1Field = makeEdit(inputGroup, "edt1", 216, 24, firstHint);
    first2Field = makeEdit(inputGroup, "edt2", 248, 24, firstHint);
    first3Field = makeEdit(inputGroup, "edt3", 280, 24, firstHint);
    second1Field = makeEdit(inputGroup, "edt4", 216, 64, secondHint);
    second2Field = makeEdit(inputGroup, "edt5", 248, 64, secondHint);
    second3Field = makeEdit(inputGroup, "edt6", 280, 64, secondHint);
    QWidget* const tabOrder[] = {first1Field, first2Field, first3Field, second1Field, second2Field, second3Field};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void CalculatorWindow::createResultGroup(QWidget* client)
{
    resultGroup = new QGroupBox(tr("Решение :"), client);
    resultGroup->setObjectName(QStringLiteral("grp2"));
    resultGroup->setGeometry(0, 224, 369, 65);
    setStatusHint(resultGroup, tr("Облать вывода рассчитанных данных"));

    resultLabel1 = makeLabel(resultGroup, "lbl4", text(kEdgeModeLabels.result), {24, 28, 78, 13});
    setTextColour(resultLabel1, kResultLabelColour);
    resultLabel2 = makeLabel(resultGroup, "lbl9", text(kEdgeModeLabels.resultOpen), {200, 23, 4, 20}, 12);
    resultLabel3 = makeLabel(resultGroup, "lbl10", text(kEdgeModeLabels.resultClose), {312, 23, 4, 20}, 12);

    const QString hint = tr("Полученное решение");
    result1Field = makeEdit(resultGroup, "edt7", 216, 24, hint);
    result2Field = makeEdit(resultGroup, "edt8", 248, 24, hint);
    result3Field = makeEdit(resultGroup, "edt9", 280, 24, hint);
}

void CalculatorWindow::createShowInSpaceButton(QWidget* client)
{
    showInSpaceButton = new QPushButton(tr("Показать в пространстве"), client);
    showInSpaceButton->setObjectName(QStringLiteral("showInSpaceButton"));
    showInSpaceButton->setGeometry(kShowInSpaceGeometry);
    inStructureCheck = new QCheckBox(tr("Показать в открытой структуре"), resultGroup);
    inStructureCheck->setObjectName(QStringLiteral("inStructureCheck"));
    inStructureCheck->setGeometry(kInStructureGeometry);
    setStatusHint(inStructureCheck, tr("Показать плоскости в открытой структуре из файла, если она показана"));
    setStatusHint(showInSpaceButton,
                  tr("Показать плоскости и направления в кубической ячейке в окне построения"));
    connect(showInSpaceButton, &QPushButton::clicked, this, &CalculatorWindow::showZoneInSpace);
}

void CalculatorWindow::createStatusBar()
{
    statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("stat1"));
    statusLine->setFixedHeight(kStatusBarHeight);
    statusLine->setSizeGripEnabled(false);
    setStatusBar(statusLine);
}

void CalculatorWindow::setMessageUi(MessageUi* ui) { messageUi_ = ui ? ui : qtMessageUi_.get(); }

MessageUi& CalculatorWindow::messageUi() { return *messageUi_; }

SymbolMode CalculatorWindow::mode() const { return edgesToFaceRadio->isChecked() ? SymbolMode::Face : SymbolMode::Edge; }

void CalculatorWindow::relabelForMode()
{
    auto apply = [this](const ModeLabels& labels) {
        firstLabel->setText(text(labels.firstSymbol));
        secondLabel->setText(text(labels.secondSymbol));
        resultLabel1->setText(text(labels.result));
        inputHeader1->setText(text(labels.inputOpen));
        inputHeader2->setText(text(labels.inputOpen));
        inputHeader3->setText(text(labels.inputClose));
        inputHeader4->setText(text(labels.inputClose));
        resultLabel2->setText(text(labels.resultOpen));
        resultLabel3->setText(text(labels.resultClose));
        for (QLabel* label : {firstLabel, secondLabel, resultLabel1})
            growToText(label);
    };
    if (facesToEdgeRadio->isChecked())
        apply(kEdgeModeLabels);
    if (edgesToFaceRadio->isChecked())
        apply(kFaceModeLabels);
}

void CalculatorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        followLanguage();
    QMainWindow::changeEvent(event);
}

void CalculatorWindow::followLanguage()
{
    // Relabelled hints give their controls tool tips again; the calculator's
    // hints go to the status bars only.
    for (QWidget* w : findChildren<QWidget*>())
        if (!HintOf(w).isEmpty())
            w->setToolTip(QString());
    growToText(modeLabel);
    relabelForMode();
    // Numbers are read and written as the language writes them, unless the
    // window was given a locale of its own.
    if (!testAttribute(Qt::WA_SetLocale))
        unsetLocale();
}

void CalculatorWindow::calculate()
{
    const SymbolInputs inputs{first1Field->text(), first2Field->text(), first3Field->text(),
                              second1Field->text(), second2Field->text(), second3Field->text()};
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
    result1Field->setText(outcome.symbol[0]);
    result2Field->setText(outcome.symbol[1]);
    result3Field->setText(outcome.symbol[2]);
}

void CalculatorWindow::showZoneInSpace()
{
    const SymbolInputs inputs{first1Field->text(), first2Field->text(), first3Field->text(),
                              second1Field->text(), second2Field->text(), second3Field->text()};
    const ZonePictureOutcome outcome = MakeZonePicture(inputs, mode(), locale());
    if (!outcome.picture) {
        if (outcome.isError)
            messageUi().error(outcome.message);
        else
            messageUi().message(outcome.message);
        return;
    }
    if (inStructureCheck->isChecked() && structureShown && structureShown() && showPlanesInStructure)
        showPlanesInStructure(PlanesOf(outcome.picture->scene));
    else if (showInSpace)
        showInSpace(*outcome.picture);
}

void CalculatorWindow::clearFields()
{
    for (QLineEdit* field : {first1Field, first2Field, first3Field, second1Field, second2Field, second3Field, result1Field, result2Field, result3Field})
        field->clear();
}


void CalculatorWindow::facesToEdgeChosen() { clearFields(); }

void CalculatorWindow::edgesToFaceChosen() { clearFields(); }

} // namespace vestrel
