#pragma once

#include "platform/SystemServices.h"
#include "playback/Players.h"
#include "playback/StreamWorksFetch.h"

#include <QObject>
#include <QString>

class HttpClient;
class PlayView;
class Tick;

// The one way into playback: picks the player for a link and starts it, or tells the user
// what is missing. StreamWorks links are fetched first and their stream address is played.
class PlayDispatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNoPreset = -1;
    static constexpr int kEmptyPresetPointer = 8;

    // streamClient fetches StreamWorks descriptions; it serves nothing else.
    PlayDispatch(SystemServices services, const PlayerPaths& players, HttpClient& streamClient, Tick& tick,
                 PlayView& view, QObject* parent = nullptr);

    // turl: the stream link; tname: the item's name (not needed to play); Index: the preset
    // button 0 to 9 that asked, or kNoPreset.
    void launchURL(const QString& turl, const QString& tname, int Index);

    void playInRealPlayer(const QString& link);
    void playInMediaPlayer(const QString& link);
    void playInWinamp(const QString& link);
    void playInStreamWorks(const QString& link);
    // Fetches a StreamWorks description and plays the address it names; returns at once.
    void doPlayXDM(const QString& laddress);
    bool isFetching() const { return m_fetch.isRunning(); }
    // Abandons a description fetch without playing (the program is ending).
    void cancel();

private:
    void launch(Player player, const QString& link);
    bool reportMissing(Player player);
    bool refuse(const QString& link);
    void startPlayer(Player player, const QString& link);
    void onDescription(const QString& description);

    SystemServices m_services;
    const PlayerPaths& m_players;
    PlayView& m_view;
    StreamWorksFetch m_fetch;
    // From a launch until its player is started, through a StreamWorks fetch if there is one.
    BusySpan m_busy;
};
