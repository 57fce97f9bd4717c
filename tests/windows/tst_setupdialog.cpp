#include "app/AppState.h"
#include "app/Settings.h"
#include "app/SetupDialog.h"
#include "platform/AppPaths.h"
#include "windows/Artwork.h"

#include "Recorders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Player)
Q_DECLARE_METATYPE(Settings::Key)

namespace {

const QString kReal = QStringLiteral("/opt/players/realplay");
const QString kMedia = QStringLiteral("/opt/players/mediaplayer");
const QString kWinamp = QStringLiteral("/opt/players/winamp");
const QString kXing = QStringLiteral("/opt/players/streamworks");

QImage cursorImage(const QCursor& cursor)
{
    return cursor.pixmap().toImage();
}
} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadReadsStoredValues_data();
    void loadReadsStoredValues();
    void choosingConnectionStoresAtOnce();
    void typedKeysChangeNothing_data();
    void typedKeysChangeNothing();
    void arrowKeysStillChoose();
    void connectionPromptNeverStoresPlaceholder();
    void browseSetsCurrentPlayer_data();
    void browseSetsCurrentPlayer();
    void cancelledBrowseChangesNothing();
    void okStoresProxyAsTyped_data();
    void okStoresProxyAsTyped();
    void closeBoxKeepsTabAndValues();
    void pathBoxOnPlayerTabsOnly_data();
    void pathBoxOnPlayerTabsOnly();
    void logosOpenDownloadPages_data();
    void logosOpenDownloadPages();
    void winampNoticeComesBeforePage();
    void logoPointers();
    void showingNeverBlocks();
    void formatStatesFromSettings_data();
    void formatStatesFromSettings();
    void formatStatesStoredInOrder();

private:
    void makeDialog();
    template <typename T> T* child(const QString& name) const
    {
        T* found = m_dialog->findChild<T*>(name);
        if (!found)
            qFatal("missing child widget");
        return found;
    }
    void choose(const QString& connection);

    std::unique_ptr<MemorySettingsBacking> m_backing;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<SetupDialog> m_dialog;
};

void TestSetupDialog::init()
{
    m_backing = std::make_unique<MemorySettingsBacking>();
    m_settings = std::make_unique<Settings>(*m_backing);
    m_state = std::make_unique<AppState>();
    m_services = std::make_unique<TestServices>();
    m_state->Players[Player::RealPlayer] = kReal;
    m_state->Players[Player::MediaPlayer] = kMedia;
    m_state->Players[Player::Winamp] = kWinamp;
    m_state->Players[Player::StreamWorks] = kXing;
}

void TestSetupDialog::cleanup()
{
    m_dialog.reset();
}

void TestSetupDialog::makeDialog()
{
    // Wired as the program wires it: pages go to the desktop's address opener.
    RecordingOpener& opener = m_services->opener;
    m_dialog = std::make_unique<SetupDialog>(*m_state, *m_settings, m_services->services(),
                                             [&opener](const QString& page) { opener.open(QUrl(page)); });
    m_backing->writes.clear();
}

void TestSetupDialog::choose(const QString& connection)
{
    // What a click on a list entry does: the entry becomes current, then the list reports it.
    auto* combo = child<QComboBox>(QStringLiteral("comboB"));
    const int index = combo->findText(connection);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void TestSetupDialog::loadReadsStoredValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<QString>("listText");

    QTest::newRow("nothing stored") << QString() << "Phone Modem 56k"
                                    << "Phone Modem 56k";
    QTest::newRow("stored entry") << "ISDN 64k"
                                  << "ISDN 64k"
                                  << "ISDN 64k";
    QTest::newRow("not an entry") << "Carrier Pigeon"
                                  << "Carrier Pigeon" << QString();
}

