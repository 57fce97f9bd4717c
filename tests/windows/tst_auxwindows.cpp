#include "app/Settings.h"
#include "platform/Twips.h"
#include "windows/AboutWindow.h"
#include "windows/Artwork.h"
#include "windows/QuickHelpWindow.h"
#include "windows/SplashWindow.h"

#include "Recorders.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <chrono>

namespace {

// More than one colour: a picture that drew nothing, or drew everything in one fill, fails.
bool hasDrawing(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return colours.size() > 2;
}

void deleteClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestAuxWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void aboutSnapsBackToItsSize_data();
    void aboutSnapsBackToItsSize();
    void aboutShowsGivenPicture();
    void aboutButtons();
    void quickHelpTexts_data();
    void quickHelpTexts();
    void quickHelpLogoOpensProductPage();
    void quickHelpOkCloses();
    void splashShowsItsPicture();
    void splashCountdown();
    void numberedPictures_data();
    void numberedPictures();
    void pictureListsAreDistinct();
    void pointerCursors();

private:
    ProductSite::PageOpener opener()
    {
        return [this](const QString& page) { m_services.opener.open(QUrl(page)); };
    }

    MemorySettingsBacking m_backing;
    Settings m_settings{m_backing};
    TestServices m_services;
};

void TestAuxWindows::init()
{
    m_backing.values.clear();
    m_services.opener.opened.clear();
}

void TestAuxWindows::aboutSnapsBackToItsSize_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::newRow("smaller") << QSize(100, 80);
    QTest::newRow("wider") << QSize(2000, 223);
    QTest::newRow("taller") << QSize(359, 900);
}

void TestAuxWindows::aboutSnapsBackToItsSize()
{
    QFETCH(QSize, requested);
    AboutWindow about(QPixmap(), m_settings, opener());
    about.show();
    const QSize design(Twips::toPixels(5385, about.logicalDpiX()),
                       Twips::toPixels(3345, about.logicalDpiY()));
    QCOMPARE(about.designSize(), design);
    QCOMPARE(about.size(), design);

    about.resize(requested);
    QCOMPARE(about.size(), design);
    about.setGeometry(QRect(about.pos(), requested));
    QCOMPARE(about.size(), design);
}

void TestAuxWindows::aboutShowsGivenPicture()
{
    QPixmap picture(360, 200);
    picture.fill(Qt::red);
    AboutWindow about(picture, m_settings, opener());
    const auto* image = about.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image);
    const QImage shown = image->pixmap().toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(Qt::red));

    AboutWindow fallback(QPixmap(), m_settings, opener());
    QVERIFY(hasDrawing(fallback.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap()));
}

void TestAuxWindows::aboutButtons()
{
    auto* about = new AboutWindow(QPixmap(), m_settings, opener());
    QPointer<AboutWindow> watch(about);
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    about->show();

    auto* support = about->findChild<QPushButton*>(QStringLiteral("cmdSupport"));
    QCOMPARE(support->text(), QStringLiteral("&Support"));
    support->click();
    QCOMPARE(m_services.opener.opened,
             QList<QUrl>({QUrl(QStringLiteral("http://127.0.0.1:8642/mailform.htm"))}));

    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    ok->click();
    deleteClosed();
    QVERIFY(watch.isNull());
}

void TestAuxWindows::quickHelpTexts_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("Live Search")
        << 0 << "Live Search"
        << strings(
               {"Start the Live Search",
                "Enter radio station name, region (location), format or keyword to search for in search box "
                "and click the SEARCH button.",
                "Select LIVE broadcasts.",
                "Once stations are listed, simply click the PLAY button to launch player and connect to "
                "station.  Bandwidth column indicates the quality of the broadcast station, the higher the "
                "bandwidth, the better the quality."});
    QTest::newRow("Stream Search")
        << 1 << "Stream Search"
        << strings(
               {"Start the Audio/Video Stream Search",
                "Enter keywords to search.  Our searchable database is growing daily and without limit to "
                "subject.  You may search for artists, movies, lectures, concerts, interviews or anything "
                "else you can possibly imagine.",
                "Select Audio & Video Streams.",
                "Once listed, simply press the PLAY button to play the selected item.  If you have found "
                "something you like you can add it to your bookmarks or email it to a friend with the "
                "appropriate toolbar buttons."});
    QTest::newRow("Presets")
        << 2 << "Presets"
        << strings(
               {"How Do I Use Presets?",
                "Presets are used to save your favorite stations.  To set a preset, simply hold down the "
                "SHIFT key and drag the station listing from the results window to one of the colored "
                "preset buttons.",
                "To access or play a station simply click the preset button.  If you want to see which "
                "stations are assigned to your presets, simply point the mouse cursor to the preset and the "
                "tooltip will appear showing the station name."});
    QTest::newRow("Setup") << 3 << "Setup"
                           << strings(
                                  {"Proxy Settings",
                                   "If you are behind a proxy or firewall, enter the proxy address and port "
                                   "in these settings to allow Skylark! Broadcast to communicate with the "
                                   "outside world.",
                                   "Locating and Downloading Players",
                                   "If you are missing a player, simply click on the player logo to visit "
                                   "the website and download desired player. Please close and restart "
                                   "Skylark! Broadcast before using the newly installed player."});
    QTest::newRow("Scanner")
        << 4 << "Scanner"
        << strings(
               {"Using the Scanner",
                "The station scanner can be a great way to find stations without necessarily searching for "
                "them.  Simply press the SCAN button on the toolbar to start.",
                "After opening the scan window, select the player you wish to use.  Skylark! Broadcast will "
                "then cycle through all the stations that can be played on the player you have selected.  "
                "Set the timeout to tell Skylark! Broadcast when to switch stations. "});
}

