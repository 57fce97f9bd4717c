#pragma once

#include "platform/SystemServices.h"
#include "playback/PlayerPaths.h"
#include "playback/StreamWorksFetch.h"

#include <QObject>
#include <QString>

class AppState;
class HttpClient;
class PlayView;

// The one way into playback: picks the player for a link and starts it, or tells the user
// what is missing. StreamWorks links are fetched first and their stream address is played.
class PlayDispatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNoPreset = -1;
    static constexpr int kEmptyPresetPointer = 8;

    PlayDispatch(AppState& state, SystemServices services, HttpClient& client, PlayView& view,
                 QObject* parent = nullptr);

    // turl: the stream link; tname: the item's name (not needed to play); Index: the preset
    // button 0 to 9 that asked, or kNoPreset.
    void launchURL(const QString& turl, const QString& tname, int Index);

    void PlayInRealPlayer(const QString& link);
    void PlayInMediaPlayer(const QString& link);
    void PlayInWinamp(const QString& link);
    void PlayInStreamWorks(const QString& link);
    // Fetches a StreamWorks description and plays the address it names; returns at once.
    void doPlayXDM(const QString& laddress);
    bool isFetching() const { return m_fetch.isRunning(); }

private:
    void launch(Player player, const QString& link);
    bool reportMissing(Player player);
    bool refuse(const QString& link);
    void startPlayer(Player player, const QString& link);
    void applyProxy();
    void onDescription(const QString& description);

    AppState& m_state;
    SystemServices m_services;
    HttpClient& m_client;
    PlayView& m_view;
    StreamWorksFetch m_fetch;
};
