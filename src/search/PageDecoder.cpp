#include "search/PageDecoder.h"

#include <QRegularExpression>

#include <array>
#include <cstring>

namespace {
// Windows-1252's letters in 0x80-0x9F; its five unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class Sequence
{
    Valid,
    Incomplete, // valid so far, cut off by the end of the bytes
    Invalid
};

// Checks the UTF-8 sequence starting at bytes[at]; length gets its length when valid.
Sequence checkSequence(QByteArrayView bytes, qsizetype at, int& length)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        else if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong
        else if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return Sequence::Invalid;
    }
    for (int i = 1; i < length; ++i) {
        if (at + i >= bytes.size())
            return Sequence::Incomplete;
        const unsigned char next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return Sequence::Invalid;
    }
    return Sequence::Valid;
}

// The end of the run of ASCII bytes starting at at: most of a page, read eight bytes at a time.
qsizetype asciiEnd(QByteArrayView bytes, qsizetype at)
{
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    for (quint64 word = 0; at + 8 <= bytes.size(); at += 8) {
        std::memcpy(&word, bytes.data() + at, sizeof word);
        if (word & kHighBits)
            break;
    }
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    return at;
}

QString charsetOf(const QByteArray& contentType)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*\"?([^\";\\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(QString::fromLatin1(contentType)).captured(1).toLower();
}

bool isWestern(const QString& name)
{
    return name.contains(QLatin1String("8859-1")) || name.contains(QLatin1String("1252")) ||
           name == QLatin1String("latin1") || name == QLatin1String("iso8859_1") ||
           name.contains(QLatin1String("ascii"));
}
} // namespace

PageDecoder PageDecoder::forContentType(const QByteArray& contentType)
{
    PageDecoder decoder;
    const QString name = charsetOf(contentType);
    if (name.isEmpty())
        return decoder;
    if (name == QLatin1String("utf-8") || name == QLatin1String("utf8")) {
        decoder.m_mode = Mode::Utf8;
    } else if (isWestern(name)) {
        decoder.m_mode = Mode::Windows1252;
    } else {
        QStringDecoder other(name.toLatin1().constData());
        // A charset Qt does not know is read as if none had been named.
        if (other.isValid()) {
            decoder.m_mode = Mode::Other;
            decoder.m_other = std::move(other);
        }
    }
    return decoder;
}

QString PageDecoder::decode(QByteArrayView bytes)
{
    switch (m_mode) {
    case Mode::Windows1252:
        return fromWindows1252(bytes);
    case Mode::Other:
        return m_other.decode(bytes);
    case Mode::Detect:
    case Mode::Utf8:
        break;
    }
    if (m_carry.isEmpty())
        return decodeUtf8(bytes, false);
    m_carry.append(bytes.data(), bytes.size());
    const QByteArray joined = std::exchange(m_carry, QByteArray());
    return decodeUtf8(joined, false);
}

QString PageDecoder::finish()
{
    if (m_mode == Mode::Other)
        return m_other.decode(QByteArrayView());
    const QByteArray rest = std::exchange(m_carry, QByteArray());
    if (rest.isEmpty())
        return {};
    return decodeUtf8(rest, true);
}

QString PageDecoder::decodeUtf8(QByteArrayView bytes, bool atEnd)
{
    QString text;
    qsizetype validFrom = 0;
    qsizetype at = 0;
    const qsizetype size = bytes.size();
    while ((at = asciiEnd(bytes, at)) < size) {
        int length = 1;
        const Sequence sequence = checkSequence(bytes, at, length);
        if (sequence == Sequence::Valid) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(validFrom, at - validFrom));
        if (sequence == Sequence::Incomplete && !atEnd) {
            m_carry = bytes.sliced(at).toByteArray();
            return text;
        }
        if (m_mode == Mode::Detect) {
            // Not UTF-8 after all: the rest of the page is Windows-1252.
            m_mode = Mode::Windows1252;
            return text + fromWindows1252(bytes.sliced(at));
        }
        text += QChar(QChar::ReplacementCharacter);
        validFrom = ++at;
    }
    text += QString::fromUtf8(bytes.sliced(validFrom, size - validFrom));
    return text;
}

QString PageDecoder::fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar((byte >= 0x80 && byte < 0xA0) ? kHighControls.at(byte - 0x80) : char16_t(byte));
    }
    return text;
}
