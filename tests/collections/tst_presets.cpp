#include "collections/LinkText.h"
#include "collections/PresetTable.h"
#include "collections/StationPayload.h"
#include "core/Settings.h"
#include "search/HeaderSort.h"
#include "search/ResultsModel.h"

#include "Recorders.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QChar kSep = Settings::kPresetSeparator;

ResultRow row(std::initializer_list<QString> texts)
{
    static QList<QString> keep; // the cells are views into these
    ResultRow::Cells cells{};
    int at = 0;
    for (const QString& text : texts) {
        keep.append(text);
        cells.at(std::size_t(at++)) = keep.constLast();
    }
    return ResultRow(cells);
}
} // namespace

class TestPresets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("link");
        QTest::newRow("name and link")
            << u"Jazz FM"_s + kSep + u"http://j/a.pls"_s << u"Jazz FM"_s << u"http://j/a.pls"_s;
        QTest::newRow("no separator") << u"garbage"_s << PresetTable::kEmptyName << PresetTable::kEmptyLink;
        QTest::newRow("separator first")
            << kSep + u"http://j/a.pls"_s << PresetTable::kEmptyName << PresetTable::kEmptyLink;
        QTest::newRow("separator inside the link")
            << u"A"_s + kSep + u"http://x/"_s + kSep + u"y"_s << u"A"_s << u"http://x/"_s + kSep + u"y"_s;
    }

    void storedValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, name);
        QFETCH(QString, link);
        MemorySettingsBacking backing;
        Settings settings(backing);
        backing.values.insert(u"Preset4"_s, value);
        PresetTable table;
        table.load(settings);
        QCOMPARE(table[4].Name, name);
        QCOMPARE(table[4].Link, link);
        // Empty presets are never written; assigned ones are written back as they were read.
        backing.writes.clear();
        table.store(settings);
        QCOMPARE(backing.writes, name == PresetTable::kEmptyName ? QStringList() : QStringList{u"Preset4"_s});
        QCOMPARE(backing.values.value(u"Preset4"_s), value);
    }

    // Stored at once; without a name the preset would read back as empty, so the link names it.
    void assignWithoutName()
    {
        MemorySettingsBacking backing;
        Settings settings(backing);
        PresetTable().assign(7, QString(), u"http://r/b.pls"_s, settings);
        QCOMPARE(backing.writes, QStringList{u"Preset7"_s});
        PresetTable reloaded;
        reloaded.load(settings);
        QCOMPARE(reloaded[7].Name, u"http://r/b.pls"_s);
        QCOMPARE(reloaded[7].Link, u"http://r/b.pls"_s);
    }

    void payloadRoundTrip()
    {
        const StationPayload::Station station{u"Name "_s + kSep + u"\t\n<b>"_s, u"http://s/x.ram?a=1&b"_s};
        const auto back = StationPayload::decode(StationPayload::encode(station));
        QVERIFY(back);
        QCOMPARE(back->name, station.name);
        QCOMPARE(back->link, station.link);
        // Anything else dropped on a preset is not a station.
        QVERIFY(!StationPayload::decode("http://plain.example/text"));
        QVERIFY(!StationPayload::decode(StationPayload::encode(station) + "x"));
        QVERIFY(!StationPayload::decode(QByteArray()));
    }

    // An archive row's block (the live one is copied in the desktop test): its extra "Info" line,
    // and the courtesy line naming the public web site, never the directory host.
    void linkBlock()
    {
        ResultsModel model;
        model.appendRecords(
            {row({{}, u"1:00"_s, u"20"_s, u"Title B"_s, u"More"_s, u"http://s/b.rm"_s, u"http://site/b"_s})});
        QVERIFY(LinkText::usable(model, 0, true));
        QCOMPARE(
            LinkText::block(model, 0, true),
            u"Name : Title B\r\nInfo : More\r\nLink : http://s/b.rm\r\nFound on : http://site/b\r\n"
            u"\r\n-\r\nThis link courtesy Skylark! Broadcast - https://skylark-broadcast.example.org/\r\n"
            u"Skylark! Broadcast finds live radio, television and archived clips on the Internet."_s);
        QVERIFY(!LinkText::usable(model, 1, true));
        // A row without a link in the mode's link column has nothing to pass on.
        ResultsModel empty;
        empty.appendRecords({row({u"Station A"_s, u"RA"_s, u"Ohio"_s, u"20"_s, {}, u"http://site/a"_s})});
        QVERIFY(!LinkText::usable(empty, 0, false));
    }

    void headerSortsInSequence()
    {
        HeaderSort sort;
        // Sorts by a header click and reads column `shown` top down.
        const auto apply = [&](ResultsModel& model, int column, bool archive, int shown) {
            const HeaderSort::Key key = sort.click(column, archive);
            model.sortRows(key.column, key.order,
                           key.numeric ? ResultsModel::SortKind::Number : ResultsModel::SortKind::Text);
            return QStringList{model.cell(0, shown), model.cell(1, shown), model.cell(2, shown)};
        };
        // Archive rows: "Len" text, the seconds key in column 9.
        ResultsModel archive;
        archive.appendRecords({row({{}, u"10:00"_s, {}, u"b"_s, {}, {}, {}, {}, {}, u"600"_s}),
                               row({{}, u"9:59"_s, {}, u"a"_s, {}, {}, {}, {}, {}, u"599"_s}),
                               row({{}, u"x"_s, {}, u"B"_s, {}, {}, {}, {}, {}, u"bad"_s})});
        // "Len" ascending by seconds (a key that does not parse counts as 0), then the title
        // descending: the direction alternates across columns.
        QCOMPARE(apply(archive, 1, true, 3), (QStringList{u"B"_s, u"a"_s, u"b"_s}));
        QCOMPARE(sort.gridSortOrder(), HeaderSort::kTextAscending);
        QCOMPARE(apply(archive, 3, true, 3), (QStringList{u"b"_s, u"a"_s, u"B"_s}));
        QCOMPARE(sort.gridSortOrder(), HeaderSort::kTextDescending);
        QCOMPARE(apply(archive, 3, true, 3), (QStringList{u"B"_s, u"a"_s, u"b"_s})); // upper case first

        // Live rows: "Speed" sorts by its number, not its text.
        ResultsModel live;
        live.appendRecords({row({u"a"_s, {}, {}, u"56"_s, {}, {}, {}, {}, u"56"_s}),
                            row({u"b"_s, {}, {}, u"300"_s, {}, {}, {}, {}, u"300"_s}),
                            row({u"c"_s, {}, {}, u"28"_s, {}, {}, {}, {}, u"28"_s})});
        sort = HeaderSort();
        QCOMPARE(apply(live, ResultsModel::LiveSpeed, false, 0), strings({"c", "a", "b"}));
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
