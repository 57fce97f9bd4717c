#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// What the program asks of the desktop. Each seam is a small interface so that tests can put
// recorders and scripted answerers in place of the real desktop.

enum class MessageIcon
{
    None,
    Critical,
    Information,
    Question
};
enum class MessageButtons
{
    Ok,
    YesNo
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box and returns the button the user chose.
    virtual MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // Shows an open-file dialog offering executable files under a filter named filterName,
    // starting in folder; an empty optional when the user cancels.
    virtual std::optional<QString> openProgramFile(const QString& folder, const QString& filterName) = 0;
    // Shows a save-file dialog starting in folder and listing the files of filter (a name
    // filter such as "Playlists (*.m3u *.pls)"). A name given without an extension gets
    // defaultSuffix (such as "m3u") before the dialog asks whether to replace an existing file,
    // so the question is about the file that will be written. An empty optional when the user
    // cancels.
    virtual std::optional<QString> saveFile(const QString& folder, const QString& filter,
                                            const QString& defaultSuffix) = 0;
    // Shows an open-file dialog for one existing file of filter, starting in folder.
    virtual std::optional<QString> openFile(const QString& folder, const QString& filter) = 0;
};

class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // Starts a program detached, with an argument list and never through a shell.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Hands an address to the desktop's opener; false when the desktop reports failure.
    virtual bool open(const QUrl& url) = 0;
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// The arrow-and-hourglass pointer, shown while at least one busy span is open. Spans are
// opened and closed through BusySpan, so each owner ends only its own.
class BusyPointer
{
public:
    virtual ~BusyPointer() = default;
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// One owner's busy span. Opening an open span or closing a closed one does nothing, and a
// span still open when its owner goes away is closed.
class BusySpan
{
public:
    explicit BusySpan(BusyPointer& pointer) : m_pointer(pointer) {}
    ~BusySpan() { close(); }
    BusySpan(const BusySpan&) = delete;
    BusySpan& operator=(const BusySpan&) = delete;

    void open()
    {
        if (m_open)
            return;
        m_open = true;
        m_pointer.beginBusy();
    }
    void close()
    {
        if (!m_open)
            return;
        m_open = false;
        m_pointer.endBusy();
    }
    bool isOpen() const { return m_open; }

private:
    BusyPointer& m_pointer;
    bool m_open = false;
};

// The bundle handed to every part of the program that talks to the desktop.
struct SystemServices
{
    Dialogs& dialogs;
    ProgramLauncher& launcher;
    UrlOpener& opener;
    Clipboard& clipboard;
    BusyPointer& pointer;
};
