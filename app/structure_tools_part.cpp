// SPDX-License-Identifier: MIT
#include "app/structure_tools_part.h"

#include "app/catalogue_part.h"
#include "app/gl_panel.h"
#include "app/structure_file_part.h"
#include "app/view_part.h"
#include "logic/cif/elements.h"
#include "logic/hints.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace vestrel {

namespace {

// A press and release closer than this (pixels, each way) is a click.
constexpr int ClickSlack = 3;

QString Text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QIcon MeasureIcon()
{
    constexpr int Size = 32;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Two atoms and the dashed line of their distance.
    p.setPen(QPen(QColor(40, 40, 40), 1.5, Qt::DashLine));
    p.drawLine(QPointF(8, 24), QPointF(24, 8));
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(QColor(80, 80, 255));
    p.drawEllipse(QPointF(8, 24), 5, 5);
    p.setBrush(QColor(255, 40, 40));
    p.drawEllipse(QPointF(24, 8), 4, 4);
    p.end();
    return QIcon(pixmap);
}

StructureToolsPart::StructureToolsPart(QWidget& window, StructureFilePart& file, CataloguePart& catalogue,
                                       GlPanel& panel, const ViewPart& view, QStatusBar& status)
    : QObject(&window), file_(file), catalogue_(catalogue), panel_(panel), view_(view), status_(status)
{
    group_ = new QGroupBox(&window);
    group_->setObjectName(QStringLiteral("structureToolsGroup"));
    auto* column = new QVBoxLayout(group_);
    measure_ = new QCheckBox(QCoreApplication::translate("StructureToolsPart", "Измерение"), group_);
    measure_->setObjectName(QStringLiteral("measureCheck"));
    SetHint(measure_, QCoreApplication::translate("StructureToolsPart", "Щелчками по атомам измерить расстояние (два атома) или угол (три атома)"));
    polyhedra_ = new QCheckBox(QCoreApplication::translate("StructureToolsPart", "Координационные полиэдры"), group_);
    polyhedra_->setObjectName(QStringLiteral("polyhedraCheck"));
    SetHint(polyhedra_, QCoreApplication::translate("StructureToolsPart", "Показать координационные полиэдры вокруг выбранных элементов"));
    centres_ = new QLineEdit(group_);
    centres_->setObjectName(QStringLiteral("polyhedraCentresEdit"));
    SetHint(centres_, QCoreApplication::translate("StructureToolsPart", "Центральные элементы полиэдров через запятую; пусто — все катионы"));
    centres_->setPlaceholderText(QCoreApplication::translate("StructureToolsPart", "все катионы"));
    auto* planesLabel = new QLabel(QCoreApplication::translate("StructureToolsPart", "Плоскости (hkl)"), group_);
    planes_ = new QLineEdit(group_);
    planes_->setObjectName(QStringLiteral("planesEdit"));
    planesLabel->setBuddy(planes_);
    SetHint(planes_, QCoreApplication::translate("StructureToolsPart", "Индексы Миллера плоскостей, например 1 1 0; несколько — через «;»"));
    column->addWidget(measure_);
    column->addWidget(polyhedra_);
    column->addWidget(centres_);
    column->addWidget(planesLabel);
    column->addWidget(planes_);
    group_->hide();

    connect(measure_, &QCheckBox::toggled, this, [this](bool on) {
        if (button_)
            button_->setChecked(on);
        request_.picked.clear();
        refreshPicks();
    });
    connect(polyhedra_, &QCheckBox::toggled, this, [this](bool on) {
        request_.polyhedra = on;
        refresh();
    });
    connect(centres_, &QLineEdit::editingFinished, this, &StructureToolsPart::applyCentres);
    connect(planes_, &QLineEdit::editingFinished, this, &StructureToolsPart::applyPlanes);
    connect(&panel_, &GlPanel::mousePressed, this, &StructureToolsPart::pressed);
    connect(&panel_, &GlPanel::mouseReleased, this, &StructureToolsPart::released);
    connect(&file_, &StructureFilePart::shownChanged, this, &StructureToolsPart::structureChanged);
    connect(&file_, &StructureFilePart::blockChanged, this, [this] {
        request_.picked.clear();
        refresh();
    });
}

void StructureToolsPart::bindButton(QToolButton* button)
{
    button_ = button;
    button_->setIcon(MeasureIcon());
    button_->setCheckable(true);
    button_->setEnabled(false);
    connect(button_, &QToolButton::toggled, measure_, &QCheckBox::setChecked);
}

const structures::StructureOverlay* StructureToolsPart::overlay() const
{
    return file_.shown() && !overlay_.empty() ? &overlay_ : nullptr;
}

void StructureToolsPart::pressed(Qt::MouseButton button, int x, int y)
{
    pressing_ = button == Qt::LeftButton;
    pressAt_ = QPoint(x, y);
}

void StructureToolsPart::released(Qt::MouseButton button, int x, int y)
{
    if (!pressing_ || button != Qt::LeftButton)
        return;
    pressing_ = false;
    if (std::abs(x - pressAt_.x()) <= ClickSlack && std::abs(y - pressAt_.y()) <= ClickSlack)
        click(x, y);
}

void StructureToolsPart::click(int x, int y)
{
    if (!file_.shown())
        return;
    const cif::LoadedStructure& s = file_.structure();
    const int atom = cif::PickAtom(s, view_.view(), panel_.width(), panel_.height(), x, y);
    std::vector<int>& picked = request_.picked;
    if (atom < 0) {
        picked.clear();
        status_.clearMessage();
    } else if (!measure_->isChecked()) {
        picked = {atom};
        status_.showMessage(Text(cif::AtomLine(s, atom)));
    } else {
        if (picked.size() >= 3)
            picked.clear();
        picked.push_back(atom);
        if (picked.size() >= 2) {
            const QString line = Text(cif::MeasurementLine(s, picked));
            measurements_ << line;
            status_.showMessage(line);
        } else {
            status_.showMessage(Text(cif::AtomLine(s, atom)));
        }
    }
    refreshPicks();
}

void StructureToolsPart::structureChanged()
{
    request_.picked.clear();
    measurements_.clear();
    group_->setVisible(file_.shown());
    if (button_)
        button_->setEnabled(file_.shown());
    if (file_.shown()) {
        applyCentres();
        applyPlanes();
    }
    refresh();
}

void StructureToolsPart::applyCentres()
{
    request_.centres.clear();
    for (const QString& symbol : centres_->text().split(QRegularExpression(QStringLiteral("[,; ]+")), Qt::SkipEmptyParts)) {
        const int z = cif::AtomicNumberOf(symbol.trimmed().toStdString());
        if (z > 0)
            request_.centres.push_back(z);
    }
    refresh();
}

void StructureToolsPart::applyPlanes()
{
    request_.planes.clear();
    if (file_.shown())
        for (const QString& symbol : planes_->text().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const auto parsed = cif::ParsePlaneSymbol(symbol.toStdString(), file_.structure().crystal());
            if (const auto* error = std::get_if<morphology::FaceSymbolError>(&parsed)) {
                if (showMessage)
                    showMessage(Text(error->message));
                break;
            }
            request_.planes.push_back(std::get<morphology::IntVector>(parsed));
        }
    refresh();
}

void StructureToolsPart::showPlanes(const std::vector<std::array<int, 3>>& planes)
{
    QStringList symbols;
    for (const auto& hkl : planes)
        symbols << QStringLiteral("%1 %2 %3").arg(hkl[0]).arg(hkl[1]).arg(hkl[2]);
    planes_->setText(symbols.join(QStringLiteral("; ")));
    applyPlanes();
}

// The polyhedra and planes change seldom and may take a while for a large
// block: they are made here, not on every click.
void StructureToolsPart::refresh()
{
    fixed_ = {};
    fixedMemo_.clear();
    if (file_.shown()) {
        const cif::LoadedStructure& s = file_.structure();
        const cif::ToolRequest fixedPart{{}, request_.polyhedra, request_.centres, request_.planes};
        fixed_ = cif::MakeOverlay(s, fixedPart);
        fixedMemo_ = Text(s.memoText());
        if (request_.polyhedra) {
            const std::vector<int> centres =
                request_.centres.empty() ? cif::CationElements(s.crystal()) : request_.centres;
            fixedMemo_ += QCoreApplication::translate("StructureToolsPart", "Координационные полиэдры:\n");
            for (const std::string& line : cif::PolyhedronLines(s, centres))
                fixedMemo_ += Text(line) + QLatin1Char('\n');
        }
        for (const auto& hkl : request_.planes)
            fixedMemo_ += Text(cif::SpacingLine(s.crystal(), hkl)) + QLatin1Char('\n');
    }
    refreshPicks();
}

void StructureToolsPart::refreshPicks()
{
    overlay_ = fixed_;
    if (file_.shown()) {
        const structures::StructureOverlay picks = cif::MakeOverlay(file_.structure(), {request_.picked, false, {}, {}});
        overlay_.halos = picks.halos;
        overlay_.measureLines = picks.measureLines;
        overlay_.labels = picks.labels;
        QString text = fixedMemo_;
        if (!measurements_.isEmpty())
            text += QCoreApplication::translate("StructureToolsPart", "Измерения:\n") + measurements_.join(QLatin1Char('\n')) + QLatin1Char('\n');
        catalogue_.setInformation(text);
    }
    panel_.update();
}

} // namespace vestrel
