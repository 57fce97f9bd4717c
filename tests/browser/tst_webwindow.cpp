#include "browser/WebEngineSetup.h"
#include "browser/WebWindow.h"
#include "core/Settings.h"
#include "platform/Twips.h"
#include "playback/ShellOpener.h"

#include "Recorders.h"
#include "TestServer.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLoadTimeoutMs = 30000;

ScriptedReply servePage(const QByteArray& target)
{
    if (target == "/first") {
        return ScriptedReply::page("<html><head><title>first</title></head><body>"
                                   "<a id=\"next\" href=\"/second\">next</a>"
                                   "<a id=\"x\" href=\"foo:bar\">unknown scheme</a>"
                                   "<a id=\"file\" href=\"file:///etc/hostname\">file</a>"
                                   "</body></html>");
    }
    return ScriptedReply::page("<html><head><title>second</title></head><body>second</body></html>");
}

// Stands in for the desktop's handler of an address scheme.
class SchemeCatcher : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};
} // namespace

class TestWebWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!WebEngineSetup::engineAvailable())
            QSKIP("the web engine's helper process is not installed");
        QVERIFY(m_server.start());
        // A renderer that cannot start here would fail every case below for the same reason.
        QWebEngineView probe;
        QSignalSpy finished(&probe, &QWebEngineView::loadFinished);
        probe.setHtml(u"<html><body>probe</body></html>"_s);
        if (!finished.wait(kLoadTimeoutMs) || !finished.constFirst().constFirst().toBool())
            QSKIP("the web engine cannot start a renderer here");
    }

    void init()
    {
        m_backing.values.clear();
        m_services.dialogs.messages.clear();
        m_services.opener.opened.clear();
        m_services.pointer = RecordingPointer();
        m_server.setHandler(servePage);
        m_main.setWindowState(Qt::WindowNoState);
        m_main.setGeometry(area().x(), area().y() + 30, 100, 300);
        m_main.show();
        m_window = makeWindow();
    }

    void cleanup()
    {
        m_window.reset();
        QVERIFY(!m_services.pointer.unbalanced);
        QCOMPARE(m_services.pointer.open, 0);
    }

    // Beside a normal main window, centred beside a maximised one, or where it was last closed.
    void placement_data()
    {
        QTest::addColumn<Qt::WindowState>("mainState");
        QTest::addColumn<bool>("stored");
        QTest::newRow("fresh, beside the main window") << Qt::WindowNoState << false;
        QTest::newRow("fresh, main window maximised") << Qt::WindowMaximized << false;
        QTest::newRow("stored place") << Qt::WindowNoState << true;
    }

    void placement()
    {
        QFETCH(Qt::WindowState, mainState);
        QFETCH(bool, stored);
        if (stored)
            m_backing.values.insert({{u"WLeft"_s, u"1500"_s},
                                     {u"WTop"_s, u"1800"_s},
                                     {u"WWidth"_s, u"6000"_s},
                                     {u"WHeight"_s, u"4500"_s}});
        m_main.setWindowState(mainState);
        QVERIFY(showAndLoad(u"/first"_s));

        const QRect frame = m_main.frameGeometry();
        QRect expected(px(twips(frame.x() + frame.width())), px(twips(frame.y())), px(10000),
                       px(twips(m_main.height())));
        if (stored) {
            expected = QRect(px(1500), px(1800), px(6000), px(4500));
        } else if (mainState != Qt::WindowNoState) {
            expected = QRect(0, 0, px(7000), px(7000));
            expected.moveCenter(area().center());
        }
        QCOMPARE(m_window->geometry().size(), expected.size());
        // Some platforms learn the frame's size only once the window is shown.
        const int margin = m_window->geometry().x() - m_window->frameGeometry().x() + 1;
        QVERIFY(qAbs(m_window->frameGeometry().x() - expected.x()) <= margin);
        QVERIFY(qAbs(m_window->frameGeometry().y() - expected.y()) <= margin);
    }

    // A page that loads ends the busy pointer in showAndLoad; so does one that cannot.
    void refusedLoadEndsBusyPointer()
    {
        QString address;
        {
            QTcpServer closedPort;
            QVERIFY(closedPort.listen(QHostAddress::LocalHost, 0));
            address = u"http://127.0.0.1:%1/"_s.arg(closedPort.serverPort());
        }
        QSignalSpy finished(view(), &QWebEngineView::loadFinished);
        m_window->showSite(address, m_main);
        QVERIFY(m_services.pointer.busy());
        QVERIFY(finished.wait(kLoadTimeoutMs));
        QVERIFY(!finished.constLast().constFirst().toBool());
        QVERIFY(!m_services.pointer.busy());
        QCOMPARE(m_services.pointer.spans, 1);
        // The browser shows an unreachable site itself; the program adds no message.
        QVERIFY(m_services.dialogs.messages.isEmpty());
    }

    void onlyWebAddressesAreShown_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << QString();
        QTest::newRow("script") << u"javascript:alert(1)"_s;
        QTest::newRow("no host") << u"http://"_s;
    }

    void onlyWebAddressesAreShown()
    {
        QFETCH(QString, address);
        const qsizetype requests = m_server.targets().size();
        m_window->showSite(address, m_main);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_services.pointer.spans, 0);
        QCOMPARE(m_server.targets().size(), requests);
        QVERIFY(m_services.dialogs.messages.isEmpty());
    }

    // Links of unknown schemes stay inside the page; Launch opens the page now shown.
    void unknownSchemesStayInsideAndLaunchOpensThePage()
    {
        auto* launch = m_window->findChild<QAction*>(u"menuLaunch"_s);
        launch->trigger(); // nothing shown yet: nothing to open
        SchemeCatcher desktop;
        const QStringList schemes{u"foo"_s, u"file"_s};
        for (const QString& scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &desktop, "open");
        QVERIFY(showAndLoad(u"/first"_s));
        for (const QString& id : {u"x"_s, u"file"_s})
            view()->page()->runJavaScript(u"document.getElementById('%1').click()"_s.arg(id));
        // A later navigation that completes shows the page has handled both clicks.
        QVERIFY(clickAndWait(u"next"_s, u"/second"_s));
        for (const QString& scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(desktop.opened, QList<QUrl>());
        QCOMPARE(view()->history()->count(), 2);
        launch->trigger();
        QCOMPARE(m_services.opener.opened, QList<QUrl>{QUrl(m_server.url(u"/second"_s))});
    }

    void missingEngineNoticedOnce()
    {
        const QByteArray saved = qgetenv("QTWEBENGINEPROCESS_PATH");
        qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
        m_window = makeWindow();
        if (saved.isEmpty())
            qunsetenv("QTWEBENGINEPROCESS_PATH");
        else
            qputenv("QTWEBENGINEPROCESS_PATH", saved);
        QVERIFY(!view());
        QVERIFY(m_window->engineFailed());
        for (int i = 0; i < 2; ++i)
            m_window->showSite(m_server.url(u"/first"_s), m_main);
        m_window->launchBrowser();
        QCOMPARE(m_services.dialogs.messages.size(), 1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_services.pointer.spans, 0);
    }

    void rendererThatNeverStartedNoticedOnce()
    {
        m_server.setHandler([](const QByteArray&) { return ScriptedReply::silence(); });
        m_window->showSite(m_server.url(u"/never"_s), m_main);
        QVERIFY(m_services.pointer.busy());
        QSignalSpy closed(m_window.get(), &WebWindow::closed);
        for (int i = 0; i < 2; ++i)
            Q_EMIT view()->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
        m_window->showSite(m_server.url(u"/first"_s), m_main);
        QVERIFY(!m_services.pointer.busy());
        QCOMPARE(m_services.dialogs.messages.size(), 1);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_services.pointer.spans, 1);
    }

