#pragma once

#include "platform/SettingsBacking.h"

#include <QSettings>

// Settings kept in an INI file, all values in the [Settings] section.
class IniSettingsBacking : public SettingsBacking
{
public:
    explicit IniSettingsBacking(const QString& filePath);

    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    bool contains(const QString& key) const override;
    QString filePath() const { return m_settings.fileName(); }
    // Writes what is pending; false when the file could not be written.
    bool sync() override;

private:
    static QString address(const QString& key);
    mutable QSettings m_settings;
};
