#include <QApplication>
#include <QDir>

#include "browser/WebEngineSetup.h"
#include "core/ProductInfo.h"
#include "platform/AppPaths.h"
#include "platform/GioDefaultApps.h"
#include "platform/SingleInstance.h"
#include "ui/DesktopServices.h"
#include "ui/Program.h"

int main(int argc, char* argv[])
{
    WebEngineSetup::prepare();
    // The companion programs end their players when this process is gone.
    qputenv("SKYLARK_PROGRAM_PID", QByteArray::number(QCoreApplication::applicationPid()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProductName);
    QApplication::setApplicationVersion(kProductVersion);
    QApplication::setQuitOnLastWindowClosed(false);
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
