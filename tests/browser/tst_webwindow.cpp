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
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLoadTimeoutMs = 30000;

QByteArray pageFor(const QByteArray& target)
{
    if (target == "/first") {
        return "<html><head><title>first</title></head><body>"
               "<a id=\"next\" href=\"/second\">next</a>"
               "<a id=\"x\" href=\"foo:bar\">unknown scheme</a>"
               "<a id=\"file\" href=\"file:///etc/hostname\">file</a>"
               "</body></html>";
    }
    if (target == "/second")
        return "<html><head><title>second</title></head><body>second</body></html>";
    if (target == "/popup") {
        return "<html><head><title>popup</title></head><body>"
               "<a id=\"blank\" href=\"/opened-by-link\" target=\"_blank\">new window</a>"
               "<script>window.open('/opened-by-script');</script></body></html>";
    }
    if (target == "/dialogs") {
        return "<html><head><title>dialogs</title></head><body><script>"
               "alert('alert'); confirm('confirm'); prompt('prompt', 'x');"
               "document.title = 'after dialogs';</script></body></html>";
    }
    return {};
}

ScriptedReply servePage(const QByteArray& target)
{
    const QByteArray body = pageFor(target);
    return body.isEmpty() ? ScriptedReply::page("missing", 404) : ScriptedReply::page(body);
}

// Where the window is expected on its first showing.
enum class Expect
{
    Beside,
    Centred,
    Stored,
    Clamped
};

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

Q_DECLARE_METATYPE(Expect)

class TestWebWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void placement_data();
    void placement();
    void closeWhileMaximisedStoresNormalGeometry();
    void loadEndsBusyPointer_data();
    void loadEndsBusyPointer();
    void onlyWebAddressesAreShown_data();
    void onlyWebAddressesAreShown();
    void launchOpensThePageNowShown();
    void unknownSchemesStayInsidePage();
    void missingEngineNoticedOnce();
    void rendererThatNeverStartedNoticedOnce();

private:
    std::unique_ptr<WebWindow> makeWindow();
    QWebEngineView* view() const { return m_window->findChild<QWebEngineView*>(u"WB1"_s); }
    int px(double twips) const { return Twips::toPixels(twips, m_window->logicalDpiX()); }
    double twips(int pixels) const { return Twips::fromPixels(pixels, m_window->logicalDpiX()); }
    QRect area() const { return m_main.screen()->availableGeometry(); }
    bool showAndLoad(const QString& path);
    bool clickAndWait(const QString& id, const QString& path);
    void waitForTitle(const QString& title);

    MemorySettingsBacking m_backing;
    Settings m_settings{m_backing};
    TestServices m_services;
    ShellOpener m_shell{m_services.services()};
    TestServer m_server;
    QWidget m_main;
    std::unique_ptr<WebWindow> m_window;
};

void TestWebWindow::initTestCase()
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

void TestWebWindow::init()
{
    m_backing.values.clear();
    m_backing.writes.clear();
    m_services.dialogs.messages.clear();
    m_services.opener.opened.clear();
    m_services.pointer = RecordingPointer();
    m_server.setHandler(servePage);
    m_main.setWindowState(Qt::WindowNoState);
    m_main.setGeometry(area().x(), area().y() + 30, 100, 300);
    m_main.show();
    m_window = makeWindow();
}

void TestWebWindow::cleanup()
{
    m_window.reset();
    QVERIFY(!m_services.pointer.unbalanced);
    QCOMPARE(m_services.pointer.open, 0);
}

std::unique_ptr<WebWindow> TestWebWindow::makeWindow()
{
    return std::make_unique<WebWindow>(
        m_settings, m_services.services(), [this](const QString& address) { m_shell.openWithShell(address); },
        &m_main);
}

bool TestWebWindow::showAndLoad(const QString& path)
{
    QSignalSpy finished(view(), &QWebEngineView::loadFinished);
    m_window->showSite(m_server.url(path), m_main);
    return finished.wait(kLoadTimeoutMs) && !m_services.pointer.busy();
}

bool TestWebWindow::clickAndWait(const QString& id, const QString& path)
{
    view()->page()->runJavaScript(u"document.getElementById('%1').click()"_s.arg(id));
    return QTest::qWaitFor([&] { return m_window->currentAddress() == QUrl(m_server.url(path)); },
                           kLoadTimeoutMs);
}

void TestWebWindow::waitForTitle(const QString& title)
{
    QTRY_COMPARE_WITH_TIMEOUT(view()->title(), title, kLoadTimeoutMs);
}

// ---- place and size ----------------------------------------------------------------------

