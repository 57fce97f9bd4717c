#include "collections/PresetTable.h"

#include "app/Settings.h"

PresetTable::PresetTable()
{
    m_records.fill({kEmptyName, kEmptyLink});
}

PresetRecord PresetTable::parse(const QString& value)
{
    const qsizetype separator = value.indexOf(Settings::kPresetSeparator);
    if (separator < 1)
        return {kEmptyName, kEmptyLink};
    return {value.left(separator), value.mid(separator + 1)};
}

QString PresetTable::join(const PresetRecord& record)
{
    return record.Name + Settings::kPresetSeparator + record.Link;
}

std::array<bool, PresetTable::kCount> PresetTable::load(const Settings& settings)
{
    std::array<bool, kCount> named{};
    const QString fallback = join({kEmptyName, kEmptyLink});
    for (int i = 0; i < kCount; ++i) {
        const QString value = settings.preset(i, fallback);
        (*this)[i] = parse(value);
        named.at(static_cast<std::size_t>(i)) = value.indexOf(Settings::kPresetSeparator) >= 1;
    }
    return named;
}

void PresetTable::store(Settings& settings) const
{
    for (int i = 0; i < kCount; ++i) {
        if (!isEmpty(i))
            settings.setPreset(i, join((*this)[i]));
    }
}