void TestSetupDialog::loadReadsStoredValues()
{
    QFETCH(QString, stored);
    QFETCH(QString, conSpeed);
    QFETCH(QString, listText);
    if (!stored.isNull())
        m_backing->values.insert(QStringLiteral("ConSpeed"), stored);
    m_backing->values.insert(QStringLiteral("ProxyHost"), QStringLiteral("proxy.lan"));
    m_backing->values.insert(QStringLiteral("ProxyPort"), QStringLiteral(" 3128 "));
    m_services->pointer.busy = true;
    makeDialog();

    QCOMPARE(m_state->ConSpeed, conSpeed);
    QCOMPARE(m_dialog->connectionText(), listText);
    auto* combo = child<QComboBox>(QStringLiteral("comboB"));
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    QCOMPARE(entries, strings({"Phone Modem 28.8", "Phone Modem 33.6", "Phone Modem 56k", "ISDN 64k",
                               "ISDN 128k", "Cable/DSL", "All Connections"}));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtHost"))->text(), QStringLiteral("proxy.lan"));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtPort"))->text(), QStringLiteral(" 3128 "));
    QVERIFY(!m_services->pointer.busy);
    QVERIFY(m_backing->writes.isEmpty());
}

void TestSetupDialog::choosingConnectionStoresAtOnce()
{
    makeDialog();
    m_dialog->showModeless();
    QSignalSpy chosen(m_dialog.get(), &SetupDialog::conSpeedChosen);
    choose(QStringLiteral("ISDN 128k"));

    QCOMPARE(m_backing->values.value(QStringLiteral("ConSpeed")), QStringLiteral("ISDN 128k"));
    QCOMPARE(m_state->ConSpeed, QStringLiteral("ISDN 128k"));
    QCOMPARE(chosen.count(), 1);
    QVERIFY(m_dialog->isVisible());
}

void TestSetupDialog::typedKeysChangeNothing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("inPopupList");

    QTest::newRow("first letter of an entry") << "I" << false;
    QTest::newRow("several letters") << "Cable" << false;
    QTest::newRow("digits") << "128" << false;
    QTest::newRow("space") << " " << false;
    QTest::newRow("letters in the open list") << "IC" << true;
}

void TestSetupDialog::typedKeysChangeNothing()
{
    QFETCH(QString, keys);
    QFETCH(bool, inPopupList);
    makeDialog();
    m_dialog->showModeless();
    auto* combo = child<QComboBox>(QStringLiteral("comboB"));
    const QString before = m_dialog->connectionText();

    if (inPopupList) {
        // In the open list typed letters would move the highlight, which Enter then takes.
        combo->showPopup();
        const int highlighted = combo->view()->currentIndex().row();
        QTest::keyClicks(combo->view(), keys);
        QCOMPARE(combo->view()->currentIndex().row(), highlighted);
        combo->hidePopup();
    } else {
        QTest::keyClicks(combo, keys);
    }

    QCOMPARE(m_dialog->connectionText(), before);
    QCOMPARE(m_state->ConSpeed, before);
    QVERIFY(m_backing->writes.isEmpty());
}

void TestSetupDialog::arrowKeysStillChoose()
{
    makeDialog();
    m_dialog->showModeless();
    auto* combo = child<QComboBox>(QStringLiteral("comboB"));
    QTest::keyClick(combo, Qt::Key_Down);

    QCOMPARE(m_dialog->connectionText(), QStringLiteral("ISDN 64k"));
    QCOMPARE(m_backing->values.value(QStringLiteral("ConSpeed")), QStringLiteral("ISDN 64k"));
}

void TestSetupDialog::connectionPromptNeverStoresPlaceholder()
{
    makeDialog();
    m_state->ConSpeed.clear();
    m_dialog->prepareConnectionPrompt();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    m_dialog->showModal();

    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::SpeedTab));
    QCOMPARE(m_dialog->connectionText(), QStringLiteral("Select Connection"));
    QCOMPARE(child<QComboBox>(QStringLiteral("comboB"))->findText(QStringLiteral("Select Connection")), -1);

    // Leaving without a choice stores nothing and keeps memory empty, so the prompt repeats.
    child<QPushButton>(QStringLiteral("cmdOK"))->click();
    QCOMPARE(hidden.count(), 1);
    QVERIFY(!m_backing->values.contains(QStringLiteral("ConSpeed")));
    QVERIFY(m_state->ConSpeed.isEmpty());

    m_dialog->showModal();
    choose(QStringLiteral("Cable/DSL"));
    QCOMPARE(m_backing->values.value(QStringLiteral("ConSpeed")), QStringLiteral("Cable/DSL"));
    QCOMPARE(m_state->ConSpeed, QStringLiteral("Cable/DSL"));
}

