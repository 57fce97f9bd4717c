#include "scanner/TerminateWatch.h"

#include "core/Tick.h"
#include "scanner/MarkerFiles.h"

TerminateWatch::TerminateWatch(QString dataFolder, Tick& tick, QObject* parent)
    : QObject(parent), m_dataFolder(std::move(dataFolder))
{
    connect(&tick, &Tick::ticked, this, &TerminateWatch::onTick);
}

void TerminateWatch::onTick()
{
    if (!m_suspended && !MarkerFiles::exists(m_dataFolder, MarkerFiles::kTerminate))
        MarkerFiles::writeTerminate(m_dataFolder);
}
