#include "core/Settings.h"
#include "platform/AppPaths.h"
#include "playback/Players.h"
#include "ui/DesktopServices.h"
#include "ui/SetupDialog.h"

#include "Recorders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_backing = std::make_unique<MemorySettingsBacking>();
        m_settings = std::make_unique<Settings>(*m_backing);
        m_players = std::make_unique<PlayerPaths>(*m_settings);
        m_services = std::make_unique<TestServices>();
        m_players->use(Player::RealPlayer, u"/opt/players/realplay"_s);
        // Wired as the program wires it: pages go to the desktop's address opener.
        RecordingOpener& opener = m_services->opener;
        m_dialog = std::make_unique<SetupDialog>(*m_players, *m_settings, m_services->services(),
                                                 [&opener](const QString& page) { opener.open(QUrl(page)); });
        m_backing->writes.clear();
    }

    void cleanup() { m_dialog.reset(); }

    // Typed letters are held back (they would move what Enter takes); the placeholder is never stored.
    void connectionListKeysAndPlaceholder()
    {
        m_dialog->prepareConnectionPrompt();
        QSignalSpy hidden(m_dialog.get(), &SetupDialog::hidden);
        QSignalSpy chosen(m_dialog.get(), &SetupDialog::conSpeedChosen);
        m_dialog->showModal();
        auto* combo = child<QComboBox>("comboB");
        QTest::keyClicks(combo, u"Cable"_s);
        combo->showPopup();
        const int highlighted = combo->view()->currentIndex().row();
        QTest::keyClicks(combo->view(), u"IC"_s);
        QCOMPARE(combo->view()->currentIndex().row(), highlighted);
        combo->hidePopup();

        child<QPushButton>("cmdOK")->click();
        QCOMPARE(hidden.count(), 1);
        QVERIFY(!m_backing->values.contains(u"ConSpeed"_s));

        m_dialog->showModal();
        const int index = combo->findText(u"ISDN 128k"_s);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
        QCOMPARE(saved("ConSpeed"), u"ISDN 128k"_s);
        QCOMPARE(chosen.count(), 1);
        QVERIFY(m_dialog->isVisible());
    }

    void browseSetsTheTabsPlayer()
    {
        m_dialog->selectTab(SetupDialog::RealPlayerTab);
        m_dialog->showModeless();
        auto* browse = child<QPushButton>("cmdBrowse");
        m_services->dialogs.fileAnswer = std::nullopt; // cancelled: nothing changes
        browse->click();
        QCOMPARE(child<QLineEdit>("txtCMD")->text(), u"/opt/players/realplay"_s);
        QVERIFY(m_backing->writes.isEmpty());

        const QString picked = u"/home/user/players/picked"_s;
        m_services->dialogs.fileAnswer = picked;
        browse->click();
        QCOMPARE(m_services->dialogs.lastFileFolder, AppPaths::programDir());
        QCOMPARE(child<QLineEdit>("txtCMD")->text(), picked);
        QCOMPARE(m_backing->writes, strings({"Real"}));
        QCOMPARE(saved("Real"), picked);

        // The tab decides the player: the third player tab is Windows Media Player's.
        m_services->dialogs.fileAnswer = u"/home/user/players/other"_s;
        m_dialog->selectTab(SetupDialog::MediaPlayerTab);
        browse->click();
        QCOMPARE(saved("Netshow"), u"/home/user/players/other"_s);
        QCOMPARE((*m_players)[Player::RealPlayer], picked);
    }

    void okStoresProxyAsTyped_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("spaces around the number") << u" 8080 "_s << true;
        QTest::newRow("not a number") << u"abc"_s << false;
        // A port past 65535 must not wrap round to another one.
        QTest::newRow("above the range") << u"70000"_s << false;
    }

    void okStoresProxyAsTyped()
    {
        QFETCH(QString, port);
        QFETCH(bool, accepted);
        m_dialog->selectTab(SetupDialog::ProxyTab);
        m_dialog->showModeless();
        child<QLineEdit>("txtHost")->setText(u"proxy.lan"_s);
        child<QLineEdit>("txtPort")->setText(port);
        child<QPushButton>("cmdOK")->click();
        QCOMPARE(m_dialog->isVisible(), !accepted);
        QCOMPARE(m_services->dialogs.messages.size(), accepted ? 0 : 1);
        QCOMPARE(saved("ProxyPort"), accepted ? port : QString());
    }

    void ctrlTabFromTheConnectionList()
    {
        m_dialog->selectTab(SetupDialog::SpeedTab);
        m_dialog->showModeless();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        child<QComboBox>("comboB")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(child<QComboBox>("comboB")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(m_dialog->currentTab(), int(SetupDialog::FormatTab));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_dialog->currentTab(), int(SetupDialog::SpeedTab));
    }

private:
    template <typename T> T* child(const char* name) const
    {
        return m_dialog->findChild<T*>(QString::fromLatin1(name));
    }
    QString saved(const char* key) const { return m_backing->values.value(QString::fromLatin1(key)); }

    std::unique_ptr<MemorySettingsBacking> m_backing;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PlayerPaths> m_players;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<SetupDialog> m_dialog;
};

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