void TestAuxWindows::quickHelpTexts()
{
    QFETCH(int, tab);
    QFETCH(QString, title);
    QFETCH(QStringList, texts);
    QuickHelpWindow help(m_settings, opener());
    QCOMPARE(help.windowTitle(), QStringLiteral("Skylark! Broadcast - Quick Help"));
    const auto* tabs = help.findChild<QTabWidget*>(QStringLiteral("SSTab2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(tab), title);

    QStringList shown;
    for (const QLabel* label : tabs->widget(tab)->findChildren<QLabel*>())
        shown.append(label->text());
    QCOMPARE(shown, texts);
}

void TestAuxWindows::quickHelpLogoOpensProductPage()
{
    m_backing.values.insert(QStringLiteral("ServiceHost"), QStringLiteral("directory.example:8080"));
    QuickHelpWindow help(m_settings, opener());
    help.show();
    auto* logo = help.findChild<QLabel*>(QStringLiteral("picLogo"));
    QVERIFY(logo);
    QTest::mouseClick(logo, Qt::LeftButton);
    QCOMPARE(m_services.opener.opened,
             QList<QUrl>({QUrl(QStringLiteral("http://directory.example:8080/skylark.htm"))}));
}

void TestAuxWindows::quickHelpOkCloses()
{
    auto* help = new QuickHelpWindow(m_settings, opener());
    QPointer<QuickHelpWindow> watch(help);
    help->show();
    auto* ok = help->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    ok->click();
    deleteClosed();
    QVERIFY(watch.isNull());
}

void TestAuxWindows::splashShowsItsPicture()
{
    SplashWindow splash;
    QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash.windowTitle().isEmpty());
    const auto* picture = splash.findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QVERIFY(hasDrawing(splash.picture()));
    QCOMPARE(picture->pixmap().toImage(), splash.picture().toImage());
}

void TestAuxWindows::splashCountdown()
{
    using namespace std::chrono_literals;
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::countdownFinished);

    splash.startCountdown();
    const auto* timer = splash.findChild<QTimer*>();
    QVERIFY(timer);
    QVERIFY(splash.countdownActive());
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(timer->isSingleShot());

    // A short run to see it fire exactly once.
    splash.startCountdown(1ms);
    QVERIFY(finished.wait(1000));
    QTest::qWait(20);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!splash.countdownActive());
}

void TestAuxWindows::numberedPictures_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");

    for (int i = 1; i <= Artwork::kToolbarImageCount; ++i)
        QTest::addRow("toolbar %d", i) << "toolbar" << i << Artwork::kToolbarSize;
    QTest::newRow("toolbar 0") << "toolbar" << 0 << QSize();
    QTest::newRow("toolbar 9") << "toolbar" << 9 << QSize();
    QTest::newRow("preset face") << "preset" << 1 << Artwork::kPresetFaceSize;
    QTest::newRow("preset face lit") << "preset" << 2 << Artwork::kPresetFaceSize;
    QTest::newRow("pointer pressed") << "preset" << 3 << Artwork::kPointerSize;
    QTest::newRow("pointer") << "preset" << 4 << Artwork::kPointerSize;
    QTest::newRow("pointer refused") << "preset" << 8 << Artwork::kPointerSize;
    QTest::newRow("preset 5") << "preset" << 5 << QSize();
    QTest::newRow("loudspeaker") << "small" << 1 << Artwork::kSmallSize;
    QTest::newRow("screen") << "small" << 2 << Artwork::kSmallSize;
    QTest::newRow("small 3") << "small" << 3 << QSize();
}

void TestAuxWindows::numberedPictures()
{
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(QSize, size);
    QPixmap picture;
    if (list == QLatin1String("toolbar"))
        picture = Artwork::toolbarImage(index);
    else if (list == QLatin1String("preset"))
        picture = Artwork::presetListPicture(index);
    else
        picture = Artwork::smallImage(index);

    if (!size.isValid()) {
        QVERIFY(picture.isNull());
        return;
    }
    QCOMPARE(picture.size(), size);
    QVERIFY(hasDrawing(picture));
}

void TestAuxWindows::pictureListsAreDistinct()
{
    QSet<QByteArray> seen;
    const auto distinct = [&seen](const QPixmap& pixmap) {
        const QImage image = pixmap.toImage();
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        if (seen.contains(bytes))
            return false;
        seen.insert(bytes);
        return true;
    };
    for (int i = 1; i <= Artwork::kToolbarImageCount; ++i)
        QVERIFY2(distinct(Artwork::toolbarImage(i)), qPrintable(QString::number(i)));
    for (int i : {1, 2, 3, 4, 8})
        QVERIFY2(distinct(Artwork::presetListPicture(i)), qPrintable(QString::number(i)));
    for (Player player : {Player::RealPlayer, Player::MediaPlayer, Player::Winamp, Player::StreamWorks}) {
        const QPixmap logo = Artwork::playerLogo(player);
        QCOMPARE(logo.size(), Artwork::kLogoSize);
        QVERIFY(distinct(logo));
    }
    QVERIFY(distinct(Artwork::smallImage(1)));
    QVERIFY(distinct(Artwork::smallImage(2)));
    QCOMPARE(Artwork::splashPicture().size(), Artwork::kSplashSize);
    QVERIFY(hasDrawing(Artwork::productLogo()));
}

void TestAuxWindows::pointerCursors()
{
    for (int i : {3, 4, 8}) {
        const QCursor cursor = Artwork::pointerCursor(i);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.pixmap().toImage(), Artwork::presetListPicture(i).toImage());
        QVERIFY(QRect(QPoint(0, 0), Artwork::kPointerSize).contains(cursor.hotSpot()));
    }
    QCOMPARE(Artwork::pointerCursor(1).shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
