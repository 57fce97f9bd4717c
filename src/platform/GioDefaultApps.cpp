#include "platform/GioDefaultApps.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <memory>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {
struct GFreeDeleter
{
    void operator()(gchar* text) const { g_free(text); }
};
struct GObjectDeleter
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;
using GApp = std::unique_ptr<GAppInfo, GObjectDeleter>;

// alias -> canonical name, from every mime/aliases file GIO's MIME database reads.
QHash<QString, QString> readAliases()
{
    QStringList dirs{QString::fromUtf8(g_get_user_data_dir())};
    for (const gchar* const* dir = g_get_system_data_dirs(); *dir; ++dir)
        dirs.append(QString::fromUtf8(*dir));
    QHash<QString, QString> aliases;
    for (const QString& dir : dirs) {
        QFile file(dir + QStringLiteral("/mime/aliases"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QStringList fields =
                QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
            if (fields.size() == 2 && !aliases.contains(fields.at(0)))
                aliases.insert(fields.at(0), fields.at(1));
        }
    }
    return aliases;
}

bool listHolds(GList* apps, GAppInfo* app)
{
    bool found = false;
    for (GList* item = apps; item && !found; item = item->next)
        found = g_app_info_equal(app, static_cast<GAppInfo*>(item->data));
    g_list_free_full(apps, g_object_unref);
    return found;
}

// True when app is the default of a generic type that mimeType descends from (a playlist is
// a kind of text/plain), so it came from there rather than from mimeType.
bool isGenericDefault(GAppInfo* app, const char* mimeType)
{
    for (const char* generic : {"text/plain", "application/octet-stream"}) {
        if (g_strcmp0(mimeType, generic) == 0 || !g_content_type_is_a(mimeType, generic))
            continue;
        const GApp parentDefault(g_app_info_get_default_for_type(generic, FALSE));
        if (parentDefault && g_app_info_equal(parentDefault.get(), app))
            return true;
    }
    return false;
}

// The default lookup falls back to parent types; an application found only that way (a text
// editor for a playlist type) is not a player for mimeType. An explicit default that does not
// list the type itself still counts: that is how a user picks a player by hand.
bool chosenForType(GAppInfo* app, const char* mimeType)
{
    if (listHolds(g_app_info_get_recommended_for_type(mimeType), app))
        return true;
    return !listHolds(g_app_info_get_fallback_for_type(mimeType), app) && !isGenericDefault(app, mimeType);
}
} // namespace

QString GioDefaultApps::mimeTypeForExtension(const QString& extension)
{
    if (extension.isEmpty())
        return {};
    const QByteArray fileName = "x" + extension.toUtf8();
    gboolean uncertain = FALSE;
    const GText contentType(g_content_type_guess(fileName.constData(), nullptr, 0, &uncertain));
    if (!contentType)
        return {};
    const GText mimeType(g_content_type_get_mime_type(contentType.get()));
    return mimeType ? QString::fromUtf8(mimeType.get()) : QString();
}

QStringList GioDefaultApps::aliasesOf(const QString& mimeType)
{
    const QHash<QString, QString> aliases = readAliases();
    const QString canonical = aliases.value(mimeType, mimeType);
    QStringList names;
    if (canonical != mimeType)
        names.append(canonical);
    for (auto it = aliases.cbegin(); it != aliases.cend(); ++it) {
        if (it.value() == canonical && it.key() != mimeType)
            names.append(it.key());
    }
    std::sort(names.begin() + (canonical != mimeType ? 1 : 0), names.end());
    return names;
}

QString GioDefaultApps::openCommandForMimeType(const QString& mimeType)
{
    const QByteArray type = mimeType.toUtf8();
    if (type.isEmpty())
        return {};
    const GApp app(g_app_info_get_default_for_type(type.constData(), FALSE));
    if (!app || !chosenForType(app.get(), type.constData()))
        return {};
    const char* command = g_app_info_get_commandline(app.get());
    return command ? QString::fromUtf8(command) : QString();
}
