#include "scanner/ScanReplyWait.h"

#include "scanner/ScanStationList.h"

ScanReplyWait::ScanReplyWait(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_wait(client, tick,
                              {.cap = ScanStationList::kReplyLimit,
                               .silenceTicks = kSilenceLimit,
                               .deadlineTicks = kDeadlineTicks})
{
    connect(&m_wait, &DocumentWait::finished, this, &ScanReplyWait::finished);
}
