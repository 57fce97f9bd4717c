#pragma once

#include "platform/ProcessLauncher.h"
#include "platform/SystemServices.h"

#include <QDir>

#include <memory>

class QFileDialog;
class QWidget;

// The widget side of the desktop behind the seams: message boxes, file dialogs, the desktop's
// address opener, the clipboard and the override cursor.
class DesktopDialogs : public Dialogs
{
public:
    MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                          MessageButtons buttons) override;
    std::optional<QString> openProgramFile(const QString& folder, const QString& filterName) override;
    std::optional<QString> saveFile(const QString& folder, const QString& filter,
                                    const QString& defaultSuffix) override;
    std::optional<QString> openFile(const QString& folder, const QString& filter) override;

    // What the program file dialog lists: every file the user may start, and the folders.
    static QDir::Filters programFileFilter();
    // The dialog openProgramFile shows.
    static std::unique_ptr<QFileDialog> programFileDialog(QWidget* parent, const QString& folder,
                                                          const QString& filterName);
    // The dialog saveFile shows.
    static std::unique_ptr<QFileDialog> saveFileDialog(QWidget* parent, const QString& folder,
                                                       const QString& filter, const QString& defaultSuffix);
};

class DesktopUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl& url) override;
};

class DesktopClipboard : public Clipboard
{
public:
    void setText(const QString& text) override;
    QString text() const override;
};

class DesktopBusyPointer : public BusyPointer
{
public:
    void beginBusy() override;
    void endBusy() override;

private:
    int m_open = 0;
};

// Owns one of each and hands them out as a SystemServices bundle.
class DesktopServices
{
public:
    SystemServices services() { return {m_dialogs, m_launcher, m_opener, m_clipboard, m_pointer}; }

private:
    DesktopDialogs m_dialogs;
    ProcessLauncher m_launcher;
    DesktopUrlOpener m_opener;
    DesktopClipboard m_clipboard;
    DesktopBusyPointer m_pointer;
};
