#include "core/Settings.h"
#include "platform/Twips.h"
#include "ui/AboutWindow.h"
#include "ui/QuickHelpWindow.h"

#include "Recorders.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

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
    void quickHelpLogoAndOk();

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

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