void TestWebWindow::placement_data()
{
    QTest::addColumn<Qt::WindowState>("mainState");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<Expect>("expect");

    QTest::newRow("fresh, beside the main window") << Qt::WindowNoState << QStringList() << Expect::Beside;
    QTest::newRow("fresh, main window maximised") << Qt::WindowMaximized << QStringList() << Expect::Centred;
    QTest::newRow("fresh, main window minimised") << Qt::WindowMinimized << QStringList() << Expect::Centred;
    const QStringList stored = strings({"WLeft=1500", "WTop=1800", "WWidth=6000", "WHeight=4500"});
    QTest::newRow("stored place") << Qt::WindowNoState << stored << Expect::Stored;
    QTest::newRow("off the screen") << Qt::WindowNoState
                                    << strings({"WLeft=999999", "WTop=-5000", "WWidth=6000", "WHeight=99999"})
                                    << Expect::Clamped;
    QTest::newRow("unreadable numbers keep the window's size")
        << Qt::WindowNoState << strings({"WWidth=wide", "WHeight=tall"}) << Expect::Beside;
}

void TestWebWindow::placement()
{
    QFETCH(Qt::WindowState, mainState);
    QFETCH(QStringList, stored);
    QFETCH(Expect, expect);
    for (const QString& entry : stored)
        m_backing.values.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    m_main.setWindowState(mainState);
    const QSize before = m_window->size();
    QVERIFY(showAndLoad(u"/first"_s));

    const QRect frame = m_main.frameGeometry();
    const int besideLeft = px(twips(frame.x() + frame.width()));
    QRect expected;
    switch (expect) {
    case Expect::Beside:
        expected = QRect(besideLeft, px(twips(frame.y())), px(10000), px(twips(m_main.height())));
        if (!stored.isEmpty())
            expected.setSize(before);
        break;
    case Expect::Centred:
        expected = QRect(0, 0, px(7000), px(7000));
        expected.moveCenter(area().center());
        break;
    case Expect::Stored:
        expected = QRect(px(1500), px(1800), px(6000), px(4500));
        break;
    case Expect::Clamped:
        expected = QRect(area().right() + 1 - px(6000), area().y(), px(6000), area().height());
        break;
    }
    QVERIFY2(area().contains(expected), "the case itself must fit the screen");
    QCOMPARE(m_window->geometry().size(), expected.size());
    // Some platforms learn the frame's size only once the window is shown.
    const int margin = m_window->geometry().x() - m_window->frameGeometry().x() + 1;
    QVERIFY(qAbs(m_window->frameGeometry().x() - expected.x()) <= margin);
    QVERIFY(qAbs(m_window->frameGeometry().y() - expected.y()) <= margin);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->windowTitle(), u"Mini-browser"_s);
}

void TestWebWindow::closeWhileMaximisedStoresNormalGeometry()
{
    QVERIFY(showAndLoad(u"/first"_s));
    const QRect normal(area().x() + 40, area().y() + 50, 400, 300);
    m_window->setGeometry(normal);
    QTRY_COMPARE(m_window->geometry(), normal);
    // What is stored is the frame's place and the client area's size.
    const QPoint frameOffset = m_window->geometry().topLeft() - m_window->frameGeometry().topLeft();
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    QTRY_VERIFY(m_window->geometry() != normal);
    QSignalSpy closed(m_window.get(), &WebWindow::closed);

    QVERIFY(m_window->close());

    QCOMPARE(closed.count(), 1);
    QCOMPARE(m_settings.single(Settings::Key::WLeft, 0).value_or(-1),
             float(twips(normal.x() - frameOffset.x())));
    QCOMPARE(m_settings.single(Settings::Key::WTop, 0).value_or(-1),
             float(twips(normal.y() - frameOffset.y())));
    QCOMPARE(m_settings.single(Settings::Key::WWidth, 0).value_or(-1), float(twips(normal.width())));
    QCOMPARE(m_settings.single(Settings::Key::WHeight, 0).value_or(-1), float(twips(normal.height())));
    // The next preview opens the window again where it was closed, not maximised.
    QVERIFY(showAndLoad(u"/second"_s));
    QVERIFY(!m_window->isMaximized());
    QCOMPARE(m_window->geometry(), normal);
}

// ---- loading and the busy pointer --------------------------------------------------------

void TestWebWindow::loadEndsBusyPointer_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::newRow("page loads") << true;
    QTest::newRow("connection refused") << false;
}

