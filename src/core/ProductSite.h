#pragma once

#include <QString>

#include <functional>

class Settings;

// Pages of the program's own web site, which the directory service host also serves.
namespace ProductSite {
// Hands an address to the program's URL-opening helper.
using PageOpener = std::function<void(const QString&)>;

inline const QString kProductPage = QStringLiteral("/skylark.htm");
inline const QString kSupportPage = QStringLiteral("/mailform.htm");

// "http://" + the service host + path; the built-in host stands in for an empty setting.
QString pageAddress(const Settings& settings, const QString& path);
} // namespace ProductSite
