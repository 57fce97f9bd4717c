#pragma once

#include <QString>

// Per-user key/value storage of text values in one section.
class SettingsBacking
{
public:
    virtual ~SettingsBacking() = default;
    // The stored text, or the default when the key does not exist.
    virtual QString read(const QString& key, const QString& defaultValue) const = 0;
    // Creates or replaces a value; a store that cannot be written leaves it a no-op. Values
    // written in one go reach lasting storage together (at sync(), or soon after by itself).
    virtual void write(const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& key) const = 0;
    // Writes what is pending to lasting storage; false when that failed.
    virtual bool sync() { return true; }
};
