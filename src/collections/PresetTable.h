#pragma once

#include <QString>

#include <array>

class Settings;

struct PresetRecord
{
    QString Name;
    QString Link;
};

// The ten station presets. An empty preset carries the placeholder name and the link "NONE";
// stored values join name and link with the character of code 255.
class PresetTable
{
public:
    static constexpr int kCount = 10;
    static inline const QString kEmptyName = QStringLiteral(
        QT_TRANSLATE_NOOP("PresetTable", "Drag and Drop station listing here while holding Shift Key"));
    static inline const QString kEmptyLink = QStringLiteral("NONE");

    PresetTable();

    PresetRecord& operator[](int index) { return m_records.at(static_cast<std::size_t>(index)); }
    const PresetRecord& operator[](int index) const { return m_records.at(static_cast<std::size_t>(index)); }
    bool isEmpty(int index) const { return (*this)[index].Name == kEmptyName; }

    // Reads Preset0..Preset9; a value without a name before its separator is an empty preset.
    void load(const Settings& settings);
    // Writes only the presets that are not empty; values stored earlier for the rest stay.
    void store(Settings& settings) const;
    // Sets preset index to a station and writes its key at once, so a crash cannot lose it.
    // A station without a name is named by its link, and the separator character in a name
    // becomes "y" so the stored value splits where it was joined.
    void assign(int index, const QString& name, const QString& link, Settings& settings);

    static PresetRecord parse(const QString& value);
    static QString join(const PresetRecord& record);

private:
    std::array<PresetRecord, kCount> m_records;
};
