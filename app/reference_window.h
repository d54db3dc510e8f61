// SPDX-License-Identifier: MIT
// The crystallography reference: five picture pages in a tool window that
// stays on top.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QTabWidget;

namespace vestrel {

class PictureBox;

class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int PageCount = 5;

    // The pages' pictures come from Data/Reference in the program folder (in
    // English from Data/en/Reference where a picture has its English twin)
    // and are read when the window is first shown (they are large); a
    // picture that cannot be read leaves its page empty, and each showing
    // says why.
    explicit ReferenceWindow(const QString& programDir, QWidget* parent = nullptr);

    // After a change of the interface's language: the pictures once read are
    // read again in the new language; unread ones wait for the first showing.
    void reloadPictures();

    // showReference and referenceToolClicked: show the window, or bring it to the front.
    void present();

    QTabWidget* pages() const { return tabs_; }
    PictureBox* picture(int page) const;
    // The reasons of the pictures that could not be read.
    const QStringList& loadErrors() const;

    // Seam for the message box that tells of them, so tests can answer it.
    std::function<void(const QString&)> showMessageBox;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void addPage(int index);
    void setTexts();
    void loadPictures() const;

    QTabWidget* tabs_ = nullptr;
    PictureBox* pictures_[PageCount] = {};
    QString programDir_;
    mutable QStringList loadErrors_;
    mutable bool loaded_ = false;
    bool placed_ = false;
};

} // namespace vestrel
