// SPDX-License-Identifier: MIT
#include "logic/kept_settings.h"

#include <QDir>
#include <QSettings>
#include <QVariant>

namespace vestrel {

namespace {

// Colours are kept by name, so the file reads plainly and an unknown name is
// recognised as such.
const QStringList AxisColourNames{QStringLiteral("none"), QStringLiteral("green"), QStringLiteral("red"),
                                  QStringLiteral("blue"), QStringLiteral("yellow")};
const QStringList ScrewColourNames{QStringLiteral("green"), QStringLiteral("red"), QStringLiteral("blue"),
                                   QStringLiteral("yellow")};
const QStringList AxesMenuNames{QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("blue")};
const QStringList PlanesMenuNames{QStringLiteral("white"), QStringLiteral("red"), QStringLiteral("green"),
                                  QStringLiteral("blue")};
const QStringList FaceNames{QStringLiteral("edges"), QStringLiteral("solid")};
const QStringList MouseNames{QStringLiteral("direct"), QStringLiteral("inverted")};

constexpr std::array<const char*, 4> AxisColourKeys{"objects/axisColour2", "objects/axisColour3",
                                                    "objects/axisColour4", "objects/axisColour6"};
constexpr std::array<const char*, 11> ToolButtonKeys{
    "toolBar/build", "toolBar/erase", "toolBar/reference", "toolBar/previous", "toolBar/next", "toolBar/save",
    "toolBar/screenshot", "toolBar/legend", "toolBar/settings", "toolBar/help", "toolBar/exit"};

// A window larger than any screen, or a position far off every screen, is
// not a place the user left the window.
constexpr int MinWindowSide = 100;
constexpr int MaxWindowSide = 16384;
constexpr int MaxWindowOffset = 16384;

// Reads one item at a time; an unusable item leaves the start value and is
// noted.
class Reader {
public:
    Reader(QSettings& file, QStringList& rejected) : file_(file), rejected_(rejected) {}

    void integer(const char* key, int low, int high, int& value)
    {
        const QVariant v = file_.value(QLatin1String(key));
        if (!v.isValid())
            return;
        bool ok = false;
        qlonglong n = 0;
        if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            n = v.toLongLong(&ok);
        else if (v.typeId() == QMetaType::QString)
            n = v.toString().trimmed().toLongLong(&ok);
        if (ok && n >= low && n <= high)
            value = static_cast<int>(n);
        else
            rejected_ << QLatin1String(key);
    }

    void boolean(const char* key, bool& value)
    {
        const QVariant v = file_.value(QLatin1String(key));
        if (!v.isValid())
            return;
        if (v.typeId() == QMetaType::Bool) {
            value = v.toBool();
            return;
        }
        const QString text = v.typeId() == QMetaType::QString ? v.toString().trimmed().toLower() : QString();
        if (text == QLatin1String("true"))
            value = true;
        else if (text == QLatin1String("false"))
            value = false;
        else
            rejected_ << QLatin1String(key);
    }

    void name(const char* key, const QStringList& names, int& value)
    {
        const QVariant v = file_.value(QLatin1String(key));
        if (!v.isValid())
            return;
        const qsizetype item =
            v.typeId() == QMetaType::QString ? names.indexOf(v.toString().trimmed().toLower()) : -1;
        if (item >= 0)
            value = static_cast<int>(item);
        else
            rejected_ << QLatin1String(key);
    }

    void flag(const char* key, const QStringList& names, bool& value)
    {
        int item = value ? 1 : 0;
        name(key, names, item);
        value = item == 1;
    }

    void folder(const char* key, QString& value)
    {
        const QVariant v = file_.value(QLatin1String(key));
        if (!v.isValid())
            return;
        const QString text = v.typeId() == QMetaType::QString ? v.toString() : QString();
        if (!text.isEmpty() && QDir::isAbsolutePath(text) && !text.contains(QChar(0)))
            value = QDir::cleanPath(text);
        else
            rejected_ << QLatin1String(key);
    }

