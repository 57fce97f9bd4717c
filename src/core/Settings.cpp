#include "core/Settings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
struct KeyInfo
{
    Settings::Key key;
    const char* name;
    const char* defaultText;
};

// Defaults as read by the main window's start-up. "Top" and "Left" centre the window and are
// computed by their reader; "ConSpeed" reads "Phone Modem 56k" in the setup dialog instead.
constexpr std::array kKeys{
    KeyInfo{Settings::Key::ConSpeed, "ConSpeed", ""},
    KeyInfo{Settings::Key::ProxyHost, "ProxyHost", ""},
    KeyInfo{Settings::Key::ProxyPort, "ProxyPort", ""},
    KeyInfo{Settings::Key::MiniB, "MiniB", "1"},
    KeyInfo{Settings::Key::ChkRA, "chkRA", "1"},
    KeyInfo{Settings::Key::ChkRV, "chkRV", "1"},
    KeyInfo{Settings::Key::ChkNA, "chkNA", "1"},
    KeyInfo{Settings::Key::ChkNV, "chkNV", "1"},
    KeyInfo{Settings::Key::ChkMA, "chkMA", "1"},
    KeyInfo{Settings::Key::ChkXDM, "chkXDM", "1"},
    KeyInfo{Settings::Key::Real, "Real", ""},
    KeyInfo{Settings::Key::Netshow, "Netshow", ""},
    KeyInfo{Settings::Key::Winamp, "Winamp", ""},
    KeyInfo{Settings::Key::StreamWorks, "StreamWorks", ""},
    KeyInfo{Settings::Key::OptLive, "optLive", "1"},
    KeyInfo{Settings::Key::OptArch, "optArch", "0"},
    KeyInfo{Settings::Key::LastSearch, "LastSearch", ""},
    KeyInfo{Settings::Key::Width, "Width", "7095"},
    KeyInfo{Settings::Key::Height, "Height", "5595"},
    KeyInfo{Settings::Key::Top, "Top", ""},
    KeyInfo{Settings::Key::Left, "Left", ""},
    KeyInfo{Settings::Key::Version, "Version", ""},
    KeyInfo{Settings::Key::WTop, "WTop", ""},
    KeyInfo{Settings::Key::WLeft, "WLeft", ""},
    KeyInfo{Settings::Key::WWidth, "WWidth", ""},
    KeyInfo{Settings::Key::WHeight, "WHeight", ""},
    KeyInfo{Settings::Key::RScan, "RScan", "0@*All Stations"},
    KeyInfo{Settings::Key::WScan, "WScan", "0@*All Stations"},
    KeyInfo{Settings::Key::ServiceHost, "ServiceHost", "127.0.0.1:8642"},
};

constexpr bool tableInKeyOrder()
{
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (static_cast<std::size_t>(kKeys[i].key) != i)
            return false;
    }
    return true;
}
static_assert(tableInKeyOrder(), "the key table must list the keys in enum order");

const KeyInfo& info(Settings::Key key)
{
    return kKeys.at(static_cast<std::size_t>(key));
}
} // namespace

QString Settings::name(Key key)
{
    return QString::fromLatin1(info(key).name);
}

QString Settings::defaultText(Key key)
{
    return QString::fromLatin1(info(key).defaultText);
}

QString Settings::text(Key key) const
{
    return m_backing.read(name(key), defaultText(key));
}

QString Settings::text(Key key, const QString& defaultValue) const
{
    return m_backing.read(name(key), defaultValue);
}

void Settings::setText(Key key, const QString& value)
{
    m_backing.write(name(key), value);
}

bool Settings::contains(Key key) const
{
    return m_backing.contains(name(key));
}

std::optional<float> Settings::single(Key key, float defaultValue) const
{
    return textToSingle(text(key, singleToText(defaultValue)));
}

std::optional<bool> Settings::boolean(Key key) const
{
    return textToBoolean(text(key));
}

std::optional<qint16> Settings::checkState(Key key) const
{
    return textToInt16(text(key));
}

void Settings::setSingle(Key key, float value)
{
    setText(key, singleToText(value));
}

void Settings::setBoolean(Key key, bool value)
{
    setText(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void Settings::setCheckState(Key key, int state)
{
    setText(key, QString::number(state));
}

QString Settings::preset(int index, const QString& defaultValue) const
{
    return m_backing.read(QStringLiteral("Preset") + QString::number(index), defaultValue);
}

void Settings::setPreset(int index, const QString& value)
{
    m_backing.write(QStringLiteral("Preset") + QString::number(index), value);
}

QString Settings::singleToText(float value)
{
    // The shortest text that reads back as the same single: 7095 stays "7095", 0.1 stays "0.1".
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

std::optional<float> Settings::textToSingle(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The largest single's shortest text ("3.4028235e+38") lies just above it; QString::toFloat
    // refuses such text although it rounds to the largest single. Past half a step above it the
    // text rounds to infinity and is refused.
    constexpr double largest = std::numeric_limits<float>::max();
    constexpr double halfStep = 0x1p103;
    if (std::fabs(value) >= largest + halfStep)
        return std::nullopt;
    if (std::fabs(value) > largest)
        return static_cast<float>(std::copysign(largest, value));
    const auto single = static_cast<float>(value);
    // A nonzero value too small for a single is refused rather than read as 0.
    if (value != 0 && single == 0)
        return std::nullopt;
    return single;
}

std::optional<bool> Settings::textToBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number != 0.0;
}

namespace {
// Whole-number conversion of text: halves round to even, values out of range do not convert.
std::optional<double> wholeNumber(const QString& text, double lowest, double highest)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (rounded < lowest || rounded > highest)
        return std::nullopt;
    return rounded;
}
} // namespace

std::optional<qint16> Settings::textToInt16(const QString& text)
{
    const auto value = wholeNumber(text, -32768.0, 32767.0);
    return value ? std::optional<qint16>(static_cast<qint16>(*value)) : std::nullopt;
}

std::optional<qint32> Settings::textToInt32(const QString& text)
{
    const auto value = wholeNumber(text, -2147483648.0, 2147483647.0);
    return value ? std::optional<qint32>(static_cast<qint32>(*value)) : std::nullopt;
}
