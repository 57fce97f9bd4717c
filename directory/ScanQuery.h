#pragma once

#include "directory/StreamClassifier.h"

#include <QString>

// The scanner form of a request: one station of a style for a player, after a list position.
struct ScanQuery
{
    QString style; // keyword list; empty = every live station
    StreamClassifier::ScanFamily player = StreamClassifier::ScanFamily::RealPlayer;
    bool includeUnknown = false;
    qint64 after = 0;        // 1-based position of the last station already given; 0 = start
    double speedCeiling = 0; // kbit/s; 0 = no ceiling
};
