#include "playback/Players.h"
#include "ui/DesktopServices.h"
#include "core/Settings.h"
#include "ui/SetupDialog.h"
#include "platform/AppPaths.h"

#include "Recorders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kReal = QStringLiteral("/opt/players/realplay");
const QString kMedia = QStringLiteral("/opt/players/mediaplayer");
const QString kWinamp = QStringLiteral("/opt/players/winamp");
const QString kXing = QStringLiteral("/opt/players/streamworks");
} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_dialog.reset(); }

    void typedKeysChangeNothing();
    void choosingStoresAtOnceButNeverThePlaceholder();
    void browseSetsTheTabsPlayer();
    void okStoresProxyAsTyped_data();
    void okStoresProxyAsTyped();
    void hidingKeepsTabAndValuesAndNeverBlocks();
    void ctrlTabFromTheConnectionList();

private:
    void makeDialog();
    template <typename T> T* child(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("missing child widget %s", name);
        return found;
    }
    QString saved(const char* key) const { return m_backing->values.value(QString::fromLatin1(key)); }
    void choose(const QString& connection);

    std::unique_ptr<MemorySettingsBacking> m_backing;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PlayerPaths> m_players;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<SetupDialog> m_dialog;
};

void TestSetupDialog::init()
{
    m_backing = std::make_unique<MemorySettingsBacking>();
    m_settings = std::make_unique<Settings>(*m_backing);
    m_players = std::make_unique<PlayerPaths>(*m_settings);
    m_services = std::make_unique<TestServices>();
    m_players->use(Player::RealPlayer, kReal);
    m_players->use(Player::MediaPlayer, kMedia);
    m_players->use(Player::Winamp, kWinamp);
    m_players->use(Player::StreamWorks, kXing);
}

void TestSetupDialog::makeDialog()
{
    // Wired as the program wires it: pages go to the desktop's address opener.
    RecordingOpener& opener = m_services->opener;
    m_dialog = std::make_unique<SetupDialog>(*m_players, *m_settings, m_services->services(),
                                             [&opener](const QString& page) { opener.open(QUrl(page)); });
    m_backing->writes.clear();
}

void TestSetupDialog::choose(const QString& connection)
{
    // What a click on a list entry does: the entry becomes current, then the list reports it.
    auto* combo = child<QComboBox>("comboB");
    const int index = combo->findText(connection);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void TestSetupDialog::typedKeysChangeNothing()
{
    makeDialog();
    m_dialog->showModeless();
    auto* combo = child<QComboBox>("comboB");
    const QString before = m_dialog->connectionText();
    QTest::keyClicks(combo, u"Cable"_s);

    // In the open list typed letters would move the highlight, which Enter then takes.
    combo->showPopup();
    const int highlighted = combo->view()->currentIndex().row();
    QTest::keyClicks(combo->view(), u"IC"_s);
    QCOMPARE(combo->view()->currentIndex().row(), highlighted);
    combo->hidePopup();

    QCOMPARE(m_dialog->connectionText(), before);
    QVERIFY(m_backing->writes.isEmpty());
}

void TestSetupDialog::choosingStoresAtOnceButNeverThePlaceholder()
{
    makeDialog();
    m_dialog->prepareConnectionPrompt();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    QSignalSpy chosen(m_dialog.get(), &SetupDialog::conSpeedChosen);
    m_dialog->showModal();

    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::SpeedTab));
    QCOMPARE(m_dialog->connectionText(), u"Select Connection"_s);
    QCOMPARE(child<QComboBox>("comboB")->findText(u"Select Connection"_s), -1);

    // Leaving without a choice stores nothing and keeps memory empty, so the prompt repeats.
    child<QPushButton>("cmdOK")->click();
    QCOMPARE(hidden.count(), 1);
    QVERIFY(!m_backing->values.contains(u"ConSpeed"_s));

    // A choice is stored at once, without OK.
    m_dialog->showModal();
    choose(u"ISDN 128k"_s);
    QCOMPARE(saved("ConSpeed"), u"ISDN 128k"_s);
    QCOMPARE(chosen.count(), 1);
    QVERIFY(m_dialog->isVisible());

    // Typed letters are held back (see typedKeysChangeNothing), but the arrow keys still choose.
    QTest::keyClick(child<QComboBox>("comboB"), Qt::Key_Down);
    QCOMPARE(m_dialog->connectionText(), u"Cable/DSL"_s);
    QCOMPARE(saved("ConSpeed"), u"Cable/DSL"_s);
}

