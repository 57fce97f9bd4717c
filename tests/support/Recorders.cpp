#include "Recorders.h"

MessageAnswer ScriptedDialogs::message(MessageIcon icon, const QString& title, const QString& text,
                                       MessageButtons buttons)
{
    messages.append({icon, title, text, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::No : answers.dequeue();
}

std::optional<QString> ScriptedDialogs::openProgramFile(const QString& folder, const QString& /*filterName*/)
{
    ++fileDialogs;
    lastFileFolder = folder;
    return fileAnswer;
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& folder, const QString& /*filter*/,
                                                 const QString& /*defaultSuffix*/)
{
    ++fileDialogs;
    lastFileFolder = folder;
    return saveFileAnswer;
}

std::optional<QString> ScriptedDialogs::openFile(const QString& folder, const QString& /*filter*/)
{
    ++fileDialogs;
    lastFileFolder = folder;
    return openFileAnswer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const RecordedMessage& message : messages)
        result.append(message.text);
    return result;
}

bool RecordingLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    launches.append({program, arguments});
    return result;
}

bool RecordingOpener::open(const QUrl& url)
{
    opened.append(url);
    return result;
}

void RecordingPointer::beginBusy()
{
    ++open;
    ++spans;
}

void RecordingPointer::endBusy()
{
    // More ends than begins would mean some owner ended a span it does not hold.
    if (--open < 0)
        unbalanced = true;
}

QString MemorySettingsBacking::read(const QString& key, const QString& defaultValue) const
{
    return values.value(key, defaultValue);
}

void MemorySettingsBacking::write(const QString& key, const QString& value)
{
    values.insert(key, value);
    writes.append(key);
}

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList result;
    for (const char* text : texts)
        result.append(QString::fromUtf8(text));
    return result;
}
