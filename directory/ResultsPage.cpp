#include "directory/ResultsPage.h"

#include <QStringList>

namespace {

const QLatin1String kHead("<HTML><HEAD><TITLE>Search Results</TITLE></HEAD><BODY>\n");
const QLatin1String kTail("</BODY></HTML>\n");

QString videoFlag(const CatalogEntry& entry)
{
    return entry.video ? QStringLiteral("1") : QStringLiteral("0");
}

QString nameField(const CatalogEntry& entry)
{
    if (entry.isLive())
        return entry.name;
    // The client drops one leading ":" before it splits title from additional text, so a clip
    // without a title needs a second one to keep its additional text apart.
    const QString title =
        entry.title.isEmpty() && !entry.additional.isEmpty() ? QStringLiteral(":") : entry.title;
    return title + QLatin1Char(':') + entry.additional;
}

} // namespace

QByteArray ResultsPage::build(const QList<CatalogEntry>& entries)
{
    QByteArray page = kHead.latin1();
    for (const CatalogEntry& entry : entries)
        page += line(entry);
    page += kTail.latin1();
    return page;
}

QByteArray ResultsPage::build(const Catalog& catalog, const QList<qsizetype>& positions)
{
    qsizetype size = kHead.size() + kTail.size();
    for (const qsizetype position : positions)
        size += catalog.pageLine(position).size();
    QByteArray page;
    page.reserve(size);
    page += kHead.latin1();
    for (const qsizetype position : positions)
        page += catalog.pageLine(position);
    page += kTail.latin1();
    return page;
}

QByteArray ResultsPage::line(const CatalogEntry& entry)
{
    return (link(entry) + QStringLiteral("<BR>\n")).toUtf8();
}

QString ResultsPage::linkText(const CatalogEntry& entry)
{
    QString text = nameField(entry) + QStringLiteral("**") + entry.format + QStringLiteral("&&") +
                   entry.location() + QStringLiteral("^^") + entry.bitrateText() + QStringLiteral("$$");
    if (!entry.isLive())
        text += QString::number(entry.seconds) + QStringLiteral("~~");
    return text + videoFlag(entry) + QStringLiteral("@@") + entry.site;
}

QString ResultsPage::link(const CatalogEntry& entry)
{
    return QStringLiteral("<A HREF=\"%1\">%2</A>").arg(entry.streamUrl, linkText(entry));
}
