#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Turns a page's bytes into text block by block. The text is the same however the bytes are
// cut into blocks: a character split across two blocks is carried over whole.
//
// A page whose Content-Type names no charset is read as UTF-8 while its bytes are valid UTF-8,
// and as Windows-1252 from the first invalid sequence to the end of the page. A page named
// UTF-8 shows each invalid byte as U+FFFD. Windows-1252 and Latin-1 pages are read as
// Windows-1252 (its superset on the web); other charsets go to Qt's decoders.
class PageDecoder
{
public:
    PageDecoder() = default;
    static PageDecoder forContentType(const QByteArray& contentType);

    QString decode(QByteArrayView bytes);
    // The end of the page: what is still carried over, decoded as it stands.
    QString finish();

    bool readsWindows1252() const { return m_mode == Mode::Windows1252; }

private:
    enum class Mode
    {
        Detect,
        Utf8,
        Windows1252,
        Other
    };

    QString decodeUtf8(QByteArrayView bytes, bool atEnd);
    static QString fromWindows1252(QByteArrayView bytes);

    Mode m_mode = Mode::Detect;
    QByteArray m_carry;
    QStringDecoder m_other;
};