void TestSetupDialog::browseSetsCurrentPlayer_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<Player>("player");
    QTest::addColumn<QString>("key");

    QTest::newRow("RealPlayer") << 1 << "RealAudio Player" << Player::RealPlayer << "Real";
    QTest::newRow("Winamp") << 2 << "WinAmp Player" << Player::Winamp << "Winamp";
    QTest::newRow("Microsoft Media") << 3 << "Windows Media Player" << Player::MediaPlayer << "Netshow";
    QTest::newRow("Streamworks") << 4 << "StreamWorks Player" << Player::StreamWorks << "StreamWorks";
}

void TestSetupDialog::browseSetsCurrentPlayer()
{
    QFETCH(int, tab);
    QFETCH(QString, filter);
    QFETCH(Player, player);
    QFETCH(QString, key);
    makeDialog();
    const PlayerPaths before = m_state->Players;
    const QString picked = QStringLiteral("/home/user/players/picked");
    m_services->dialogs.fileAnswer = picked;
    m_dialog->selectTab(tab);
    m_dialog->showModeless();
    child<QPushButton>(QStringLiteral("cmdBrowse"))->click();

    QCOMPARE(m_services->dialogs.fileDialogs, 1);
    QCOMPARE(m_services->dialogs.lastFileFilter, filter);
    QCOMPARE(m_services->dialogs.lastFileFolder, AppPaths::programDir());
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtCMD"))->text(), picked);
    QCOMPARE(m_state->Players[player], picked);
    QCOMPARE(m_backing->writes, strings({"Real", "Winamp", "StreamWorks", "Netshow"}));
    QCOMPARE(m_backing->values.value(key), picked);

    // The other three keys receive the paths held in memory, unchanged.
    const std::pair<Player, QString> keys[] = {{Player::RealPlayer, QStringLiteral("Real")},
                                               {Player::Winamp, QStringLiteral("Winamp")},
                                               {Player::StreamWorks, QStringLiteral("StreamWorks")},
                                               {Player::MediaPlayer, QStringLiteral("Netshow")}};
    for (const auto& [other, otherKey] : keys) {
        if (other == player)
            continue;
        QCOMPARE(m_state->Players[other], before[other]);
        QCOMPARE(m_backing->values.value(otherKey), before[other]);
    }
}

void TestSetupDialog::cancelledBrowseChangesNothing()
{
    makeDialog();
    m_services->dialogs.fileAnswer = std::nullopt;
    m_dialog->selectTab(SetupDialog::RealPlayerTab);
    m_dialog->showModeless();
    child<QPushButton>(QStringLiteral("cmdBrowse"))->click();

    QCOMPARE(m_services->dialogs.fileDialogs, 1);
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtCMD"))->text(), kReal);
    QCOMPARE(m_state->Players[Player::RealPlayer], kReal);
    QCOMPARE(m_state->Players[Player::Winamp], kWinamp);
    QVERIFY(m_backing->writes.isEmpty());
}

void TestSetupDialog::okStoresProxyAsTyped_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("portInMemory");

    QTest::newRow("spaces around the number") << "proxy.lan"
                                              << " 8080 "
                                              << "8080";
    QTest::newRow("plain number") << "10.0.0.1"
                                  << "3128"
                                  << "3128";
    QTest::newRow("text after the number") << "p"
                                           << "80 or 8080"
                                           << "80";
    QTest::newRow("leading zeros") << "p"
                                   << "0080"
                                   << "80";
    QTest::newRow("not a number") << "p"
                                  << "abc"
                                  << "0";
    QTest::newRow("empty") << QString() << QString() << "0";
}

void TestSetupDialog::okStoresProxyAsTyped()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, portInMemory);
    makeDialog();
    m_dialog->selectTab(SetupDialog::ProxyTab);
    m_dialog->showModeless();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    child<QLineEdit>(QStringLiteral("txtHost"))->setText(host);
    child<QLineEdit>(QStringLiteral("txtPort"))->setText(port);
    child<QPushButton>(QStringLiteral("cmdOK"))->click();

    QCOMPARE(m_backing->values.value(QStringLiteral("ProxyHost")), host);
    QCOMPARE(m_backing->values.value(QStringLiteral("ProxyPort")), port);
    QCOMPARE(m_state->ProxyHost, host);
    QCOMPARE(m_state->ProxyPort, portInMemory);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 1);
}