void TestWebWindow::loadEndsBusyPointer()
{
    QFETCH(bool, reachable);
    QString address = m_server.url(u"/first"_s);
    if (!reachable) {
        QTcpServer closedPort;
        QVERIFY(closedPort.listen(QHostAddress::LocalHost, 0));
        address = u"http://127.0.0.1:%1/"_s.arg(closedPort.serverPort());
    }
    QSignalSpy finished(view(), &QWebEngineView::loadFinished);

    m_window->showSite(address, m_main);

    QVERIFY(m_services.pointer.busy());
    QVERIFY(finished.wait(kLoadTimeoutMs));
    QCOMPARE(finished.constLast().constFirst().toBool(), reachable);
    QVERIFY(!m_services.pointer.busy());
    QCOMPARE(m_services.pointer.spans, 1);
    // The browser shows an unreachable site itself; the program adds no message.
    QVERIFY(m_services.dialogs.messages.isEmpty());
}

void TestWebWindow::onlyWebAddressesAreShown_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("Unknown") << u"Unknown"_s;
    QTest::newRow("script") << u"javascript:alert(1)"_s;
    QTest::newRow("file") << u"file:///etc/hostname"_s;
    QTest::newRow("unknown scheme") << u"foo:bar"_s;
    QTest::newRow("ftp") << u"ftp://127.0.0.1/pub"_s;
    QTest::newRow("no host") << u"http://"_s;
}

void TestWebWindow::onlyWebAddressesAreShown()
{
    QFETCH(QString, address);
    const qsizetype requests = m_server.targets().size();

    m_window->showSite(address, m_main);

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_services.pointer.spans, 0);
    QVERIFY(m_window->currentAddress().isEmpty());
    QCOMPARE(view()->url(), QUrl());
    QCOMPARE(m_server.targets().size(), requests);
    QVERIFY(m_services.dialogs.messages.isEmpty());
}

// ---- the page ----------------------------------------------------------------------------

void TestWebWindow::launchOpensThePageNowShown()
{
    auto* launch = m_window->findChild<QAction*>(u"menuLaunch"_s);
    QVERIFY(launch);
    QCOMPARE(launch->text(), u"Launch My Browser"_s);
    launch->trigger();
    QVERIFY(m_services.opener.opened.isEmpty());
    QVERIFY(m_services.dialogs.messages.isEmpty());

    QVERIFY(showAndLoad(u"/first"_s));
    QVERIFY(clickAndWait(u"next"_s, u"/second"_s));
    launch->trigger();

    QCOMPARE(m_services.opener.opened, QList<QUrl>{QUrl(m_server.url(u"/second"_s))});
    QVERIFY(m_services.dialogs.messages.isEmpty());
}

void TestWebWindow::unknownSchemesStayInsidePage()
{
    SchemeCatcher desktop;
    QDesktopServices::setUrlHandler(u"foo"_s, &desktop, "open");
    QDesktopServices::setUrlHandler(u"file"_s, &desktop, "open");
    QVERIFY(showAndLoad(u"/first"_s));

    view()->page()->runJavaScript(u"document.getElementById('x').click()"_s);
    view()->page()->runJavaScript(u"document.getElementById('file').click()"_s);
    // A later navigation that completes shows the page has handled both clicks.
    QVERIFY(clickAndWait(u"next"_s, u"/second"_s));
    QDesktopServices::unsetUrlHandler(u"foo"_s);
    QDesktopServices::unsetUrlHandler(u"file"_s);

    QCOMPARE(desktop.opened, QList<QUrl>());
    QVERIFY(m_services.opener.opened.isEmpty());
    QCOMPARE(view()->history()->count(), 2);
}

// ---- a web engine that cannot run --------------------------------------------------------

void TestWebWindow::missingEngineNoticedOnce()
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
    QCOMPARE(m_services.dialogs.messages.constFirst().icon, MessageIcon::Information);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_services.pointer.spans, 0);
    QVERIFY(m_services.opener.opened.isEmpty());
}

void TestWebWindow::rendererThatNeverStartedNoticedOnce()
{
    m_server.setHandler([](const QByteArray&) { return ScriptedReply::silence(); });
    m_window->showSite(m_server.url(u"/never"_s), m_main);
    QVERIFY(m_services.pointer.busy());
    QSignalSpy closed(m_window.get(), &WebWindow::closed);

    Q_EMIT view()->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
    Q_EMIT view()->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
    m_window->showSite(m_server.url(u"/first"_s), m_main);

    QVERIFY(!m_services.pointer.busy());
    QCOMPARE(m_services.dialogs.messages.size(), 1);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_services.pointer.spans, 1);
}

int main(int argc, char* argv[])
{
    WebEngineSetup::prepare();
    QApplication app(argc, argv);
    TestWebWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webwindow.moc"
