// SPDX-License-Identifier: MIT
// The About window: a modal dialog over a crystal photograph.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class QPushButton;

namespace vestrel {

class AboutForm : public QDialog {
    Q_OBJECT
public:
    // Loads the background Data/About/Crystal.jpg from the program folder;
    // without it the dialog keeps its plain background.
    explicit AboutForm(const QString& programDir, QWidget* parent = nullptr);

    // N9Click: centre the window on the main window and show it modally.
    // Returns the dialog's result.
    int showCentredOn(const QWidget* mainWindow);

    const QImage& background() const { return background_; }
    const QString& loadError() const { return loadError_; }

    // Seam for the message box that tells why the background is missing, on
    // every showing; tests answer it.
    std::function<void(const QString&)> showMessageBox;
    QLabel* titleLabel() const { return lbl1; }
    QLabel* versionLabel() const { return lbl2; }
    QPushButton* okButton() const { return Button1; }

public slots:
    void Button1Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lbl1 = nullptr;
    QLabel* lbl2 = nullptr;
    QPushButton* Button1 = nullptr;
    QImage background_;
    QString loadError_;
};

} // namespace vestrel
