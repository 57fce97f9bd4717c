// A companion module: plays one stream URL, given as the only argument, in the player this
// executable stands for, and talks to the program through the marker files.
#include <cstdio>

#include <QCoreApplication>
#include <QTimer>

#include "companion/CompanionModule.h"
#include "companion/StopSignals.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s STREAM-URL\n", argc > 0 ? argv[0] : "module");
        return 2;
    }
    // Taken before the application object sees the arguments: the link is passed on verbatim.
    const QString link = QString::fromLocal8Bit(argv[1]);
    QCoreApplication app(argc, argv);

    CompanionModule module(ModuleOptions::load(Player::SKYLARK_COMPANION_PLAYER, link));
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &module, &CompanionModule::stop);
    QObject::connect(&module, &CompanionModule::finished, &app, &QCoreApplication::exit);
    QTimer::singleShot(0, &module, &CompanionModule::start);
    return app.exec();
}
