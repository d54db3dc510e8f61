// SPDX-License-Identifier: MIT
// "Стереографическая проекция": the stereogram of what the main view shows,
// in the standard setting or as the model is seen, with the Wulff net and the
// face symbols on request. A click on a pole marks its face (the window says
// its symbol in its status bar and tells the main view); the main view's
// marked face is marked here too. "Сохранить проекцию…" writes PNG or SVG.
#pragma once

#include "app/stereogram_painter.h"
#include "logic/morphology/stereogram.h"
#include "render/view_state.h"

#include <QIcon>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QStatusBar;

namespace vestrel {

// The tool button's hint, "short|long", and its picture.
extern const char* const StereogramHint;
QIcon StereogramIcon();

class StereogramCanvas;

// What the window projects: none for a structure or nothing built.
struct StereogramInput {
    std::optional<morphology::StereoSource> source;
    ViewState view;                       // for "Вместе с моделью"
    Mat3 motion = Mat3::identity();       // the operation under way
    DisplayOptions colours;
};

class StereogramWindow : public QWidget {
    Q_OBJECT
public:
    explicit StereogramWindow(QWidget* parent = nullptr);

    void setInput(const StereogramInput& input);
    // The face marked in the main view (an index into the source's faces).
    void markFace(std::optional<int> face);
    std::optional<int> markedFace() const { return look_.markedFace; }
    // A click at a point of the canvas, as the mouse gives it.
    void clickAt(QPointF pixel);

    // Null when there is nothing to project.
    const morphology::Stereogram* stereogram() const { return stereogram_ ? &*stereogram_ : nullptr; }
    // Where the pole of a face is drawn on the canvas, if it is drawn.
    std::optional<QPointF> poleOnCanvas(int face) const;
    bool saveTo(const QString& path, QSize size, QString* error) const;

    // Seam for the save dialog: the chosen path and size, or an empty path.
    std::function<std::pair<QString, QSize>()> askSaveTarget;
    // Seam for a message box.
    std::function<void(const QString&)> showMessage;

    QComboBox* modeBox() const { return mode_; }
    QCheckBox* netBox() const { return net_; }
    QCheckBox* fineNetBox() const { return fine_; }
    QCheckBox* symbolsBox() const { return symbols_; }
    QPushButton* saveButton() const { return save_; }
    QStatusBar* statusBar() const { return status_; }
    StereogramCanvas* canvas() const { return canvas_; }

signals:
    // A pole clicked: its face, or none for a click beside every pole.
    void faceClicked(std::optional<int> face);

protected:
    // A change of the language: the status line and the empty canvas anew.
    void changeEvent(QEvent* event) override;

private:
    void reproject();
    void saveChosen();
    void sayMarkedFace();
    std::pair<QString, QSize> askWithDialogs();

    StereogramInput input_;
    std::optional<morphology::Stereogram> stereogram_;
    StereogramLook look_;
    StereogramCanvas* canvas_ = nullptr;
    QComboBox* mode_ = nullptr;
    QCheckBox* net_ = nullptr;
    QCheckBox* fine_ = nullptr;
    QCheckBox* symbols_ = nullptr;
    QPushButton* save_ = nullptr;
    QStatusBar* status_ = nullptr;
};

} // namespace vestrel
