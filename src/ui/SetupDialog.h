#pragma once

#include "core/Settings.h"
#include "platform/SystemServices.h"
#include "search/FormatFilters.h"
#include "playback/Players.h"
#include "core/ProductSite.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The setup dialog: format filters, player locations, proxy and connection type. It is made
// once at start-up and lives until the program ends; closing it only hides it, so every showing
// finds the tab and values it was left with. It never blocks: callers that need to wait for the
// user react to hidden().
class SetupDialog : public QDialog
{
    Q_OBJECT

public:
    enum Tab
    {
        FormatTab = 0,
        RealPlayerTab = 1,
        WinampTab = 2,
        MediaPlayerTab = 3,
        StreamWorksTab = 4,
        ProxyTab = 5,
        SpeedTab = 6,
    };

    static inline const QString kPlaceholder = QStringLiteral(QT_TR_NOOP("Select Connection"));
    static inline const QString kDefaultConSpeed = QStringLiteral("Phone Modem 56k");
    // The connection types with a speed limit, then the one without.
    static inline const QString kAllConnections = QStringLiteral(QT_TR_NOOP("All Connections"));
    // The format boxes by their settings keys, in the order start-up reads and shut-down writes them.
    static constexpr std::array kFormatKeys{Settings::Key::ChkRA, Settings::Key::ChkNA,
                                            Settings::Key::ChkMA, Settings::Key::ChkRV,
                                            Settings::Key::ChkNV, Settings::Key::ChkXDM};

    // Loading reads "ConSpeed" and the proxy texts from the settings. openPage receives the
    // players' download page addresses.
    SetupDialog(PlayerPaths& players, Settings& settings, SystemServices services,
                ProductSite::PageOpener openPage, QWidget* parent = nullptr);

    // The tab for a player's location and download page.
    static Tab tabFor(Player player);
    static std::optional<Player> playerOn(int tab);

    void selectTab(int tab);
    int currentTab() const;
    // For the first-run prompt: the "Select Speed" tab with the placeholder in the list.
    void prepareConnectionPrompt();
    // The list's text as the user sees it: the chosen entry, or the placeholder.
    QString connectionText() const;

    // From the File menu: beside the main window.
    void showModeless();
    // From the toolbar, the first-run prompt and the player launchers: blocks the other windows
    // until hidden, but returns at once.
    void showModal();

    // Check state (0 or 1) of the format box stored under key (chkRA ... chkXDM).
    int formatState(Settings::Key key) const;
    // The six format check boxes as a search sends them.
    FormatFilters formatFilters() const;
    // A value that is missing or not 0/1 leaves the box as it is.
    void setFormatState(Settings::Key key, std::optional<qint16> state);
    void restoreFormatStates(const Settings& settings);
    void storeFormatStates(Settings& settings) const;

    // Address of a player's download page on the program's own web site.
    QString downloadPage(Player player) const;

Q_SIGNALS:
    // After every hiding, whether by OK, the close box or Escape.
    void hidden();
    // A connection type was chosen in the list and stored.
    void conSpeedChosen(const QString& conSpeed);

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeFormatTab();
    QWidget* makePlayerTab(Player player);
    QWidget* makeProxyTab();
    QWidget* makeSpeedTab();
    void makeWidgets();
    void load();
    void onTabChanged(int tab);
    void onBrowse();
    void onOk();
    void onConnectionChosen(int index);
    void onLogoClicked(Player player);
    void addTabShortcuts();
    QCheckBox* formatBox(Settings::Key key) const;

    PlayerPaths& m_players;
    Settings& m_settings;
    SystemServices m_services;
    ProductSite::PageOpener m_openPage;

    QTabWidget* m_tabs = nullptr;
    std::array<QCheckBox*, kFormatKeys.size()> m_formatBoxes{};
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QComboBox* m_connection = nullptr;
    QLabel* m_pathLabel = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    // Name of the current player's programs in the Browse dialog.
    QString m_filterName;
};