void TestSetupDialog::browseSetsTheTabsPlayer()
{
    makeDialog();
    m_dialog->selectTab(SetupDialog::RealPlayerTab);
    m_dialog->showModeless();
    auto* path = child<QLineEdit>("txtCMD");
    auto* browse = child<QPushButton>("cmdBrowse");

    // Cancelled: nothing changes.
    m_services->dialogs.fileAnswer = std::nullopt;
    browse->click();
    QCOMPARE(m_services->dialogs.fileDialogs, 1);
    QCOMPARE(path->text(), kReal);
    QCOMPARE((*m_players)[Player::RealPlayer], kReal);
    QVERIFY(m_backing->writes.isEmpty());

    const QString picked = u"/home/user/players/picked"_s;
    m_services->dialogs.fileAnswer = picked;
    browse->click();
    QCOMPARE(m_services->dialogs.fileDialogs, 2);
    QCOMPARE(m_services->dialogs.lastFileFilter, u"RealAudio Player"_s);
    QCOMPARE(m_services->dialogs.lastFileFolder, AppPaths::programDir());
    QCOMPARE(path->text(), picked);
    QCOMPARE((*m_players)[Player::RealPlayer], picked);
    QCOMPARE(m_backing->writes, strings({"Real"}));
    QCOMPARE(saved("Real"), picked);

    // The tab decides the player: the third player tab is Windows Media Player's.
    m_services->dialogs.fileAnswer = u"/home/user/players/other"_s;
    m_dialog->selectTab(SetupDialog::MediaPlayerTab);
    browse->click();
    QCOMPARE(m_services->dialogs.lastFileFilter, u"Windows Media Player"_s);
    QCOMPARE((*m_players)[Player::MediaPlayer], u"/home/user/players/other"_s);
    QCOMPARE(saved("Netshow"), u"/home/user/players/other"_s);
    QCOMPARE((*m_players)[Player::RealPlayer], picked);
}

void TestSetupDialog::okStoresProxyAsTyped_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("spaces around the number") << u"proxy.lan"_s << u" 8080 "_s << true;
    QTest::newRow("leading zeros, text after") << u"p"_s << u"0080 or 8080"_s << true;
    QTest::newRow("no proxy") << QString() << QString() << true;
    // A proxy needs a usable port; a port past 65535 must not wrap round to another one.
    QTest::newRow("not a number") << u"p"_s << u"abc"_s << false;
    QTest::newRow("above the range") << u"p"_s << u"70000"_s << false;
}

void TestSetupDialog::okStoresProxyAsTyped()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(bool, accepted);
    makeDialog();
    m_dialog->selectTab(SetupDialog::ProxyTab);
    m_dialog->showModeless();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    child<QLineEdit>("txtHost")->setText(host);
    child<QLineEdit>("txtPort")->setText(port);
    child<QPushButton>("cmdOK")->click();

    if (!accepted) {
        QCOMPARE(m_services->dialogs.texts(), QStringList{u"Please enter a proxy port from 1 to 65535."_s});
        QVERIFY(m_dialog->isVisible());
        QVERIFY(m_backing->writes.isEmpty());
        return;
    }
    QCOMPARE(saved("ProxyHost"), host);
    QCOMPARE(saved("ProxyPort"), port);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 1);
}

void TestSetupDialog::hidingKeepsTabAndValuesAndNeverBlocks()
{
    makeDialog();
    QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
    m_dialog->selectTab(SetupDialog::ProxyTab);
    m_dialog->showModal();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->windowModality(), Qt::ApplicationModal);
    child<QLineEdit>("txtHost")->setText(u"typed.host"_s);
    child<QCheckBox>("chkMA")->setChecked(false);

    // The close box only hides it.
    QVERIFY(!m_dialog->close());
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 1);

    m_dialog->showModeless();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->windowModality(), Qt::NonModal);
    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::ProxyTab));
    QCOMPARE(child<QLineEdit>("txtHost")->text(), u"typed.host"_s);
    QCOMPARE(m_dialog->formatState(Settings::Key::ChkMA), 0);
    QVERIFY(m_backing->writes.isEmpty());

    // Escape only hides it as well.
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(hidden.count(), 2);
}

void TestSetupDialog::ctrlTabFromTheConnectionList()
{
    makeDialog();
    m_dialog->selectTab(SetupDialog::SpeedTab);
    m_dialog->showModeless();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    child<QComboBox>("comboB")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(child<QComboBox>("comboB")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::FormatTab));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_dialog->currentTab(), int(SetupDialog::SpeedTab));
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
