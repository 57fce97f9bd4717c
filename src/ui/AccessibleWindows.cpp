#include "ui/AccessibleWindows.h"

#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

namespace {
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    static const QStringList windows{QStringLiteral("AboutWindow"), QStringLiteral("BookmarksWindow"),
                                     QStringLiteral("QuickHelpWindow"), QStringLiteral("ScanWindow"),
                                     QStringLiteral("SplashWindow")};
    if (!object || !object->isWidgetType() || !windows.contains(className))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}
} // namespace

void AccessibleWindows::install()
{
    QAccessible::installFactory(windowInterface);
}
