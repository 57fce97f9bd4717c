#pragma once

#include <QUrl>
#include <QWebEnginePage>

// A page that stays inside the mini-browser: it opens no pop-up windows, shows no script
// dialogs, and never hands an address of an unknown scheme to the desktop. Page content
// comes from the network and must not start programs or interrupt the user.
class WebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit WebPage(QObject* parent = nullptr);

    // http or https with a host: the only addresses shown at the top level.
    static bool isWebAddress(const QUrl& url);
    // The empty page the window shows while it is closed.
    static QUrl blankAddress();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
};
