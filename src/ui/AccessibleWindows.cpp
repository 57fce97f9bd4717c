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
    // The class name is checked before the object is touched: the factory is asked about every object
    // the accessibility bridge meets, some of them half destroyed or from libraries without visible type
    // information.
    if (!windows.contains(className) || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}
} // namespace

void AccessibleWindows::install()
{
    QAccessible::installFactory(windowInterface);
}
