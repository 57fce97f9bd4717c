#include "collections/BookmarkList.h"
#include "collections/Playlist.h"

#include "TestFiles.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
namespace {
BookmarkList listOf(const QList<Bookmark>& items)
{
    BookmarkList list;
    for (const Bookmark& bookmark : items)
        list.append(bookmark);
    return list;
}

QList<Bookmark> hostileBookmarks()
{
    const QChar lone[] = {QChar(0xD800), QChar(0xDC00)};
    return {
        {u"Tab\there [ Line\nbreak]"_s, u"http://h/a\tb"_s},
        {u"CR\r and CRLF\r\n [ ]"_s, u"http://h/\r"_s},
        {u"Backslashes \\ \\t \\n \\u0041 \\"_s, u"http://h/\\\\share"_s},
        {u"Char 255: \u00ff\u00ff [ \u00ff]"_s, u"http://h/x\u00ffy"_s},
        {u"Non-ASCII: Ĳssel – 東京 😀 [ Ünïcödé]"_s, u"https://例え.jp/😀"_s},
        {u"Control \u0000 \u0001 \u001f \u007f"_s, u"http://h/\u0000"_s},
        {u"Lone "_s + lone[0] + u" and "_s + lone[1], QString(lone[1]) + lone[0]},
        {QString(), QString()},
        {u"SkylarkBookmarks 1"_s, u"SkylarkBookmarks 1\n"_s},
    };
}
} // namespace

class TestBookmarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->filePath(u"data"_s);
    }

    void hostileTextsSurviveSaveAndLoad()
    {
        const QList<Bookmark> items = hostileBookmarks();
        QString error;
        QVERIFY2(listOf(items).save(m_folder, error), qPrintable(error));

        // One line per bookmark after the header, whatever the texts hold.
        const QByteArray data = TestFiles::read(BookmarkList::filePath(m_folder));
        QCOMPARE(data.count('\n'), items.size() + 1);

        BookmarkList loaded;
        QVERIFY(!loaded.load(m_folder).failed());
        QCOMPARE(loaded.items(), items);
        QVERIFY(loaded.containsLink(u"http://h/x\u00ffy"_s));
        QVERIFY(!loaded.containsLink(u"http://h/x"_s));

        // A second save of what was loaded writes the same bytes.
        QVERIFY(loaded.save(m_folder, error));
        QCOMPARE(TestFiles::read(BookmarkList::filePath(m_folder)), data);
    }

    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("other text") << "Radio 1\thttp://r1\n"_ba;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not UTF-8") << "SkylarkBookmarks 1\nCaf\xe9\thttp://c\n"_ba;
        QTest::newRow("no tab") << "SkylarkBookmarks 1\nhttp://only-link\n"_ba;
        QTest::newRow("two tabs") << "SkylarkBookmarks 1\na\tb\tc\n"_ba;
        QTest::newRow("blank line") << "SkylarkBookmarks 1\na\thttp://a\n\nb\thttp://b\n"_ba;
        QTest::newRow("unknown escape") << "SkylarkBookmarks 1\na\\q\thttp://a\n"_ba;
        QTest::newRow("short \\u") << "SkylarkBookmarks 1\na\thttp://a\\u12\n"_ba;
        QTest::newRow("bad hex") << "SkylarkBookmarks 1\na\\uZZZZ\thttp://a\n"_ba;
        QTest::newRow("ends in backslash") << "SkylarkBookmarks 1\na\thttp://a\\\n"_ba;
        QTest::newRow("header too long") << "SkylarkBookmarks 12\n"_ba;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe", 5);
    }

    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, contents);
        const QString path = BookmarkList::filePath(m_folder);
        QVERIFY(TestFiles::write(path, contents));

        BookmarkList list = listOf({{u"old"_s, u"http://old"_s}});
        const BookmarkLoad result = list.load(m_folder);
        QVERIFY(result.failed());
        QCOMPARE(list.count(), 0);
        QVERIFY(result.movedAside.startsWith(path + u".unreadable-"_s));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(TestFiles::read(result.movedAside), contents);

        // Saving afterwards writes a new file and leaves the kept one alone.
        list.append({u"new"_s, u"http://new"_s});
        QString error;
        QVERIFY2(list.save(m_folder, error), qPrintable(error));
        QCOMPARE(TestFiles::read(result.movedAside), contents);

        // A second unreadable file in the same second gets a name of its own.
        QVERIFY(TestFiles::write(path, contents + "x"));
        const BookmarkLoad again = list.load(m_folder);
        QVERIFY(again.failed());
        QVERIFY(again.movedAside != result.movedAside);
        QCOMPARE(TestFiles::read(again.movedAside), contents + "x");
        QCOMPARE(TestFiles::read(result.movedAside), contents);
    }

    void oversizedFileIsRefusedUnread()
    {
        const QString path = BookmarkList::filePath(m_folder);
        QVERIFY(TestFiles::write(path, "SkylarkBookmarks 1\n"));
        QVERIFY(QFile(path).resize(BookmarkList::kMaxFileBytes + 1)); // sparse: no disk taken
        BookmarkList list;
        const BookmarkLoad result = list.load(m_folder);
        QVERIFY2(result.problem.contains(u"larger than"_s), qPrintable(result.problem));
        QCOMPARE(QFileInfo(result.movedAside).size(), BookmarkList::kMaxFileBytes + 1);
    }

    void failedSaveKeepsTheOldFile()
    {
        const BookmarkList one = listOf({{u"kept"_s, u"http://kept"_s}});
        QString error;
        QVERIFY(one.save(m_folder, error));
        const QString path = BookmarkList::filePath(m_folder);
        const QByteArray before = TestFiles::read(path);

        // A disk that fills up during the write: this process may not grow a file past 200 bytes.
        QList<Bookmark> many;
        for (int i = 0; i < 50; ++i)
            many.append(
                {u"Clip %1 [ long additional text]"_s.arg(i), u"http://example.org/clip/%1"_s.arg(i)});
        {
            const TestFiles::SizeLimit full{200};
            QVERIFY(!listOf(many).save(m_folder, error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFiles::read(path), before);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{BookmarkList::kFileName});

        // A folder that cannot hold files: its path runs through a plain file.
        error.clear();
        QVERIFY(!one.save(path + u"/below"_s, error));
        QVERIFY(!error.isEmpty());

        // A folder where the file's name is taken by a folder.
        const QString taken = m_dir->filePath(u"taken"_s);
        QVERIFY(QDir().mkpath(BookmarkList::filePath(taken) + u"/inside"_s));
        error.clear();
        QVERIFY(!one.save(taken, error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(BookmarkList::filePath(taken) + u"/inside"_s).isDir());
    }

    void playlistRoundTrip_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("extended M3U") << u"list.m3u"_s;
        QTest::newRow("UTF-8 M3U") << u"list.M3U8"_s;
        QTest::newRow("PLS") << u"list.pls"_s;
    }

    void playlistRoundTrip()
    {
        QFETCH(QString, fileName);
        const QList<PlaylistEntry> entries = {
            {u"Concert [ Live, 1999]"_s, u"http://example.org/a.ram"_s},
            {u"Title=with \"quotes\", commas [ ]"_s, u"https://example.org/b.asx?x=1&y=2"_s},
            {u"Ĳssel \u00ff 東京 😀 [ Ünïcödé]"_s, u"http://example.org/%C3%BF"_s},
            {u"#EXTINF:-1,not a directive"_s, u"http://example.org/c.mp3#part"_s},
            {u"  spaced  "_s, u"http://127.0.0.1:8642/d.pls"_s},
            {u"RealAudio [ ]"_s, u"rtsp://example.org:554/e.rm"_s},
            {u"Windows Media [ ]"_s, u"mms://example.org/f.asf"_s},
        };
        const QString path = m_dir->filePath(fileName);
        QString error;
        QVERIFY2(Playlist::writeFile(path, entries, error), qPrintable(error));
        const QByteArray data = TestFiles::read(path);
        QVERIFY(data.startsWith(fileName.endsWith(u"pls"_s) ? "[playlist]\n" : "#EXTM3U\n"));

        const PlaylistRead read = Playlist::readFile(path);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.entries, entries);
    }

    void hostilePlaylist_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("leftOut"); // not an address, unsafe, too long
        QTest::addColumn<bool>("refused");
        const auto utf16 = [](QStringConverter::Encoding encoding, const QString& text) {
            QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
            return QByteArray(encoder(text));
        };
        const QList<int> none = {0, 0, 0};

        QTest::newRow("binary") << QByteArray("#EXTM3U\nhttp://a/\0\n", 19) << QStringList() << QStringList()
                                << none << true;
        QTest::newRow("paths and other schemes")
            << "#EXTM3U\nmusic/song.mp3\n../up.mp3\n/etc/passwd\nC:\\x.mp3\nfile:///etc/passwd\nFILE:/x\n"
               "ftp://h/x\njavascript:alert(1)\nhttp://\nhttp:relative\n-http://h/\nhttp://h/\x01x\n"
               "#EXTINF:-1,Good\n  HTTPS://Example.org/ok  \n"_ba
            << QStringList{u"ftp://h/x"_s, u"HTTPS://Example.org/ok"_s}
            << QStringList{u"ftp://h/x"_s, u"Good"_s} << QList<int>{9, 2, 0} << false;
        QTest::newRow("PLS by number, odd keys ignored")
            << "\r\n[Playlist]\r\nFile2=http://h/2\r\nTitle2=Two\r\nFile1=file:///etc/passwd\r\nFile3=http://"
               "h/"
               "3\r\n"
               "Title1=One\r\nFileX=http://h/x\r\nFile0=http://h/0\r\nFile-4=http://h/4\r\n"
               "File99999999999=http://h/big\r\nTitle5=orphan\r\nNumberOfEntries=9\r\n"_ba
            << QStringList{u"http://h/2"_s, u"http://h/3"_s} << QStringList{u"Two"_s, u"http://h/3"_s}
            << QList<int>{1, 0, 0} << false;
        QTest::newRow("plain M3U, Latin-1, CRLF")
            << "http://h/1\r\n#EXTINF:5,Caf\xe9\r\nhttp://h/2\r\n"_ba
            << QStringList{u"http://h/1"_s, u"http://h/2"_s} << QStringList{u"http://h/1"_s, u"Caf\u00e9"_s}
            << none << false;
        QTest::newRow("UTF-16 LE M3U with a byte-order mark")
            << utf16(QStringConverter::Utf16LE, u"#EXTM3U\r\n#EXTINF:-1,Caf\u00e9\r\nmms://h/1\r\n"_s)
            << QStringList{u"mms://h/1"_s} << QStringList{u"Caf\u00e9"_s} << none << false;
        QTest::newRow("UTF-16 BE PLS with a byte-order mark")
            << utf16(QStringConverter::Utf16BE, u"[playlist]\nFile1=rtsp://h/1\nTitle1=\u6771\u4eac\n"_s)
            << QStringList{u"rtsp://h/1"_s} << QStringList{u"\u6771\u4eac"_s} << none << false;
        QTest::newRow("a long link is too long, not something else")
            << "http://h/" + QByteArray(Playlist::kMaxLinkLength, 'a') + "\nhttp://h/" +
                   QByteArray(Playlist::kMaxLinkLength - 9, 'a') + '\n'
            << QStringList{u"http://h/"_s + QString(Playlist::kMaxLinkLength - 9, u'a')}
            << QStringList{u"http://h/"_s + QString(Playlist::kMaxLinkLength - 9, u'a')}
            << QList<int>{0, 0, 1} << false;
        QTest::newRow("BOM, quoted commas, control characters")
            << "\xef\xbb\xbf#EXTM3U\n#EXTINF:-1 tvg-name=\"a,b\",Real\x1b[31m\x07Name\nhttp://h/1\n"_ba
            << QStringList{u"http://h/1"_s} << QStringList{u"Real [31m Name"_s} << none << false;
        QTest::newRow("a name without an entry is dropped")
            << "#EXTINF:-1,Lost\n#EXTINF:-1,Found\nhttp://h/1\n"_ba << QStringList{u"http://h/1"_s}
            << QStringList{u"Found"_s} << none << false;
    }

    void hostilePlaylist()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, links);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, leftOut);
        QFETCH(bool, refused);

        const PlaylistRead read = Playlist::read(data);
        QCOMPARE(!read.error.isEmpty(), refused);
        QStringList readLinks;
        QStringList readNames;
        for (const PlaylistEntry& entry : read.entries) {
            readLinks << entry.link;
            readNames << entry.name;
        }
        QCOMPARE(readLinks, links);
        QCOMPARE(readNames, names);
        QCOMPARE((QList<int>{read.notAddress, read.unsafe, read.tooLong}), leftOut);
    }

    void playlistLimits()
    {
        // Entries past the limit are counted, not taken.
        QByteArray many = "#EXTM3U\n";
        for (int i = 0; i < Playlist::kMaxEntries + 5; ++i)
            many += "http://h/" + QByteArray::number(i) + '\n';
        PlaylistRead read = Playlist::read(many);
        QCOMPARE(read.entries.size(), Playlist::kMaxEntries);
        QCOMPARE(read.overLimit, 5);
        QCOMPARE(read.entries.constLast().link, u"http://h/%1"_s.arg(Playlist::kMaxEntries - 1));

        // A file past the size limit, a missing file and a device are refused before reading.
        const QString huge = m_dir->filePath(u"huge.m3u"_s);
        QVERIFY(TestFiles::write(huge, "#EXTM3U\nhttp://h/1\n" + QByteArray(Playlist::kMaxBytes, '#')));
        for (const QString& path : {huge, m_dir->filePath(u"missing.m3u"_s), u"/dev/zero"_s}) {
            read = Playlist::readFile(path);
            QVERIFY2(!read.error.isEmpty(), qPrintable(path));
            QCOMPARE(read.entries.size(), 0);
        }
        const QString exact = m_dir->filePath(u"exact.m3u"_s);
        QVERIFY(TestFiles::write(exact, "http://h/1\n" + QByteArray(Playlist::kMaxBytes - 11, '\n')));
        QCOMPARE(Playlist::readFile(exact).entries.size(), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestBookmarks)
#include "tst_bookmarks.moc"