private:
    std::unique_ptr<WebWindow> makeWindow()
    {
        return std::make_unique<WebWindow>(
            m_settings, m_services.services(),
            [this](const QString& address) { m_shell.openWithShell(address); }, &m_main);
    }

    QWebEngineView* view() const { return m_window->findChild<QWebEngineView*>(u"WB1"_s); }
    int px(double twips) const { return Twips::toPixels(twips, m_window->logicalDpiX()); }
    double twips(int pixels) const { return Twips::fromPixels(pixels, m_window->logicalDpiX()); }
    QRect area() const { return m_main.screen()->availableGeometry(); }
    bool showAndLoad(const QString& path)
    {
        QSignalSpy finished(view(), &QWebEngineView::loadFinished);
        m_window->showSite(m_server.url(path), m_main);
        return finished.wait(kLoadTimeoutMs) && !m_services.pointer.busy();
    }

    bool clickAndWait(const QString& id, const QString& path)
    {
        view()->page()->runJavaScript(u"document.getElementById('%1').click()"_s.arg(id));
        return QTest::qWaitFor([&] { return m_window->currentAddress() == QUrl(m_server.url(path)); },
                               kLoadTimeoutMs);
    }

    MemorySettingsBacking m_backing;
    Settings m_settings{m_backing};
    TestServices m_services;
    ShellOpener m_shell{m_services.services()};
    TestServer m_server;
    QWidget m_main;
    std::unique_ptr<WebWindow> m_window;
};

int main(int argc, char* argv[])
{
    WebEngineSetup::prepare();
    QApplication app(argc, argv);
    TestWebWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webwindow.moc"
