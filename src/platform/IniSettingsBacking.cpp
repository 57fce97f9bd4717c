#include "platform/IniSettingsBacking.h"

IniSettingsBacking::IniSettingsBacking(const QString& filePath) : m_settings(filePath, QSettings::IniFormat)
{}

QString IniSettingsBacking::address(const QString& key)
{
    return QStringLiteral("Settings/") + key;
}

QString IniSettingsBacking::read(const QString& key, const QString& defaultValue) const
{
    const QVariant value = m_settings.value(address(key));
    if (!value.isValid())
        return defaultValue;
    // An INI line with unquoted commas comes back as a list; rejoin it rather than lose the text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void IniSettingsBacking::write(const QString& key, const QString& value)
{
    // The file is rewritten once for all values written before control returns to the event
    // loop (QSettings syncs itself then), not once per value.
    m_settings.setValue(address(key), value);
}

bool IniSettingsBacking::contains(const QString& key) const
{
    return m_settings.contains(address(key));
}

bool IniSettingsBacking::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
