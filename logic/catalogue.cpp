// SPDX-License-Identifier: MIT
#include "logic/catalogue.h"

#include "logic/text/language.h"

namespace vestrel {

const std::array<StructureEntry, StructureCount> Structures{{
    {"1. NaCl (Соль)", SceneId::RockSalt, "NaCl"},
    {"2. (Cu)2O (Куприт)", SceneId::Cuprite, "Cu2O"},
    {"3. C(Алмаз)", SceneId::Diamond, "Almaz"},
    {"4. С(Графит)", SceneId::Graphite, "Graphit"},
    {"5. CsCl(Хлористый цезий)", SceneId::CaesiumChloride, "CsCl"},
    {"6. ZnS(Сфалерит)", SceneId::Sphalerite, "Sfalerit"},
    {"7. ZnS(Вюртцит)", SceneId::Wurtzite, "Vurtcit"},
    {"8. Альфа-Fe(Феррит)", SceneId::AlphaIron, "Alpha-Fe"},
    {"9. Гамма-Fe(Аустенит)", SceneId::GammaIron, "Gamma-Fe"},
    {"10. СuFeS2(Халькопирит)", SceneId::Chalcopyrite, "CuFeS2"},
    {"11. BN(Борнитрит)", SceneId::BoronNitride, "BN"},
    {"12. CdI2(Йодистый кадмий)", SceneId::CadmiumIodide, "CdI2"},
    {"13. FeS2(Пирит)", SceneId::Pyrite, "FeS2"},
    {"14. CaF2(Флюорит)", SceneId::Fluorite, "CaF2"},
    {"15. Mg (Магний)", SceneId::Magnesium, "Mg"},
    {"16. TiO2(Рутил)", SceneId::Rutile, "TiO2"},
    {"17. Cu (Медь)", SceneId::Copper, "Cu"},
    {"18. CaCO3 (Кальцит)", SceneId::Calcite, "CaCO3"},
}};

const std::array<PolyhedronEntry, PolyhedronCount> Polyhedra{{
    {"1.   Куб", SceneId::Cube},
    {"2.   Правильный тетраэдр", SceneId::Tetrahedron},
    {"3.   Тетрагональная призма", SceneId::TetragonalPrism},
    {"4.   Тригональная призма", SceneId::TrigonalPrism},
    {"5.   Тригональная пирамида", SceneId::TrigonalPyramid},
    {"6.   Тригональная бипирамида", SceneId::TrigonalBipyramid},
    {"7.   Октаэдр", SceneId::Octahedron},
    {"8.   Тетрагональная пирамида", SceneId::TetragonalPyramid},
    {"9.   Гексагональная пирамида", SceneId::HexagonalPyramid},
    {"10. Гексагональная призма", SceneId::HexagonalPrism},
    {"11. Гексагональная бипирамида", SceneId::HexagonalBipyramid},
    {"12. Дитригональная пирамида", SceneId::DitrigonalPyramid},
}};

namespace {

const QString NothingChosen = QStringLiteral("Не выбрано");

} // namespace

QStringList StructureListItems()
{
    QStringList items{NothingChosen};
    for (const auto& s : Structures)
        items << QString::fromUtf8(s.caption);
    return items;
}

QStringList PolyhedronListItems()
{
    QStringList items{NothingChosen};
    for (const auto& p : Polyhedra)
        items << QString::fromUtf8(p.caption);
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
        view_.showMessage(QStringLiteral("Выберите структуру или тип многогранников!"));
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
