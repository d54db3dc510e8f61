// SPDX-License-Identifier: MIT
// The crystallography reference: five picture pages in a tool window that
// stays on top.
#pragma once

#include <QStringList>
#include <QWidget>

class QTabWidget;

namespace vestrel {

class PictureBox;

class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr int PageCount = 5;

    // Loads the pages' pictures from Data/Reference in the program folder; a
    // picture that cannot be read leaves its page empty.
    explicit Form5(const QString& programDir, QWidget* parent = nullptr);

    // N40Click and btn7Click: show the window, or bring it to the front.
    void present();

    QTabWidget* pages() const { return PageControl1; }
    PictureBox* picture(int page) const;
    // The reasons of the pictures that could not be read.
    const QStringList& loadErrors() const { return loadErrors_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addPage(int index, const QString& programDir);

    QTabWidget* PageControl1 = nullptr;
    PictureBox* pictures_[PageCount] = {};
    QStringList loadErrors_;
    bool placed_ = false;
};

} // namespace vestrel