    void rect(const char* key, std::optional<QRect>& value)
    {
        const QVariant v = file_.value(QLatin1String(key));
        if (!v.isValid())
            return;
        if (v.typeId() == QMetaType::QRect) {
            const QRect r = v.toRect();
            const auto within = [](int n, int low, int high) { return n >= low && n <= high; };
            if (within(r.width(), MinWindowSide, MaxWindowSide) && within(r.height(), MinWindowSide, MaxWindowSide)
                && within(r.x(), -MaxWindowOffset, MaxWindowOffset)
                && within(r.y(), -MaxWindowOffset, MaxWindowOffset)) {
                value = r;
                return;
            }
        }
        rejected_ << QLatin1String(key);
    }

private:
    QSettings& file_;
    QStringList& rejected_;
};

QString nameOf(const QStringList& names, int item) { return names.value(item); }

constexpr const char* LanguageKey = "program/language";

} // namespace

void SettingsStore::readLanguage(std::optional<Language>& language)
{
    if (!file_.contains(QLatin1String(LanguageKey)))
        return;
    language = LanguageFromCode(file_.value(QLatin1String(LanguageKey)).toString().toStdString());
    if (!language)
        rejected_ << QLatin1String(LanguageKey);
}

KeptSettings SettingsStore::load()
{
    rejected_.clear();
    KeptSettings s;
    Reader read(file_, rejected_);
    read.integer("objects/frameInterval", 1, 100, s.frameInterval);
    for (std::size_t i = 0; i < AxisColourKeys.size(); ++i)
        read.name(AxisColourKeys[i], AxisColourNames, s.axisColours[i]);
    read.name("objects/screwAxisColour", ScrewColourNames, s.screwAxisColour);
    read.flag("objects/faces", FaceNames, s.solidFaces);
    read.flag("program/mouse", MouseNames, s.invertedMouse);
    read.boolean("program/maxDistance", s.maxDistance);
    read.boolean("program/hideDetails", s.hideDetails);
    read.boolean("program/hideSidePanel", s.hideSidePanel);
    read.boolean("program/showToolBar", s.showToolBar);
    read.boolean("program/shaded", s.shaded);
    read.boolean("program/smooth", s.smooth);
    read.name("view/axesColour", AxesMenuNames, s.axesColour);
    read.name("view/planesColour", PlanesMenuNames, s.planesColour);
    for (std::size_t i = 0; i < ToolButtonKeys.size(); ++i)
        read.boolean(ToolButtonKeys[i], s.toolButtons[i]);
    read.boolean("view/rotate", s.autoRotate);
    read.boolean("view/bonds", s.showBonds);
    read.boolean("view/screwAxes", s.showScrewAxes);
    read.boolean("view/symmetryAxes", s.showSymmetryAxes);
    read.boolean("view/symmetryPlanes", s.showSymmetryPlanes);
    read.folder("saveDialog/folder", s.saveFolder);
    read.integer("saveDialog/filter", 1, 4, s.saveFilter);
    read.folder("openDialog/folder", s.structureFolder);
    read.rect("mainWindow/geometry", s.geometry);
    read.boolean("mainWindow/maximized", s.maximized);
    readLanguage(s.language);
    return s;
}

bool SettingsStore::save(const KeptSettings& s)
{
    file_.setValue(QStringLiteral("objects/frameInterval"), s.frameInterval);
    // A list whose text was typed over has no item; it is not kept and
    // starts from its start item next time.
    for (std::size_t i = 0; i < AxisColourKeys.size(); ++i) {
        const QString key = QLatin1String(AxisColourKeys[i]);
        if (s.axisColours[i] >= 0)
            file_.setValue(key, nameOf(AxisColourNames, s.axisColours[i]));
        else
            file_.remove(key);
    }
    if (s.screwAxisColour >= 0)
        file_.setValue(QStringLiteral("objects/screwAxisColour"), nameOf(ScrewColourNames, s.screwAxisColour));
    else
        file_.remove(QStringLiteral("objects/screwAxisColour"));
    file_.setValue(QStringLiteral("objects/faces"), nameOf(FaceNames, s.solidFaces ? 1 : 0));
    file_.setValue(QStringLiteral("program/mouse"), nameOf(MouseNames, s.invertedMouse ? 1 : 0));
    file_.setValue(QStringLiteral("program/maxDistance"), s.maxDistance);
    file_.setValue(QStringLiteral("program/hideDetails"), s.hideDetails);
    file_.setValue(QStringLiteral("program/hideSidePanel"), s.hideSidePanel);
    file_.setValue(QStringLiteral("program/showToolBar"), s.showToolBar);
    file_.setValue(QStringLiteral("program/shaded"), s.shaded);
    file_.setValue(QStringLiteral("program/smooth"), s.smooth);
    file_.setValue(QStringLiteral("view/axesColour"), nameOf(AxesMenuNames, s.axesColour));
    file_.setValue(QStringLiteral("view/planesColour"), nameOf(PlanesMenuNames, s.planesColour));
    for (std::size_t i = 0; i < ToolButtonKeys.size(); ++i)
        file_.setValue(QLatin1String(ToolButtonKeys[i]), s.toolButtons[i]);
    file_.setValue(QStringLiteral("view/rotate"), s.autoRotate);
    file_.setValue(QStringLiteral("view/bonds"), s.showBonds);
    file_.setValue(QStringLiteral("view/screwAxes"), s.showScrewAxes);
    file_.setValue(QStringLiteral("view/symmetryAxes"), s.showSymmetryAxes);
    file_.setValue(QStringLiteral("view/symmetryPlanes"), s.showSymmetryPlanes);
    if (s.saveFolder.isEmpty())
        file_.remove(QStringLiteral("saveDialog/folder"));
    else
        file_.setValue(QStringLiteral("saveDialog/folder"), s.saveFolder);
    file_.setValue(QStringLiteral("saveDialog/filter"), s.saveFilter);
    if (s.structureFolder.isEmpty())
        file_.remove(QStringLiteral("openDialog/folder"));
    else
        file_.setValue(QStringLiteral("openDialog/folder"), s.structureFolder);
    if (s.geometry)
        file_.setValue(QStringLiteral("mainWindow/geometry"), *s.geometry);
    else
        file_.remove(QStringLiteral("mainWindow/geometry"));
    file_.setValue(QStringLiteral("mainWindow/maximized"), s.maximized);
    if (s.language)
        file_.setValue(QLatin1String(LanguageKey), QLatin1String(LanguageCode(*s.language)));
    else
        file_.remove(QLatin1String(LanguageKey));
    file_.sync();
    // A format error only says the old file could not all be read; the new
    // one has been written all the same.
    return file_.status() != QSettings::AccessError;
}

bool SettingsStore::reset()
{
    file_.clear();
    file_.sync();
    return file_.status() != QSettings::AccessError;
}

std::unique_ptr<QSettings> OpenUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vestrel"),
                                       QStringLiteral("Vestrel"));
}

} // namespace vestrel
