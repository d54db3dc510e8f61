// SPDX-License-Identifier: MIT
// The catalogue in the main window: the tools group with "Построить",
// "Стереть построение" and the structure and polyhedron lists, and the
// crystal's photo and notes. The structure from a file takes the structure
// list's last item while it is shown.
#pragma once

#include "logic/catalogue.h"

#include <QObject>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vestrel {

class PictureBox;

class CataloguePart : public QObject, private CatalogueView {
    Q_OBJECT
public:
    // messages: the main window's message box; enableOptions: the side
    // panel's options for structures (true) or polyhedra.
    CataloguePart(QWidget* parent, const QString& programDir, std::function<void(const QString&)> messages,
                  std::function<void(bool structures)> enableOptions);

    Catalogue& catalogue() { return catalogue_; }
    const Catalogue& catalogue() const { return catalogue_; }

    QGroupBox* toolsGroup() const { return toolsGroup_; }
    QGroupBox* photoGroup() const { return photoGroup_; }
    QGroupBox* informationGroup() const { return informationGroup_; }
    // Below the two lists, in the tools group.
    void addToTools(QWidget* widget);
    QPushButton* buildButton() const { return buildButton_; }
    QPushButton* eraseButton() const { return eraseButton_; }
    QComboBox* structureList() const { return structureList_; }
    QComboBox* polyhedronList() const { return polyhedronList_; }

    // The structure from a file as the list's last item, chosen; removing it
    // chooses "Не выбрано" when it was chosen.
    void showFileItem(const QString& name);
    void removeFileItem();
    bool fileItemChosen() const;
    void setInformation(const QString& text);
    // The photo and the options for structures on (or for polyhedra).
    void useStructureOptions(bool structures) { enableStructureOptions(structures); }
    // The crystal's information text shown again in the interface's language.
    void retranslate();

signals:
    void buildRequested();
    void eraseRequested();
    void structureChosen(int item);
    void polyhedronChosen(int item);

private:
    void setStructureItem(int item) override;
    void setPolyhedronItem(int item) override;
    bool loadPhoto(const QString& relativePath) override;
    bool loadInformation(const QString& relativePath) override;
    void clearPhoto() override;
    void clearInformation() override;
    void enableStructureOptions(bool structures) override;
    void showMessage(const QString& text) override;

    void buildTools(QWidget* parent);
    void buildPhotoAndInformation(QWidget* parent);

    QString programDir_;
    std::function<void(const QString&)> messages_;
    std::function<void(bool)> enableOptions_;
    Catalogue catalogue_{static_cast<CatalogueView&>(*this)};
    QGroupBox* toolsGroup_ = nullptr;
    QPushButton* buildButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QComboBox* structureList_ = nullptr;
    QComboBox* polyhedronList_ = nullptr;
    QGroupBox* photoGroup_ = nullptr;
    PictureBox* photoBox_ = nullptr;
    QGroupBox* informationGroup_ = nullptr;
    QPlainTextEdit* informationMemo_ = nullptr;
    bool crystalTextShown_ = false; // the memo holds a crystal's information text
};

} // namespace vestrel
