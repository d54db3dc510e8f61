// SPDX-License-Identifier: MIT
// Every option the program reads, in one place: the display options of the
// side panel, the colours and frame interval of the settings window, the
// tool-bar and interface options, the picture options and the kept folders.
// The windows' controls are bound to it both ways; the frame, the timers and
// the picture commands read it, never a control. Its start values are those
// of KeptSettings, plus the auxiliary axes and planes, which start off and
// are not kept.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/kept_settings.h"

#include <QObject>

namespace vestrel {

// The auxiliary axes and planes of the side panel's group "Опции :", and
// the face symbols.
struct AuxiliaryOptions {
    bool axisOX = FrameInputs{}.axisOX;
    bool axisOY = FrameInputs{}.axisOY;
    bool axisOZ = FrameInputs{}.axisOZ;
    bool planeXY = FrameInputs{}.planeXY;
    bool planeYZ = FrameInputs{}.planeYZ;
    bool planeXZ = FrameInputs{}.planeXZ;
    // "Показывать символы граней" on the crystals of the classes.
    bool showFaceSymbols = DisplayOptions{}.showFaceSymbols;
    bool operator==(const AuxiliaryOptions&) const = default;
};

class Options : public QObject {
    Q_OBJECT
public:
    explicit Options(QObject* parent = nullptr) : QObject(parent) {}

    const KeptSettings& kept() const { return kept_; }
    const AuxiliaryOptions& auxiliary() const { return auxiliary_; }

    // Changes one option; changed() follows when the value is new.
    template <typename T>
    void set(T KeptSettings::*option, const T& value)
    {
        if (kept_.*option == value)
            return;
        kept_.*option = value;
        emit changed();
    }
    template <typename T>
    void set(T AuxiliaryOptions::*option, const T& value)
    {
        if (auxiliary_.*option == value)
            return;
        auxiliary_.*option = value;
        emit changed();
    }
    // One entry of the axis colours (orders 2, 3, 4, 6) or the tool buttons.
    void setAxisColour(int order, int item);
    void setToolButton(int button, bool shown);

    // Every kept option at once (kept settings at start, the start values
    // back); the auxiliary options stay.
    void restore(const KeptSettings& kept);

    // What the frame reads of the options.
    DisplayOptions displayOptions() const;
    AuxiliaryColourMenus colourMenus() const;

signals:
    void changed();

private:
    KeptSettings kept_;
    AuxiliaryOptions auxiliary_;
};

} // namespace vestrel
