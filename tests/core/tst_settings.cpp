#include "core/Settings.h"

#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each stored text as read back by the three readers; "-" when it does not convert.
    void conversions_data()
    {
        QTest::addColumn<char>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const auto row = [](const char* name, char kind, const char* text, const char* read) {
            QTest::newRow(name) << kind << QString::fromUtf8(text) << QString::fromUtf8(read);
        };
        row("single plain", 's', "7095", "7095");
        row("single blanks", 's', " 12.5 ", "12.5");
        row("single trailing junk", 's', "12px", "-");
        row("single infinite", 's', "1e60", "-");
        row("single rounds to the largest", 's', "3.40282356e+38", "3.4028235e+38");
        row("single rounds to infinity", 's', "3.4028236e+38", "-");
        row("single too small", 's', "1e-50", "-");
        row("boolean True", 'b', "True", "1");
        row("boolean lower case", 'b', "false", "0");
        row("boolean minus one", 'b', "-1", "1");
        row("boolean word", 'b', "yes", "-");
        row("check half to even", 'i', "2.5", "2");
        row("check largest", 'i', "32767", "32767");
        row("check overflow", 'i', "32768", "-");
    }

    void conversions()
    {
        QFETCH(char, kind);
        QFETCH(QString, text);
        QFETCH(QString, read);
        QString got = QStringLiteral("-");
        if (kind == 's') {
            if (const auto value = Settings::textToSingle(text))
                got = Settings::singleToText(*value);
        } else if (kind == 'b') {
            if (const auto value = Settings::textToBoolean(text))
                got = QString::number(int(*value));
        } else if (const auto value = Settings::textToInt16(text)) {
            got = QString::number(*value);
        }
        QCOMPARE(got, read);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
