// SPDX-License-Identifier: MIT
// "Порошковая дифрактограмма": the X-ray powder pattern of the structure
// opened from a file, as a plot (lines, optionally a profile) and a sortable
// table, for a chosen wavelength and range of 2θ. The pattern is computed in
// a worker thread whenever the window is shown or an input changes.
#pragma once

#include "logic/diffraction/powder_job.h"
#include "logic/diffraction/powder_plot.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class QGraphicsSimpleTextItem;

namespace vestrel {

namespace cif {
class LoadedStructure;
}

// The tool button's hint, "short|long", and its picture.
extern const char* const PowderHint;
QIcon PowderIcon();

class PowderChartView;
class PowderTableModel;

class PowderWindow : public QWidget {
    Q_OBJECT
public:
    explicit PowderWindow(QWidget* parent = nullptr);
    ~PowderWindow() override;

    // The structure the main window shows and the file it was read from;
    // null (or an empty path) for a built-in structure or none.
    void setStructure(const cif::LoadedStructure* structure, const QString& path);
    // The menu command and tool button: show the window and bring it to the front.
    void showPowder();

    // Writes the table (.csv) or the plot (.png, .svg), chosen by the name's
    // ending, complete or not at all. False with a message in *error.
    bool saveTo(const QString& path, QString* error);

    const diffraction::PowderSettings& settings() const { return settings_; }
    const std::vector<diffraction::PowderLine>& lines() const { return lines_; }
    bool isComputing() const { return running_ != nullptr; }
    // The text the plot shows for the mouse at 2θ (within 0.2°), empty away
    // from the lines.
    QString hoverTextAt(double twoTheta) const;
    diffraction::AxisRange shownRange() const;

    QTableView* table() const { return table_; }
    QLabel* messageLabel() const { return message_; }
    QComboBox* anodeBox() const { return anode_; }
    QLineEdit* wavelengthEdit() const { return wavelength_; }
    QLineEdit* fromEdit() const { return from_; }
    QLineEdit* toEdit() const { return to_; }
    QLineEdit* widthEdit() const { return width_; }
    QCheckBox* profileBox() const { return profile_; }
    QPushButton* saveButton() const { return save_; }
    QChartView* chartView() const;
    QChart* chart() const { return chart_; }

    // Seams for tests: the message box and the save dialog (an empty name
    // cancels).
    std::function<void(const QString&)> showMessageBox;
    std::function<QString()> askSaveFile;

signals:
    // A computation ended and its pattern (or message) is shown.
    void patternShown();

protected:
    // A change of the language: the numbers, the axis and the message anew.
    void changeEvent(QEvent* event) override;

private:
    // What the message line says.
    enum class Note { None, NeedsFile, NoLines, OfPattern };

    void buildControls();
    void applyInputs();
    void compute();
    void adoptResult(diffraction::PowderResult result);
    QString hoverTextAt(double twoTheta, double tolerance) const;
    void showNote(Note note);
    void followLanguage();
    void fillTable();
    void fillChart();
    void placeLabels();
    void showProfile();
    void saveWithDialog();
    void revertInputs();
    void zoomAxis(double centre, double factor);
    void panAxis(double shift);
    void showAxis(const diffraction::AxisRange& range);
    void showSticks();

    diffraction::PowderSettings settings_;
    double peakWidth_ = diffraction::DefaultPeakWidth;
    QString path_;
    std::shared_ptr<const diffraction::sf::ScatteringCrystal> crystal_;
    std::vector<diffraction::PowderLine> lines_;
    bool stale_ = true;
    Note note_ = Note::None;
    QString patternMessage_; // the computation's own message, for Note::OfPattern

    QString runningPath_;
    std::shared_ptr<std::atomic<bool>> running_; // the cancel flag of the computation under way
    bool again_ = false;                         // inputs changed while it ran

    QComboBox* anode_ = nullptr;
    QLineEdit* wavelength_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QCheckBox* profile_ = nullptr;
    QLineEdit* width_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* message_ = nullptr;
    QTableView* table_ = nullptr;
    PowderTableModel* model_ = nullptr;
    PowderChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* sticks_ = nullptr;
    QLineSeries* profileSeries_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    std::vector<QGraphicsSimpleTextItem*> labels_;
    std::vector<std::size_t> labelled_;

    friend class PowderChartView;
};

} // namespace vestrel
