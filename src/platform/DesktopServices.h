#pragma once

#include "platform/SystemServices.h"

// The real desktop behind the seams: message boxes, file dialogs, detached processes, the
// desktop's address opener, the clipboard and the override cursor.
class DesktopDialogs : public Dialogs
{
public:
    MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                          MessageButtons buttons) override;
    std::optional<QString> openProgramFile(const QString& folder, const QString& filterName) override;
};

class DesktopLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
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
    void setBusy(bool busy) override;

private:
    int m_depth = 0;
};

// Owns one of each and hands them out as a SystemServices bundle.
class DesktopServices
{
public:
    SystemServices services() { return {m_dialogs, m_launcher, m_opener, m_clipboard, m_pointer}; }

private:
    DesktopDialogs m_dialogs;
    DesktopLauncher m_launcher;
    DesktopUrlOpener m_opener;
    DesktopClipboard m_clipboard;
    DesktopBusyPointer m_pointer;
};
