// SPDX-License-Identifier: MIT
// The object catalogue: the structure and polyhedron lists, the 30 scene
// switches and the commands Build, Erase, Next and Previous.
#pragma once

#include "logic/info_text.h"
#include "scenes/scene_id.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vestrel {

struct StructureEntry {
    const char* caption; // item of the structure list (UTF-8)
    SceneId scene;
    const char* fileName; // base name of the photo and the information text
};

struct PolyhedronEntry {
    const char* caption; // item of the polyhedron list (UTF-8)
    SceneId scene;
};

constexpr int StructureCount = 18;
constexpr int PolyhedronCount = 12;

// Items 1..18 of the structure list and 1..12 of the polyhedron list, in
// list order (item 0 of both is "Не выбрано").
extern const std::array<StructureEntry, StructureCount> Structures;
extern const std::array<PolyhedronEntry, PolyhedronCount> Polyhedra;

QStringList StructureListItems();  // with "Не выбрано" first
QStringList PolyhedronListItems(); // with "Не выбрано" first

QString PhotoFile(int structureItem); // "Data/Nature/<name>.jpg"
// "Data/Information/<name>.txt" in Russian, "Data/Information/en/<name>.txt"
// when the interface speaks English.
QString InformationFile(int structureItem);
// The English texts (those in a folder "en") are UTF-8, the Russian ones
// Windows-1251.
TextEncoding InformationTextEncoding(const QString& path);

// What the catalogue asks of the main window.
class CatalogueView {
public:
    virtual ~CatalogueView() = default;
    // Set a list's selection without running its change handler.
    virtual void setStructureItem(int item) = 0;
    virtual void setPolyhedronItem(int item) = 0;
    // Load a file relative to the program's folder; on failure the view
    // shows the message and returns false.
    virtual bool loadPhoto(const QString& relativePath) = 0;
    virtual bool loadInformation(const QString& relativePath) = 0;
    virtual void clearPhoto() = 0;
    virtual void clearInformation() = 0;
    // The photo group and "Показывать соед. линии" on, the two symmetry
    // options off, or the other way round.
    virtual void enableStructureOptions(bool structures) = 0;
    virtual void showMessage(const QString& text) = 0;
};

class Catalogue {
public:
    explicit Catalogue(CatalogueView& view) : view_(view) {}

    void build(); // Build
    void erase(); // Erase
    void next(); // Next
    void previous(); // Previous
    void chooseStructure(int item); // the user chose an item of the structure list
    void choosePolyhedron(int item); // the user chose an item of the polyhedron list

    const SceneFlags& sceneFlags() const { return flags_; }
    int structureItem() const { return structure_; }
    int polyhedronItem() const { return polyhedron_; }

private:
    void setStructureItem(int item);
    void setPolyhedronItem(int item);
    void switchStructures(int item); // item 0 turns all 18 off
    void switchPolyhedra(int item);  // item 0 turns all 12 off

    CatalogueView& view_;
    SceneFlags flags_{};
    int structure_ = 0;
    int polyhedron_ = 0;
};

} // namespace vestrel
