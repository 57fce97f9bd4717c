#pragma once

#include "platform/SystemServices.h"
#include "scanner/ScanStep.h"
#include "scanner/ScanView.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class HttpClient;
class PresetTable;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ScanModules;
class ScanPresetDialog;
class Settings;
class Tick;

// "Station Scan": plays the directory's stations of one style one after another. It runs beside
// the main window without blocking it; the scan itself is the ScanStep it owns. The window
// deletes itself when it closes.
class ScanWindow : public QWidget, private ScanView
{
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 5650;
    static constexpr int kHeightTwips = 3435;
    static constexpr int kFrameWidthTwips = 5550;
    static constexpr int kShortFrameTwips = 1195;
    static constexpr int kFullFrameTwips = 2775;

    struct Context
    {
        Settings& settings;
        PresetTable& presets;
        SystemServices services;
        ScanModules& modules;
        // A client of the scan's own, with the user's proxy as its proxy source.
        HttpClient& client;
        Tick& tick;
        QString dataFolder;
        // Where projModr and projModm lie.
        QString moduleFolder;
        QString queryHost;
        QWidget* mainWindow = nullptr;
        std::function<void(const QString&)> openSite;
        std::function<void(int)> presetAssigned;
    };

    explicit ScanWindow(Context context, QWidget* parent = nullptr);
    ~ScanWindow() override;

    // The Scan command's checks before a window opens: the notice about closing players, then
    // closeOpenScan (closes a scan window already open), then the players and the companion
    // programs; each missing one is told and makes the answer false.
    static bool canScan(Dialogs& dialogs, const QString& realPlayerPath, const QString& mediaPlayerPath,
                        const QString& moduleFolder, const std::function<void()>& closeOpenScan);
    static QString modulePath(const QString& moduleFolder, ScanStep::Module module);

    // The station in hand.
    QString lName() const { return m_step.station().name; }
    QString lURL() const { return m_step.station().link; }
    ScanStep& step() { return m_step; }
    bool isPresetDialogOpen() const { return m_presetDialog != nullptr; }

    void pickPlayer(int index);
    void pauseOrResume();
    void nextStation();
    void openPresets();

Q_SIGNALS:
    // The window has closed: the scan is over and "TERMINATE" is written.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ScanView
    QString styleShown() const override;
    bool includeUnknown() const override;
    int dwellSeconds() const override;
    void setStatusPanel(int panel, const QString& text) override;
    void setHeading(const QString& text) override;
    void showStation(const ScanStationList::Station& station) override;
    void stationSwitching() override;
    void setPlaying(bool playing) override;
    void setNextEnabled(bool enabled) override;
    void endScan(MessageIcon icon, const QString& message) override;

    void buildControls();
    void place(QWidget* widget, int left, int top, int width = 0, int height = 0);
    void keepClear(const QWidget* left, QWidget* right);
    int contentWidth() const;
    void setFrameHeight(int twips);
    int pixels(int twips) const;
    void dwellChanged();
    bool filterKey(QObject* watched, QKeyEvent* event) const;
    void openStationSite();
    void takeActivationBack();
    void followWithMainWindow();
    void checkPlayers();

    Context m_context;
    ScanStep m_step;
    QFrame* m_frame = nullptr;
    QLabel* m_heading = nullptr;
    QComboBox* m_style = nullptr;
    QComboBox* m_player = nullptr;
    QLineEdit* m_dwell = nullptr;
    QCheckBox* m_unknown = nullptr;
    QLabel* m_info[4] = {};
    QLabel* m_playing = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_presetsButton = nullptr;
    QLabel* m_panels[2] = {};
    QPointer<ScanPresetDialog> m_presetDialog;
    QString m_site;
    bool m_underlined = false;
    bool m_closing = false;
    bool m_closed = false;
};
