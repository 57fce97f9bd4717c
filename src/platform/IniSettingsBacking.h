#pragma once

#include "platform/SettingsBacking.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariant>

// Settings kept in an INI file, all values in the [Settings] section.
//
// The file is never rewritten in place: a save writes a temporary file beside it, flushes it to
// the disk, reads it back and compares it with what was meant to be written, and only then
// renames it over the old file. A disk that fills up during the write leaves the old file as it
// was.
class IniSettingsBacking : public SettingsBacking
{
public:
    explicit IniSettingsBacking(const QString& filePath);
    // Saves what is still pending; a failure there is silent.
    ~IniSettingsBacking() override;

    QString read(const QString& key, const QString& defaultValue) const override;
    // Values written before control returns to the event loop are saved together then.
    void write(const QString& key, const QString& value) override;
    bool contains(const QString& key) const override;
    QString filePath() const { return m_path; }
    // Saves what is pending; false when the file could not be replaced (the old one stays).
    bool sync() override;
    // Why the last save failed; empty after a good one.
    QString saveError() const { return m_saveError; }
    // False when part of the file could not be read at start; the lines that could are kept
    // and the next save writes them back without the rest.
    bool loadedWhole() const { return m_loadedWhole; }

private:
    static QString address(const QString& key);
    QString save();

    QString m_path;
    // Everything the file held at start, as QSettings reads it, and every value written since.
    QMap<QString, QVariant> m_values;
    // Addresses written since the last good save.
    QSet<QString> m_pending;
    QTimer m_autoSave;
    QString m_saveError;
    bool m_loadedWhole = true;
};