void TestSetupDialog::closeBoxKeepsTabAndValues()
{
    makeDialog();
    m_dialog->selectTab(SetupDialog::ProxyTab);
    m_dialog->showModeless();
    child<QLineEdit>(QStringLiteral("txtHost"))->setText(QStringLiteral("typed.host"));
    child<QCheckBox>(QStringLiteral("chkMA"))->setChecked(false);
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);

    QVERIFY(!m_dialog->close());
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 1);

    m_dialog->showModeless();
    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::ProxyTab));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtHost"))->text(), QStringLiteral("typed.host"));
    QCOMPARE(m_dialog->formatState(Settings::Key::ChkMA), 0);
    QVERIFY(m_backing->writes.isEmpty());
}

void TestSetupDialog::pathBoxOnPlayerTabsOnly_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("path");

    QTest::newRow("Select Format") << 0 << false << QString();
    QTest::newRow("RealPlayer") << 1 << true << kReal;
    QTest::newRow("Winamp") << 2 << true << kWinamp;
    QTest::newRow("Microsoft Media") << 3 << true << kMedia;
    QTest::newRow("Streamworks") << 4 << true << kXing;
    QTest::newRow("Proxy Settings") << 5 << false << QString();
    QTest::newRow("Select Speed") << 6 << false << QString();
}

void TestSetupDialog::pathBoxOnPlayerTabsOnly()
{
    QFETCH(int, tab);
    QFETCH(bool, shown);
    QFETCH(QString, path);
    makeDialog();
    m_dialog->showModeless();
    // Arrive from a player tab, so that hiding is really tested.
    m_dialog->selectTab(tab == 1 ? 2 : 1);
    m_dialog->selectTab(tab);

    QCOMPARE(child<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), tab);
    QCOMPARE(child<QLabel>(QStringLiteral("lblPlay"))->isVisible(), shown);
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtCMD"))->isVisible(), shown);
    QCOMPARE(child<QPushButton>(QStringLiteral("cmdBrowse"))->isVisible(), shown);
    if (shown)
        QCOMPARE(child<QLineEdit>(QStringLiteral("txtCMD"))->text(), path);
}

void TestSetupDialog::logosOpenDownloadPages_data()
{
    QTest::addColumn<QString>("logo");
    QTest::addColumn<QString>("serviceHost");
    QTest::addColumn<QString>("page");

    QTest::newRow("RealPlayer") << "pReal" << QString() << "http://127.0.0.1:8642/download/realplayer.htm";
    QTest::newRow("Winamp") << "pWinAMP" << QString() << "http://127.0.0.1:8642/download/winamp.htm";
    QTest::newRow("Windows Media Player")
        << "pMicro" << QString() << "http://127.0.0.1:8642/download/mediaplayer.htm";
    QTest::newRow("StreamWorks") << "pXing" << QString() << "http://127.0.0.1:8642/download/streamworks.htm";
    QTest::newRow("configured host") << "pXing"
                                     << "directory.example:9000"
                                     << "http://directory.example:9000/download/streamworks.htm";
}

void TestSetupDialog::logosOpenDownloadPages()
{
    QFETCH(QString, logo);
    QFETCH(QString, serviceHost);
    QFETCH(QString, page);
    if (!serviceHost.isNull())
        m_backing->values.insert(QStringLiteral("ServiceHost"), serviceHost);
    makeDialog();
    m_dialog->showModeless();
    QTest::mouseClick(child<QLabel>(logo), Qt::LeftButton);

    QCOMPARE(m_services->opener.opened, QList<QUrl>({QUrl(page)}));
}

