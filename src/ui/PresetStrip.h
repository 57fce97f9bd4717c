#pragma once

#include "collections/PresetTable.h"

#include <QFrame>

#include <array>
#include <functional>

class PresetButton;
class QLabel;

// frameSide: the "Station Presets" caption and the ten preset buttons in two rows of five. It
// shows which preset is lit and each preset's station; what a button does is the commands'.
class PresetStrip : public QFrame
{
    Q_OBJECT

public:
    explicit PresetStrip(const PresetTable& presets, QWidget* parent = nullptr);

    PresetButton* button(int index) const { return m_buttons.at(std::size_t(index)); }
    // Puts the unlit face on every button and lights index (none for -1).
    void light(int index);
    // The station a preset holds, shown as the button's tool tip.
    void setStation(int index, const QString& name);
    // Gives a button a pointer picture of the preset image list.
    void setPointer(int index, int picture);
    // Places the caption and buttons; px converts twips to pixels.
    // Places the caption and buttons; returns the height they need.
    int layOut(const std::function<int(double)>& px);

Q_SIGNALS:
    void pressed(int index);
    void clicked(int index);
    void enterPressed(int index);
    void stationDropped(int index, const QString& name, const QString& link);

private:
    const PresetTable& m_presets;
    QLabel* m_caption = nullptr;
    std::array<PresetButton*, PresetTable::kCount> m_buttons{};
};
