#include "directory/DirectoryLauncher.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DirectoryLauncher launcher;
    if (!launcher.start(QCoreApplication::arguments()))
        return 1;
    return QCoreApplication::exec();
}
