#include "platform/IniSettingsBacking.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
using Values = QMap<QString, QVariant>;

Values contents(const QSettings& settings)
{
    Values values;
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        values.insert(key, settings.value(key));
    return values;
}

QString systemError()
{
    return qt_error_string(errno);
}

bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The rename itself reaches the disk only with its folder.
void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

// The new file starts as a copy of the old one, so that QSettings keeps the old file's key
// order, its other sections and whatever another program changed in it since the start.
QString copyInto(const QString& path, QFile& target)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly))
        return old.errorString();
    const QByteArray bytes = old.readAll();
    if (old.error() != QFileDevice::NoError)
        return old.errorString();
    if (target.write(bytes) != bytes.size() || !target.flush())
        return target.errorString();
    return {};
}

QString verify(const QString& path, const Values& expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // On the disk before it replaces the old file: a crash after the rename finds it whole.
    if (::fsync(file.handle()) != 0)
        return systemError();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != QFileInfo(path).size())
        return QStringLiteral("the new file could not be read back");
    if (contents(QSettings(path, QSettings::IniFormat)) != expected)
        return QStringLiteral("the new file was cut short");
    return {};
}
} // namespace

IniSettingsBacking::IniSettingsBacking(const QString& filePath)
    : m_path(QFileInfo(filePath).absoluteFilePath())
{
    const QSettings stored(m_path, QSettings::IniFormat);
    m_values = contents(stored);
    m_loadedWhole = stored.status() == QSettings::NoError;
    // Values written in one go are saved together once control is back in the event loop.
    m_autoSave.setSingleShot(true);
    m_autoSave.setInterval(0);
    m_autoSave.callOnTimeout(&m_autoSave, [this] { sync(); });
}

IniSettingsBacking::~IniSettingsBacking()
{
    sync();
}

QString IniSettingsBacking::address(const QString& key)
{
    return QStringLiteral("Settings/") + key;
}

QString IniSettingsBacking::read(const QString& key, const QString& defaultValue) const
{
    const auto found = m_values.constFind(address(key));
    if (found == m_values.cend())
        return defaultValue;
    // An INI line with unquoted commas comes back as a list; rejoin it rather than lose the text.
    if (found->userType() == QMetaType::QStringList)
        return found->toStringList().join(QLatin1Char(','));
    return found->toString();
}

void IniSettingsBacking::write(const QString& key, const QString& value)
{
    const QString at = address(key);
    m_values.insert(at, value);
    m_pending.insert(at);
    if (!m_autoSave.isActive())
        m_autoSave.start();
}

bool IniSettingsBacking::contains(const QString& key) const
{
    return m_values.contains(address(key));
}

bool IniSettingsBacking::sync()
{
    m_autoSave.stop();
    if (m_pending.isEmpty())
        return true;
    m_saveError = save();
    if (!m_saveError.isEmpty())
        return false;
    m_pending.clear();
    return true;
}

QString IniSettingsBacking::save()
{
    const QFileInfo target(m_path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
    // Two fresh names beside the file, so each rename stays on its file system; both are removed
    // again unless renamed away.
    const QString pattern = m_path + QStringLiteral(".XXXXXX");
    QTemporaryFile written(pattern);
    QTemporaryFile checked(pattern);
    if (!written.open())
        return written.errorString();
    if (!checked.open())
        return checked.errorString();
    checked.close();
    if (const QString problem = copyInto(m_path, written); !problem.isEmpty())
        return problem;
    written.close();

    Values expected;
    {
        QSettings out(written.fileName(), QSettings::IniFormat);
        for (const QString& at : std::as_const(m_pending))
            out.setValue(at, m_values.value(at));
        out.sync();
        // A format error belongs to the old file's lines, which are now left out; whether the
        // write itself worked is what the read-back below finds out.
        if (out.status() == QSettings::AccessError)
            return QStringLiteral("the new file could not be written");
        expected = contents(out);
    }
    // QSettings answers a second reader of the same file name from memory; under another name
    // the check reads what is on the disk.
    if (!renameOver(written.fileName(), checked.fileName()))
        return systemError();
    if (const QString problem = verify(checked.fileName(), expected); !problem.isEmpty())
        return problem;
    if (!renameOver(checked.fileName(), m_path))
        return systemError();
    syncFolder(folder);
    m_values = expected;
    return {};
}
