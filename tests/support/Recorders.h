#pragma once

#include "platform/DefaultApps.h"
#include "platform/SettingsBacking.h"
#include "platform/SystemServices.h"

#include <QHash>
#include <QList>
#include <QQueue>

#include <functional>

// Test stand-ins for the desktop seams: they record what the program asked for and give
// scripted answers, so no test blocks on a modal window.

struct RecordedMessage
{
    MessageIcon icon;
    QString title;
    QString text;
    MessageButtons buttons;
};

class ScriptedDialogs : public Dialogs
{
public:
    MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                          MessageButtons buttons) override;
    std::optional<QString> openProgramFile(const QString& folder, const QString& filterName) override;
    std::optional<QString> saveFile(const QString& folder, const QString& filter,
                                    const QString& defaultSuffix) override;
    std::optional<QString> openFile(const QString& folder, const QString& filter) override;

    QList<RecordedMessage> messages;
    QStringList texts() const;
    // Answers for Yes/No questions, taken in order; No when none is left.
    QQueue<MessageAnswer> answers;
    // Answer for the next file dialogs of each kind; nullopt means cancel.
    std::optional<QString> fileAnswer;
    std::optional<QString> saveFileAnswer;
    std::optional<QString> openFileAnswer;
    QString lastFileFolder;
    int fileDialogs = 0;
};

class RecordingLauncher : public ProgramLauncher
{
public:
    struct Launch
    {
        QString program;
        QStringList arguments;
    };
    bool startDetached(const QString& program, const QStringList& arguments) override;
    QList<Launch> launches;
    bool result = true;
};

class RecordingOpener : public UrlOpener
{
public:
    bool open(const QUrl& url) override;
    QList<QUrl> opened;
    bool result = true;
};

class MemoryClipboard : public Clipboard
{
public:
    void setText(const QString& text) override { value = text; }
    QString text() const override { return value; }
    QString value;
};

class RecordingPointer : public BusyPointer
{
public:
    void beginBusy() override;
    void endBusy() override;
    bool busy() const { return open > 0; }
    int open = 0;
    int spans = 0;
    bool unbalanced = false;
};

class MemorySettingsBacking : public SettingsBacking
{
public:
    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    bool contains(const QString& key) const override { return values.contains(key); }
    QHash<QString, QString> values;
    QStringList writes;
};

// All recorders in one place, handed out as SystemServices.
struct TestServices
{
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    RecordingOpener opener;
    MemoryClipboard clipboard;
    RecordingPointer pointer;
    SystemServices services() { return {dialogs, launcher, opener, clipboard, pointer}; }
};

// A desktop without any default applications.
class NoDefaultApps : public DefaultApps
{
public:
    QString mimeTypeForExtension(const QString&) override { return {}; }
    QStringList aliasesOf(const QString&) override { return {}; }
    QString openCommandForMimeType(const QString&) override { return {}; }
};

// Plain literals for expected lists; the build forbids implicit conversions from char strings.
QStringList strings(std::initializer_list<const char*> texts);
