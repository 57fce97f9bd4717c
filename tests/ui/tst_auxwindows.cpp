#include "core/Settings.h"
#include "ui/AboutWindow.h"
#include "ui/QuickHelpWindow.h"

#include "Recorders.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The About window's support form and Quick Help's logo open pages on the service host; each
// window's button closes and frees it.
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
        QPointer<AboutWindow> about = new AboutWindow(QPixmap(), settings, opener);
        about->show();
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
