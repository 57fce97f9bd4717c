#include "collections/BookmarkList.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

// The file "Bookmarks.lst" is UTF-8 text made of lines ending in LF:
//
//   SkylarkBookmarks 1
//   <display text> TAB <link>
//   <display text> TAB <link>
//   ...
//
// one line per bookmark, in list order. Inside a field a backslash starts an escape: "\\" is a
// backslash, "\t" a tab, "\n" a line feed, "\r" a carriage return, and "\uXXXX" (four hex
// digits) any other control character or a lone surrogate. Every other character, character
// 255 and non-ASCII text included, is written as its UTF-8 bytes. So any text comes back as it
// was saved. A file that breaks any of these rules is not read at all (see load()).

using namespace Qt::StringLiterals;

namespace {
const QByteArray kHeader = QByteArrayLiteral("SkylarkBookmarks 1");

bool isLoneSurrogate(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

bool needsEscape(QChar c)
{
    return c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate();
}

QString escaped(const QString& text)
{
    // Most texts hold nothing to escape; a long list is written much faster without the
    // character-by-character copy.
    if (std::none_of(text.begin(), text.end(), needsEscape))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f || isLoneSurrogate(text, i))
            out += QStringLiteral("\\u") + QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

// Undoes escaped(); false on an escape it never writes.
bool unescape(QStringView field, QString& out)
{
    if (!field.contains(u'\\')) {
        out = field.toString();
        return true;
    }
    out.clear();
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= field.size())
            return false;
        switch (field.at(i).unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u't':
            out += u'\t';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'u': {
            const QStringView hex = field.mid(i + 1, 4);
            bool ok = false;
            const uint code = hex.size() == 4 ? hex.toUInt(&ok, 16) : 0;
            if (!ok)
                return false;
            out += QChar(char16_t(code));
            i += 4;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool parseLine(QStringView line, Bookmark& bookmark)
{
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0 || line.indexOf(u'\t', tab + 1) >= 0)
        return false;
    return unescape(line.left(tab), bookmark.text) && unescape(line.mid(tab + 1), bookmark.link);
}

// A name beside the file that says why it was put there and does not replace an earlier one.
QString asideName(const QString& path)
{
    const QString base =
        path + u".unreadable-"_s + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

QString readFile(const QString& path, QByteArray& data)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return QCoreApplication::translate("BookmarkList", "it is a folder");
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > BookmarkList::kMaxFileBytes)
        return QCoreApplication::translate("BookmarkList", "it is larger than %1 MiB")
            .arg(BookmarkList::kMaxFileBytes / (1024 * 1024));
    data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}
} // namespace

QString BookmarkList::displayText(const QString& title, const QString& additional)
{
    return title + u" [ "_s + additional + u"]"_s;
}

Bookmark BookmarkList::fromRow(const BookmarkRow& row)
{
    return {displayText(row.title, row.additional), row.link};
}

QString BookmarkList::filePath(const QString& folder)
{
    return QDir(folder).filePath(kFileName);
}

bool BookmarkList::containsLink(const QString& link) const
{
    return std::any_of(m_items.begin(), m_items.end(), [&](const Bookmark& b) { return b.link == link; });
}

void BookmarkList::removeEach(const QList<int>& ascending)
{
    qsizetype kept = 0;
    auto next = ascending.begin();
    for (qsizetype index = 0; index < m_items.size(); ++index) {
        if (next != ascending.end() && *next == index) {
            ++next;
            continue;
        }
        if (kept != index)
            m_items[kept] = std::move(m_items[index]);
        ++kept;
    }
    m_items.resize(kept);
}

QByteArray BookmarkList::serialize(const QList<Bookmark>& items)
{
    QString text;
    for (const Bookmark& bookmark : items)
        text += escaped(bookmark.text) + u'\t' + escaped(bookmark.link) + u'\n';
    return kHeader + '\n' + text.toUtf8();
}

bool BookmarkList::parse(const QByteArray& data, QList<Bookmark>& items, QString& error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError()) {
        error = QCoreApplication::translate("BookmarkList", "it is not UTF-8 text");
        return false;
    }
    const QLatin1StringView header(kHeader);
    QStringView rest(text);
    if (rest != header && !(rest.startsWith(header) && rest.mid(header.size()).startsWith(u'\n'))) {
        error = QCoreApplication::translate("BookmarkList", "it does not begin with \"%1\"")
                    .arg(QLatin1StringView(kHeader));
        return false;
    }
    rest = rest.mid(kHeader.size() + 1);
    QList<Bookmark> read;
    read.reserve(rest.count(u'\n') + 1);
    for (int lineNumber = 2; !rest.isEmpty(); ++lineNumber) {
        const qsizetype end = rest.indexOf(u'\n');
        Bookmark bookmark;
        if (!parseLine(rest.left(end), bookmark)) {
            error = QCoreApplication::translate("BookmarkList", "line %1 is not a bookmark").arg(lineNumber);
            return false;
        }
        read.append(std::move(bookmark));
        rest = end < 0 ? QStringView() : rest.mid(end + 1);
    }
    items = read;
    return true;
}

BookmarkLoad BookmarkList::load(const QString& folder)
{
    m_items.clear();
    const QString path = filePath(folder);
    if (!QFileInfo::exists(path))
        return {};
    QByteArray data;
    QString problem = readFile(path, data);
    if (problem.isEmpty() && parse(data, m_items, problem))
        return {};

    BookmarkLoad result{problem, asideName(path)};
    if (!QFile::rename(path, result.movedAside)) {
        result.movedAside.clear();
        m_keepFile = true;
        m_keptFile = path;
    }
    return result;
}

bool BookmarkList::save(const QString& folder, QString& error) const
{
    const QString path = filePath(folder);
    if (m_keepFile && path == m_keptFile && QFileInfo::exists(path)) {
        error = QCoreApplication::translate("BookmarkList", "the unreadable file %1 is still in the way")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("BookmarkList", "the folder %1 cannot be created")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails only when flushed at commit() would still
    // replace the old file with a cut-off one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const QByteArray data = serialize(m_items);
    if (file.write(data) != data.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
