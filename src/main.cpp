#include <QApplication>

#include "app/Program.h"
#include "platform/AppPaths.h"
#include "platform/SingleInstance.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppPaths::kAppName);
    QApplication::setQuitOnLastWindowClosed(false);
    const SingleInstance instance(AppPaths::dataFile(QStringLiteral("instance.lock")));
    if (!instance.isFirst())
        return 0;
    Program program;
    QObject::connect(&program, &Program::finished, &app, &QCoreApplication::exit);
    program.start();
    return QApplication::exec();
}
