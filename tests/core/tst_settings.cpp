#include "core/Settings.h"
#include "collections/PresetTable.h"

#include "Recorders.h"

#include <limits>

#include <QTest>

using Key = Settings::Key;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyNamesAndDefaults_data();
    void keyNamesAndDefaults();
    void singleText_data();
    void singleText();
    void textToSingle_data();
    void textToSingle();
    void booleans_data();
    void booleans();
    void checkStates_data();
    void checkStates();
    void writtenForms();
    void presetParsing_data();
    void presetParsing();
    void presetLoadAndStore();
};

void TestSettings::keyNamesAndDefaults_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("defaultText");
    QTest::newRow("ConSpeed") << Key::ConSpeed << "ConSpeed"
                              << "";
    QTest::newRow("MiniB") << Key::MiniB << "MiniB"
                           << "1";
    QTest::newRow("chkRA") << Key::ChkRA << "chkRA"
                           << "1";
    QTest::newRow("chkXDM") << Key::ChkXDM << "chkXDM"
                            << "1";
    QTest::newRow("Netshow") << Key::Netshow << "Netshow"
                             << "";
    QTest::newRow("optLive") << Key::OptLive << "optLive"
                             << "1";
    QTest::newRow("optArch") << Key::OptArch << "optArch"
                             << "0";
    QTest::newRow("Width") << Key::Width << "Width"
                           << "7095";
    QTest::newRow("Height") << Key::Height << "Height"
                            << "5595";
    QTest::newRow("RScan") << Key::RScan << "RScan"
                           << "0@*All Stations";
    QTest::newRow("WScan") << Key::WScan << "WScan"
                           << "0@*All Stations";
    QTest::newRow("ServiceHost") << Key::ServiceHost << "ServiceHost"
                                 << "127.0.0.1:8642";
}

void TestSettings::keyNamesAndDefaults()
{
    QFETCH(Key, key);
    QFETCH(QString, name);
    QFETCH(QString, defaultText);
    QCOMPARE(Settings::name(key), name);
    MemorySettingsBacking backing;
    Settings settings(backing);
    QCOMPARE(settings.text(key), defaultText);
}

void TestSettings::singleText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 7095.0f << "7095";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative") << -500.0f << "-500";
    QTest::newRow("fraction") << 0.1f << "0.1";
    QTest::newRow("single precision") << 1234.5677f << "1234.5677";
    QTest::newRow("large") << 16777216.0f << "16777216";
    QTest::newRow("largest single") << std::numeric_limits<float>::max() << "3.4028235e+38";
    QTest::newRow("lowest single") << std::numeric_limits<float>::lowest() << "-3.4028235e+38";
}

void TestSettings::singleText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(Settings::singleToText(value), text);
    QCOMPARE(Settings::textToSingle(text), std::optional<float>(value));
}

void TestSettings::textToSingle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<float>("value");
    QTest::newRow("plain") << "7095" << true << 7095.0f;
    QTest::newRow("blanks") << " 12.5 " << true << 12.5f;
    QTest::newRow("letters") << "abc" << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
    QTest::newRow("trailing junk") << "12px" << false << 0.0f;
    QTest::newRow("infinite") << "1e60" << false << 0.0f;
    QTest::newRow("rounds to the largest") << "3.40282356e+38" << true << std::numeric_limits<float>::max();
    QTest::newRow("rounds to infinity") << "3.4028236e+38" << false << 0.0f;
    QTest::newRow("too small") << "1e-50" << false << 0.0f;
}

void TestSettings::textToSingle()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(float, value);
    const std::optional<float> result = Settings::textToSingle(text);
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(*result, value);
}

void TestSettings::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: does not convert
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("lower case") << "false" << 0;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestSettings::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> result = Settings::textToBoolean(text);
    QCOMPARE(result.has_value(), expected >= 0);
    if (result)
        QCOMPARE(int(*result), expected);
}

void TestSettings::checkStates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999: does not convert
    QTest::newRow("checked") << "1" << 1;
    QTest::newRow("unchecked") << "0" << 0;
    QTest::newRow("rounds half to even") << "2.5" << 2;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("overflow") << "32768" << -99999;
    QTest::newRow("text") << "abc" << -99999;
}

void TestSettings::checkStates()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<qint16> result = Settings::textToInt16(text);
    QCOMPARE(result.has_value(), expected != -99999);
    if (result)
        QCOMPARE(int(*result), expected);
}

void TestSettings::writtenForms()
{
    MemorySettingsBacking backing;
    Settings settings(backing);
    settings.setBoolean(Key::MiniB, false);
    settings.setCheckState(Key::ChkNV, 0);
    settings.setSingle(Key::Top, 1234.0f);
    QCOMPARE(backing.values.value(QStringLiteral("MiniB")), QStringLiteral("False"));
    QCOMPARE(backing.values.value(QStringLiteral("chkNV")), QStringLiteral("0"));
    QCOMPARE(backing.values.value(QStringLiteral("Top")), QStringLiteral("1234"));
    QCOMPARE(settings.boolean(Key::MiniB), std::optional<bool>(false));
    backing.values.insert(QStringLiteral("Width"), QStringLiteral("abc"));
    QVERIFY(!settings.single(Key::Width, 7095).has_value());
    QCOMPARE(settings.single(Key::Height, 5595), std::optional<float>(5595));
}

void TestSettings::presetParsing_data()
{
    const QChar sep(0xFF);
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");
    QTest::newRow("name and link") << (QStringLiteral("WXYZ") + sep + QStringLiteral("http://h/a.ram"))
                                   << "WXYZ"
                                   << "http://h/a.ram";
    QTest::newRow("separator first") << (sep + QStringLiteral("http://h/a.ram")) << PresetTable::kEmptyName
                                     << PresetTable::kEmptyLink;
    QTest::newRow("no separator") << QStringLiteral("just text") << PresetTable::kEmptyName
                                  << PresetTable::kEmptyLink;
    QTest::newRow("separator in link")
        << (QStringLiteral("A") + sep + QStringLiteral("x") + sep + QStringLiteral("y")) << "A"
        << (QStringLiteral("x") + sep + QStringLiteral("y"));
}

void TestSettings::presetParsing()
{
    QFETCH(QString, value);
    QFETCH(QString, name);
    QFETCH(QString, link);
    const PresetRecord record = PresetTable::parse(value);
    QCOMPARE(record.Name, name);
    QCOMPARE(record.Link, link);
}

void TestSettings::presetLoadAndStore()
{
    MemorySettingsBacking backing;
    Settings settings(backing);
    backing.values.insert(QStringLiteral("Preset3"),
                          QStringLiteral("Jazz FM") + QChar(0xFF) + QStringLiteral("http://j/a.pls"));
    backing.values.insert(QStringLiteral("Preset5"), QStringLiteral("garbage"));
    PresetTable table;
    table.load(settings);
    QCOMPARE(table[3].Name, QStringLiteral("Jazz FM"));
    QVERIFY(table.isEmpty(0));
    QVERIFY(table.isEmpty(5));
    table[7] = {QStringLiteral("New"), QStringLiteral("http://n/b.asx")};
    backing.writes.clear();
    table.store(settings);
    QCOMPARE(backing.writes, (QStringList{QStringLiteral("Preset3"), QStringLiteral("Preset7")}));
    QVERIFY(!backing.values.contains(QStringLiteral("Preset0")));
    // The stale value of an empty preset stays as it was.
    QCOMPARE(backing.values.value(QStringLiteral("Preset5")), QStringLiteral("garbage"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
