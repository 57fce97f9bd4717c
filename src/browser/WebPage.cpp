#include "browser/WebPage.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

WebPage::WebPage(QObject* parent) : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent)
{
    QWebEngineSettings* pageSettings = settings();
    pageSettings->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    pageSettings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    pageSettings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
}

bool WebPage::isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QUrl WebPage::blankAddress()
{
    return QUrl(QStringLiteral("about:blank"));
}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    Q_UNUSED(type);
    if (isWebAddress(url) || url == blankAddress())
        return true;
    // Frames inside a page may hold inline content; it stays in the page.
    const QString scheme = url.scheme().toLower();
    return !isMainFrame && (scheme == QLatin1String("about") || scheme == QLatin1String("data"));
}

QWebEnginePage* WebPage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    return nullptr;
}

void WebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    Q_UNUSED(securityOrigin);
    Q_UNUSED(msg);
}

bool WebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    Q_UNUSED(securityOrigin);
    Q_UNUSED(msg);
    return false;
}

bool WebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                               QString* result)
{
    Q_UNUSED(securityOrigin);
    Q_UNUSED(msg);
    Q_UNUSED(defaultValue);
    Q_UNUSED(result);
    return false;
}

QStringList WebPage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                 const QStringList& acceptedMimeTypes)
{
    Q_UNUSED(mode);
    Q_UNUSED(oldFiles);
    Q_UNUSED(acceptedMimeTypes);
    return {};
}
