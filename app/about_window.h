// SPDX-License-Identifier: MIT
// The About window: a modal dialog over a crystal photograph.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class QPushButton;

namespace vestrel {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Loads the background Data/About/Crystal.jpg from the program folder
    // (the picture has no words, so it serves both languages, unless a
    // Data/en/About/Crystal.jpg is there for English); without it the dialog
    // keeps its plain background.
    explicit AboutWindow(const QString& programDir, QWidget* parent = nullptr);

    // After a change of the interface's language: reads the background again.
    void reloadPictures();

    // showAbout: centre the window on the main window and show it modally.
    // Returns the dialog's result.
    int showCentredOn(const QWidget* mainWindow);

    const QImage& background() const { return background_; }
    QLabel* titleLabel() const { return title_; }
    QLabel* versionLabel() const { return version_; }
    QPushButton* okButton() const { return okButton_; }
    const QString& loadError() const { return loadError_; }

    // Seam for the message box that tells why the background is missing, on
    // every showing; tests answer it.
    std::function<void(const QString&)> showMessageBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setTexts();

    QString programDir_;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QImage background_;
    QString loadError_;
};

} // namespace vestrel
