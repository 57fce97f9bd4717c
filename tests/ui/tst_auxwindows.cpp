#include "core/Settings.h"
#include "platform/Twips.h"
#include "ui/AboutWindow.h"
#include "ui/Artwork.h"
#include "ui/QuickHelpWindow.h"
#include "ui/SplashWindow.h"

#include "Recorders.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

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

    void aboutWindow();
    void quickHelpTexts_data();
    void quickHelpTexts();
    void quickHelpLogoAndOk();
    void splashCountdown();
    void numberedPicturesStopAtTheirEnds();
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

void TestAuxWindows::aboutWindow()
{
    QPixmap picture(360, 200);
    picture.fill(Qt::red);
    auto* about = new AboutWindow(picture, m_settings, opener());
    QPointer<AboutWindow> watch(about);
    about->show();
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    const QImage shown = about->findChild<QLabel*>(u"Image1"_s)->pixmap().toImage();
    QCOMPARE(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(Qt::red));

    // Any resizing snaps back to 5385 x 3345 twips.
    const QSize design(Twips::toPixels(5385, about->logicalDpiX()),
                       Twips::toPixels(3345, about->logicalDpiY()));
    QCOMPARE(about->size(), design);
    for (const QSize requested : {QSize(100, 80), QSize(2000, 223), QSize(359, 900)}) {
        about->resize(requested);
        QCOMPARE(about->size(), design);
        about->setGeometry(QRect(about->pos(), requested));
        QCOMPARE(about->size(), design);
    }

    about->findChild<QPushButton*>(u"cmdSupport"_s)->click();
    QCOMPARE(m_services.opener.opened, QList<QUrl>({QUrl(u"http://127.0.0.1:8642/mailform.htm"_s)}));
    about->findChild<QPushButton*>(u"cmdCancel"_s)->click();
    deleteClosed();
    QVERIFY(watch.isNull());
}

void TestAuxWindows::quickHelpTexts_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("Live Search") << 0 << u"Live Search"_s << u"Select LIVE broadcasts."_s;
    QTest::newRow("Stream Search") << 1 << u"Stream Search"_s << u"Select Audio & Video Streams."_s;
    QTest::newRow("Presets") << 2 << u"Presets"_s << u"How Do I Use Presets?"_s;
    QTest::newRow("Setup") << 3 << u"Setup"_s << u"Locating and Downloading Players"_s;
    QTest::newRow("Scanner")
        << 4 << u"Scanner"_s
        << u"The station scanner can be a great way to find stations without necessarily "
           u"searching for them.  Simply press the SCAN button on the toolbar to start."_s;
}

void TestAuxWindows::quickHelpTexts()
{
    QFETCH(int, tab);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QuickHelpWindow help(m_settings, opener());
    QCOMPARE(help.windowTitle(), u"Skylark! Broadcast - Quick Help"_s);
    const auto* tabs = help.findChild<QTabWidget*>(u"SSTab2"_s);
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(tab), title);

    QStringList shown;
    for (const QLabel* label : tabs->widget(tab)->findChildren<QLabel*>())
        shown.append(label->text());
    QVERIFY2(shown.contains(text), qPrintable(shown.join(u'|')));
}

void TestAuxWindows::quickHelpLogoAndOk()
{
    m_backing.values.insert(u"ServiceHost"_s, u"directory.example:8080"_s);
    auto* help = new QuickHelpWindow(m_settings, opener());
    QPointer<QuickHelpWindow> watch(help);
    help->show();
    QTest::mouseClick(help->findChild<QLabel*>(u"picLogo"_s), Qt::LeftButton);
    QCOMPARE(m_services.opener.opened, QList<QUrl>({QUrl(u"http://directory.example:8080/skylark.htm"_s)}));

    help->findChild<QPushButton*>(u"cmdOK"_s)->click();
    deleteClosed();
    QVERIFY(watch.isNull());
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

    // A short run to see it fire, once.
    splash.startCountdown(1ms);
    QVERIFY(finished.wait(1000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!splash.countdownActive());
}

void TestAuxWindows::numberedPicturesStopAtTheirEnds()
{
    // Every picture loads from the built-in resource at its size (one missing there would be a
    // null pixmap); a number past the end of a list gives no picture.
    QList<std::pair<QPixmap, QSize>> pictures = {{Artwork::splashPicture(), Artwork::kSplashSize},
                                                 {Artwork::productLogo(), Artwork::kProductLogoSize}};
    for (const PlayerInfo& info : allPlayers())
        pictures.append({Artwork::playerLogo(info.player), Artwork::kLogoSize});
    for (int i = 1; i <= Artwork::kToolbarImageCount; ++i)
        pictures.append({Artwork::toolbarImage(i), Artwork::kToolbarSize});
    for (int i : {1, 2}) {
        pictures.append({Artwork::presetListPicture(i), Artwork::kPresetFaceSize});
        pictures.append({Artwork::smallImage(i), Artwork::kSmallSize});
    }
    for (const auto& [picture, size] : pictures)
        QCOMPARE(picture.size(), size);
    QVERIFY(Artwork::toolbarImage(Artwork::kToolbarImageCount + 1).isNull());
    QVERIFY(Artwork::presetListPicture(5).isNull());
    QVERIFY(Artwork::smallImage(3).isNull());
}

void TestAuxWindows::pointerCursors()
{
    for (int i : {3, 4, 8}) {
        const QCursor cursor = Artwork::pointerCursor(i);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.pixmap().size(), Artwork::kPointerSize);
        QCOMPARE(cursor.pixmap().toImage(), Artwork::presetListPicture(i).toImage());
        QVERIFY(QRect(QPoint(0, 0), Artwork::kPointerSize).contains(cursor.hotSpot()));
    }
    QCOMPARE(Artwork::pointerCursor(1).shape(), Qt::ArrowCursor);
    // Pressed, hand and refused pointers must not be mixed up by number.
    QVERIFY(Artwork::presetListPicture(3).toImage() != Artwork::presetListPicture(4).toImage());
    QVERIFY(Artwork::presetListPicture(4).toImage() != Artwork::presetListPicture(8).toImage());
}

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
