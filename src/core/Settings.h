#pragma once

#include "platform/SettingsBacking.h"

#include <QString>

#include <optional>

// Every key of the settings store, declared once with its default on read.
class Settings
{
public:
    enum class Key
    {
        ConSpeed,
        ProxyHost,
        ProxyPort,
        MiniB,
        ChkRA,
        ChkRV,
        ChkNA,
        ChkNV,
        ChkMA,
        ChkXDM,
        Real,
        Netshow,
        Winamp,
        StreamWorks,
        OptLive,
        OptArch,
        LastSearch,
        Width,
        Height,
        Top,
        Left,
        Version,
        WTop,
        WLeft,
        WWidth,
        WHeight,
        RScan,
        WScan,
        ServiceHost,
    };

    static constexpr int kPresetCount = 10;
    static inline const QChar kPresetSeparator = QChar(0xFF);
    static inline const QString kDefaultServiceHost = QStringLiteral("127.0.0.1:8642");

    explicit Settings(SettingsBacking& backing) : m_backing(backing) {}

    static QString name(Key key);
    // The table's default; empty for keys whose default is computed by their reader.
    static QString defaultText(Key key);

    QString text(Key key) const;
    QString text(Key key, const QString& defaultValue) const;
    void setText(Key key, const QString& value);
    bool contains(Key key) const;
    // Writes pending values to lasting storage now; false when that failed.
    bool sync() { return m_backing.sync(); }

    // Conversions of stored text. A value that does not convert gives an empty optional, so
    // only the one assignment that needed it is skipped.
    std::optional<float> single(Key key, float defaultValue) const;
    std::optional<bool> boolean(Key key) const;
    std::optional<qint16> checkState(Key key) const;
    void setSingle(Key key, float value);
    void setBoolean(Key key, bool value);
    void setCheckState(Key key, int state);

    QString preset(int index, const QString& defaultValue) const;
    void setPreset(int index, const QString& value);

    // The conversions on their own, for tests and for values read with other defaults.
    static QString singleToText(float value);
    static std::optional<float> textToSingle(const QString& text);
    static std::optional<bool> textToBoolean(const QString& text);
    static std::optional<qint16> textToInt16(const QString& text);
    static std::optional<qint32> textToInt32(const QString& text);

private:
    SettingsBacking& m_backing;
};
