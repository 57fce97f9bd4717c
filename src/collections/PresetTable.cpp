#include "collections/PresetTable.h"

#include "core/Settings.h"

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

void PresetTable::load(const Settings& settings)
{
    const QString fallback = join({kEmptyName, kEmptyLink});
    for (int i = 0; i < kCount; ++i)
        (*this)[i] = parse(settings.preset(i, fallback));
}

void PresetTable::store(Settings& settings) const
{
    for (int i = 0; i < kCount; ++i) {
        if (!isEmpty(i))
            settings.setPreset(i, join((*this)[i]));
    }
}

void PresetTable::assign(int index, const QString& name, const QString& link, Settings& settings)
{
    QString storedName = name.isEmpty() ? link : name;
    storedName.replace(Settings::kPresetSeparator, QLatin1Char('y'));
    (*this)[index] = {storedName, link};
    settings.setPreset(index, join((*this)[index]));
    settings.sync();
}
