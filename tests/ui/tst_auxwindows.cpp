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

// The About window keeps its size and opens the support form; Quick Help's logo opens the
// directory's page on the service host; each button closes and frees its window.
class TestAuxWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutAndQuickHelp()
    {
        MemorySettingsBacking backing;
        backing.values.insert(u"ServiceHost"_s, u"directory.example:8080"_s);
        Settings settings(backing);
        TestServices services;
        const auto opener = [&services](const QString& page) { services.opener.open(QUrl(page)); };
        QPixmap picture(360, 200);
        picture.fill(Qt::red);
        QPointer<AboutWindow> about = new AboutWindow(picture, settings, opener);
        about->show();
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        const QImage shown = about->findChild<QLabel*>(u"Image1"_s)->pixmap().toImage();
        QCOMPARE(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(Qt::red));
        const QSize design(Twips::toPixels(5385, about->logicalDpiX()),
                           Twips::toPixels(3345, about->logicalDpiY()));
        for (const QSize requested : {QSize(100, 80), QSize(2000, 900)}) {
            about->resize(requested);
            QCOMPARE(about->size(), design);
        }
        about->findChild<QPushButton*>(u"cmdSupport"_s)->click();
        about->findChild<QPushButton*>(u"cmdCancel"_s)->click();

        QPointer<QuickHelpWindow> help = new QuickHelpWindow(settings, opener);
        help->show();
        QTest::mouseClick(help->findChild<QLabel*>(u"picLogo"_s), Qt::LeftButton);
        help->findChild<QPushButton*>(u"cmdOK"_s)->click();
        QCOMPARE(services.opener.opened, (QList<QUrl>{QUrl(u"http://directory.example:8080/mailform.htm"_s),
                                                      QUrl(u"http://directory.example:8080/skylark.htm"_s)}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull() && help.isNull());
    }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
