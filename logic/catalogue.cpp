// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include "logic/catalogue.h"

#include "logic/text/language.h"

namespace vestrel {

const std::array<StructureEntry, StructureCount> Structures{{
    {QT_TRANSLATE_NOOP("Catalogue", "1. NaCl (Соль)"), SceneId::RockSalt, "NaCl"},
    {QT_TRANSLATE_NOOP("Catalogue", "2. (Cu)2O (Куприт)"), SceneId::Cuprite, "Cu2O"},
    {QT_TRANSLATE_NOOP("Catalogue", "3. C(Алмаз)"), SceneId::Diamond, "Almaz"},
    {QT_TRANSLATE_NOOP("Catalogue", "4. С(Графит)"), SceneId::Graphite, "Graphit"},
    {QT_TRANSLATE_NOOP("Catalogue", "5. CsCl(Хлористый цезий)"), SceneId::CaesiumChloride, "CsCl"},
    {QT_TRANSLATE_NOOP("Catalogue", "6. ZnS(Сфалерит)"), SceneId::Sphalerite, "Sfalerit"},
    {QT_TRANSLATE_NOOP("Catalogue", "7. ZnS(Вюртцит)"), SceneId::Wurtzite, "Vurtcit"},
    {QT_TRANSLATE_NOOP("Catalogue", "8. Альфа-Fe(Феррит)"), SceneId::AlphaIron, "Alpha-Fe"},
    {QT_TRANSLATE_NOOP("Catalogue", "9. Гамма-Fe(Аустенит)"), SceneId::GammaIron, "Gamma-Fe"},
    {QT_TRANSLATE_NOOP("Catalogue", "10. СuFeS2(Халькопирит)"), SceneId::Chalcopyrite, "CuFeS2"},
    {QT_TRANSLATE_NOOP("Catalogue", "11. BN(Борнитрит)"), SceneId::BoronNitride, "BN"},
    {QT_TRANSLATE_NOOP("Catalogue", "12. CdI2(Йодистый кадмий)"), SceneId::CadmiumIodide, "CdI2"},
    {QT_TRANSLATE_NOOP("Catalogue", "13. FeS2(Пирит)"), SceneId::Pyrite, "FeS2"},
    {QT_TRANSLATE_NOOP("Catalogue", "14. CaF2(Флюорит)"), SceneId::Fluorite, "CaF2"},
    {QT_TRANSLATE_NOOP("Catalogue", "15. Mg (Магний)"), SceneId::Magnesium, "Mg"},
    {QT_TRANSLATE_NOOP("Catalogue", "16. TiO2(Рутил)"), SceneId::Rutile, "TiO2"},
    {QT_TRANSLATE_NOOP("Catalogue", "17. Cu (Медь)"), SceneId::Copper, "Cu"},
    {QT_TRANSLATE_NOOP("Catalogue", "18. CaCO3 (Кальцит)"), SceneId::Calcite, "CaCO3"},
}};

const std::array<PolyhedronEntry, PolyhedronCount> Polyhedra{{
    {QT_TRANSLATE_NOOP("Catalogue", "1.   Куб"), SceneId::Cube},
    {QT_TRANSLATE_NOOP("Catalogue", "2.   Правильный тетраэдр"), SceneId::Tetrahedron},
    {QT_TRANSLATE_NOOP("Catalogue", "3.   Тетрагональная призма"), SceneId::TetragonalPrism},
    {QT_TRANSLATE_NOOP("Catalogue", "4.   Тригональная призма"), SceneId::TrigonalPrism},
    {QT_TRANSLATE_NOOP("Catalogue", "5.   Тригональная пирамида"), SceneId::TrigonalPyramid},
    {QT_TRANSLATE_NOOP("Catalogue", "6.   Тригональная бипирамида"), SceneId::TrigonalBipyramid},
    {QT_TRANSLATE_NOOP("Catalogue", "7.   Октаэдр"), SceneId::Octahedron},
    {QT_TRANSLATE_NOOP("Catalogue", "8.   Тетрагональная пирамида"), SceneId::TetragonalPyramid},
    {QT_TRANSLATE_NOOP("Catalogue", "9.   Гексагональная пирамида"), SceneId::HexagonalPyramid},
    {QT_TRANSLATE_NOOP("Catalogue", "10. Гексагональная призма"), SceneId::HexagonalPrism},
    {QT_TRANSLATE_NOOP("Catalogue", "11. Гексагональная бипирамида"), SceneId::HexagonalBipyramid},
    {QT_TRANSLATE_NOOP("Catalogue", "12. Дитригональная пирамида"), SceneId::DitrigonalPyramid},
}};

namespace {

QString NothingChosen() { return QCoreApplication::translate("Catalogue", "Не выбрано"); }

} // namespace

QStringList StructureListItems()
{
    QStringList items{NothingChosen()};
    for (const auto& s : Structures)
        items << QCoreApplication::translate("Catalogue", s.caption);
    return items;
}

QStringList PolyhedronListItems()
{
    QStringList items{NothingChosen()};
    for (const auto& p : Polyhedra)
        items << QCoreApplication::translate("Catalogue", p.caption);
    return items;
}

QString PhotoFile(int structureItem)
{
    return QStringLiteral("Data/Nature/%1.jpg").arg(QString::fromUtf8(Structures.at(structureItem - 1).fileName));
}

QString InformationFile(int structureItem)
{
    const QString folder = CurrentLanguage() == Language::English ? QStringLiteral("Data/Information/en")
                                                                  : QStringLiteral("Data/Information");
    return QStringLiteral("%1/%2.txt").arg(folder, QString::fromUtf8(Structures.at(structureItem - 1).fileName));
}

TextEncoding InformationTextEncoding(const QString& path)
{
    const QString folder = path.section(QLatin1Char('/'), -2, -2);
    return folder == QLatin1String("en") ? TextEncoding::Utf8 : TextEncoding::Windows1251;
}

void Catalogue::setStructureItem(int item)
{
    structure_ = item;
    view_.setStructureItem(item);
}

void Catalogue::setPolyhedronItem(int item)
{
    polyhedron_ = item;
    view_.setPolyhedronItem(item);
}

void Catalogue::switchStructures(int item)
{
    for (int k = 1; k <= StructureCount; ++k)
        flags_[index(Structures[k - 1].scene)] = (k == item);
}

void Catalogue::switchPolyhedra(int item)
{
    for (int k = 1; k <= PolyhedronCount; ++k)
        flags_[index(Polyhedra[k - 1].scene)] = (k == item);
}

void Catalogue::build()
{
    if (structure_ == 0 && polyhedron_ == 0)
        view_.showMessage(QCoreApplication::translate("Catalogue", "Выберите структуру или тип многогранников!"));
    if (structure_ >= 1) {
        switchStructures(structure_);
        // A failed photo must not leave the previous crystal's picture and
        // text beside the new structure.
        if (!view_.loadPhoto(PhotoFile(structure_))) {
            view_.clearPhoto();
            view_.clearInformation();
            return;
        }
        if (!view_.loadInformation(InformationFile(structure_))) {
            view_.clearInformation();
            return;
        }
    }
    if (polyhedron_ >= 1)
        switchPolyhedra(polyhedron_);
}

void Catalogue::erase()
{
    flags_.fill(false);
    view_.clearPhoto();
    view_.clearInformation();
}

void Catalogue::next()
{
    if (structure_ != 0) {
        if (structure_ == StructureCount)
            setStructureItem(0);
        setStructureItem(structure_ + 1);
        build();
    }
    if (polyhedron_ != 0) {
        if (polyhedron_ == PolyhedronCount)
            setPolyhedronItem(0);
        setPolyhedronItem(polyhedron_ + 1);
        build();
    }
}

void Catalogue::previous()
{
    if (structure_ != 0) {
        setStructureItem(structure_ - 1);
        if (structure_ == 0)
            setStructureItem(StructureCount);
        build();
    }
    if (polyhedron_ != 0) {
        setPolyhedronItem(polyhedron_ - 1);
        if (polyhedron_ == 0)
            setPolyhedronItem(PolyhedronCount);
        build();
    }
}

void Catalogue::chooseStructure(int item)
{
    structure_ = item;
    if (item == 0)
        return;
    setPolyhedronItem(0);
    switchPolyhedra(0);
    view_.enableStructureOptions(true);
}

void Catalogue::choosePolyhedron(int item)
{
    polyhedron_ = item;
    if (item == 0)
        return;
    setStructureItem(0);
    switchStructures(0);
    view_.clearPhoto();
    view_.clearInformation();
    view_.enableStructureOptions(false);
}

} // namespace vestrel