void TestSetupDialog::winampNoticeComesBeforePage()
{
    makeDialog();
    m_dialog->selectTab(SetupDialog::WinampTab);
    m_dialog->showModeless();
    int pagesAtNotice = -1;
    m_services->dialogs.onMessage = [this, &pagesAtNotice](const RecordedMessage&) {
        pagesAtNotice = int(m_services->opener.opened.size());
    };
    QTest::mouseClick(child<QLabel>(QStringLiteral("pWinAMP")), Qt::LeftButton);

    QCOMPARE(m_services->dialogs.messages.size(), 1);
    const RecordedMessage& notice = m_services->dialogs.messages.constFirst();
    QCOMPARE(notice.icon, MessageIcon::Information);
    QCOMPARE(notice.title, QStringLiteral("Skylark! Broadcast"));
    QCOMPARE(notice.text,
             QStringLiteral(
                 "Skylark! Broadcast is only compatible with WinAMP Standard versions 2.24 and greater."));
    QCOMPARE(pagesAtNotice, 0);
    QCOMPARE(m_services->opener.opened.size(), 1);

    // The other logos open their page without a notice.
    QTest::mouseClick(child<QLabel>(QStringLiteral("pReal")), Qt::LeftButton);
    QCOMPARE(m_services->dialogs.messages.size(), 1);
}

void TestSetupDialog::logoPointers()
{
    makeDialog();
    m_dialog->selectTab(SetupDialog::RealPlayerTab);
    m_dialog->showModeless();
    auto* logo = child<QLabel>(QStringLiteral("pReal"));
    const QPoint inside = logo->rect().center();

    QTest::mousePress(logo, Qt::LeftButton, {}, inside);
    QCOMPARE(cursorImage(logo->cursor()), cursorImage(Artwork::pointerCursor(Artwork::PointerPressed)));
    QTest::mouseMove(logo, inside + QPoint(1, 1));
    QCOMPARE(cursorImage(logo->cursor()), cursorImage(Artwork::pointerCursor(Artwork::PointerHand)));

    // Released away from the logo: no page.
    QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(m_services->opener.opened.isEmpty());
}

void TestSetupDialog::showingNeverBlocks()
{
    makeDialog();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    m_dialog->showModal();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->windowModality(), Qt::ApplicationModal);
    m_dialog->hide();
    QCOMPARE(hidden.count(), 1);

    m_dialog->showModeless();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->windowModality(), Qt::NonModal);

    // Escape only hides it as well.
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 2);
}

void TestSetupDialog::formatStatesFromSettings_data()
{
    QTest::addColumn<Settings::Key>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    QTest::newRow("missing: checked") << Settings::Key::ChkRA << QString() << 0 << 1;
    QTest::newRow("stored 0") << Settings::Key::ChkNV << "0" << 1 << 0;
    QTest::newRow("stored 1") << Settings::Key::ChkXDM << "1" << 0 << 1;
    QTest::newRow("not a number: unchanged") << Settings::Key::ChkMA << "abc" << 0 << 0;
    QTest::newRow("out of range: unchanged") << Settings::Key::ChkRV << "7" << 1 << 1;
    QTest::newRow("fraction rounds") << Settings::Key::ChkNA << "0.4" << 1 << 0;
}

void TestSetupDialog::formatStatesFromSettings()
{
    QFETCH(Settings::Key, key);
    QFETCH(QString, stored);
    QFETCH(int, before);
    QFETCH(int, after);
    makeDialog();
    m_dialog->setFormatState(key, qint16(before));
    if (!stored.isNull())
        m_backing->values.insert(Settings::name(key), stored);
    m_dialog->restoreFormatStates(*m_settings);

    QCOMPARE(m_dialog->formatState(key), after);
    QCOMPARE(child<QCheckBox>(Settings::name(key))->isChecked(), after == 1);
}

void TestSetupDialog::formatStatesStoredInOrder()
{
    makeDialog();
    child<QCheckBox>(QStringLiteral("chkNA"))->setChecked(false);
    child<QCheckBox>(QStringLiteral("chkXDM"))->setChecked(false);
    m_dialog->storeFormatStates(*m_settings);

    QCOMPARE(m_backing->writes, strings({"chkRA", "chkNA", "chkMA", "chkRV", "chkNV", "chkXDM"}));
    QCOMPARE(m_backing->values.value(QStringLiteral("chkRA")), QStringLiteral("1"));
    QCOMPARE(m_backing->values.value(QStringLiteral("chkNA")), QStringLiteral("0"));
    QCOMPARE(m_backing->values.value(QStringLiteral("chkXDM")), QStringLiteral("0"));
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
