#include <QApplication>
#include <QDir>
#include <QIcon>

#include "browser/WebEngineSetup.h"
#include "core/ProductInfo.h"
#include "platform/AppPaths.h"
#include "platform/GioDefaultApps.h"
#include "platform/SingleInstance.h"
#include "ui/AccessibleWindows.h"
#include "ui/DesktopServices.h"
#include "ui/FocusRing.h"
#include "ui/Program.h"
#include "ui/Translations.h"

namespace {
// The icon of the desktop entry, drawn at every installed size and built in as a resource.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}
} // namespace

int main(int argc, char* argv[])
{
    WebEngineSetup::prepare();
    // The companion programs end their players when this process is gone.
    qputenv("SKYLARK_PROGRAM_PID", QByteArray::number(QCoreApplication::applicationPid()));
    QApplication app(argc, argv);
    // The desktop's language (LANGUAGE, LC_MESSAGES), before the first window is built.
    Translations::install(app, QLocale::system());
    QApplication::setApplicationName(kProductName);
    QApplication::setApplicationVersion(kProductVersion);
    // The desktop entry's id, so the desktop matches the windows to the launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKYLARK_APP_ID));
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    AccessibleWindows::install();
    FocusRing::install();
    const QString dataFolder = AppPaths::dataDir(kProductName);
    QDir().mkpath(dataFolder);
    const SingleInstance instance(dataFolder + QStringLiteral("/instance.lock"));
    if (instance.state() == SingleInstance::State::AnotherRunning)
        return 0;
    DesktopServices desktop;
    GioDefaultApps defaultApps;
    // Without a lock (the folder cannot be written) the program still runs, and says why.
    Program program({AppPaths::settingsFile(kProductName), dataFolder, desktop.services(), defaultApps,
                     instance.state() == SingleInstance::State::First});
    QObject::connect(&program, &Program::finished, &app, &QCoreApplication::exit);
    program.start();
    return QApplication::exec();
}
