#pragma once

#include <QString>

class Settings;

// The proxy every HTTP client of the program uses, read from the settings before each request.
struct HttpProxy
{
    QString host;
    quint16 port = 0;

    bool isOn() const { return !host.isEmpty() && port != 0; }

    // "ProxyHost" and "ProxyPort". The port is the number at the start of its text; a port
    // outside 1-65535 turns the proxy off rather than wrapping round to another port.
    static HttpProxy fromSettings(const Settings& settings);
    // The number at the start of a port text as decimal text; "0" when there is none.
    static QString leadingNumber(const QString& text);
    // The port a text names, or 0 when it names none in 1-65535.
    static quint16 portNumber(const QString& text);
};
