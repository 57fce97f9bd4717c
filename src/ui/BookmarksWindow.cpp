#include "ui/BookmarksWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>

#include "collections/Playlist.h"
#include "core/ProductInfo.h"
#include "platform/Twips.h"

namespace {
const QString kPlaylistFilter = QStringLiteral("Playlists (*.m3u *.m3u8 *.pls)");
const QString kOpenFilter = kPlaylistFilter + QStringLiteral(";;All files (*)");

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// "a; 2 already bookmarked" for every count that is not zero.
QString withCounts(QString text, const QList<std::pair<int, QString>>& counts)
{
    for (const auto& [count, what] : counts) {
        if (count > 0)
            text += QStringLiteral("; %1 %2").arg(count).arg(what);
    }
    return text + u'.';
}
} // namespace

BookmarksWindow::BookmarksWindow(QString dataFolder, SystemServices services, PlayFunction play,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(dataFolder)), m_services(services),
      m_play(std::move(play)), m_playlistFolder(QDir::homePath())
{
    setObjectName(QStringLiteral("frmBookmarks"));
    setWindowTitle(QStringLiteral("Bookmarks"));

    m_lstB = new QListWidget(this);
    m_lstB->setObjectName(QStringLiteral("lstB"));
    m_lstB->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lstB->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lstB->installEventFilter(this);
    m_viewport = m_lstB->viewport();
    m_viewport->installEventFilter(this);
    connect(m_lstB, &QListWidget::itemClicked, this, &BookmarksWindow::showCurrentLink);
    connect(m_lstB, &QListWidget::currentRowChanged, this, &BookmarksWindow::showCurrentLink);
    connect(m_lstB, &QListWidget::itemDoubleClicked, this, &BookmarksWindow::playCurrent);
    connect(m_lstB, &QWidget::customContextMenuRequested, this, &BookmarksWindow::showMenu);

    m_cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);

    m_statbar = new QStatusBar(this);
    m_statbar->setObjectName(QStringLiteral("statbar"));
    m_statbar->setSizeGripEnabled(false);
    m_panel = new QLabel(m_statbar);
    m_panel->setObjectName(QStringLiteral("statbarPanel1"));
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Sunken);
    m_statbar->addWidget(m_panel);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("menuBookmarks"));
    connect(m_menu->addAction(QStringLiteral("&Export to Playlist…")), &QAction::triggered, this,
            &BookmarksWindow::exportPlaylist);
    connect(m_menu->addAction(QStringLiteral("&Import Playlist…")), &QAction::triggered, this,
            &BookmarksWindow::importPlaylist);

    setMinimumSize(twipsX(3600), twipsY(2400));
    resize(twipsX(kDesignWidth), twipsY(kDesignHeight));
    load();
}

void BookmarksWindow::addRows(const QList<BookmarkRow>& rowsInGridOrder, bool archiveMode)
{
    if (!archiveMode) {
        m_services.dialogs.message(MessageIcon::Information, kShortTitle, kLiveRefusal);
        return;
    }
    // The current item moves down with each insert, so the rows keep their grid order.
    for (const BookmarkRow& row : rowsInGridOrder)
        insert(m_lstB->currentRow(), BookmarkList::fromRow(row));
    save();
}

void BookmarksWindow::showModeless()
{
    show();
    raise();
    activateWindow();
}

QString BookmarksWindow::statusText() const
{
    return m_panel->text();
}

void BookmarksWindow::closeEvent(QCloseEvent* event)
{
    save();
    event->accept();
}

void BookmarksWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

bool BookmarksWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_lstB) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
        // Some window systems turn the Menu key into a context-menu event as well; the menu
        // then is already open and takes the key itself.
        if (key == Qt::Key_Menu) {
            const QRect current = m_lstB->visualItemRect(m_lstB->currentItem());
            showMenu(current.isValid() ? current.center() : QPoint(0, 0));
            return true;
        }
    }
    // A double-click on an item makes it current and plays it (itemDoubleClicked); one on the
    // empty part of the list plays whatever item is current.
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_viewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !m_lstB->itemAt(mouse->position().toPoint()))
            playCurrent();
    }
    return QWidget::eventFilter(watched, event);
}

void BookmarksWindow::load()
{
    const BookmarkLoad result = m_list.load(m_folder);
    for (const Bookmark& bookmark : m_list.items()) {
        auto* item = new QListWidgetItem(bookmark.text, m_lstB);
        item->setData(Qt::UserRole, bookmark.link);
    }
    if (!result.failed())
        return;
    const QString path = nativePath(BookmarkList::filePath(m_folder));
    const QString kept =
        result.movedAside.isEmpty()
            ? QStringLiteral("It could not be moved aside either; bookmarks will not be saved over it.")
            : QStringLiteral("It was kept as %1, and the bookmarks list starts empty.")
                  .arg(nativePath(result.movedAside));
    m_services.dialogs.message(
        MessageIcon::Critical, kShortTitle,
        QStringLiteral("The bookmarks file %1 could not be read: %2.\n\n%3").arg(path, result.problem, kept));
}

bool BookmarksWindow::save()
{
    QString error;
    if (m_list.save(m_folder, error))
        return true;
    m_services.dialogs.message(
        MessageIcon::Critical, kShortTitle,
        QStringLiteral("The bookmarks could not be saved to %1: %2.\n\nThe file keeps its earlier contents.")
            .arg(nativePath(BookmarkList::filePath(m_folder)), error));
    return false;
}

void BookmarksWindow::insert(int position, const Bookmark& bookmark)
{
    if (position < 0 || position >= m_list.count())
        position = m_list.count();
    m_list.insert(position, bookmark);
    auto* item = new QListWidgetItem(bookmark.text);
    item->setData(Qt::UserRole, bookmark.link);
    m_lstB->insertItem(position, item);
}

void BookmarksWindow::playCurrent()
{
    const int current = m_lstB->currentRow();
    if (current < 0 || !m_play)
        return;
    m_play(m_list.at(current).link, m_list.at(current).text);
}

void BookmarksWindow::deleteSelected()
{
    // Removing an item moves the next one up to the same index, so the index only advances
    // past items that stay.
    int index = 0;
    while (index <= m_list.count() - 1) {
        if (m_lstB->item(index)->isSelected()) {
            m_list.remove(index);
            delete m_lstB->takeItem(index);
        } else {
            ++index;
        }
    }
    save();
}

void BookmarksWindow::showCurrentLink()
{
    // Read from the item: while items are being removed the list and the widget differ by one.
    if (const QListWidgetItem* current = m_lstB->currentItem())
        setStatus(current->data(Qt::UserRole).toString());
}

void BookmarksWindow::showMenu(const QPoint& position)
{
    m_menu->popup(m_lstB->viewport()->mapToGlobal(position));
}

void BookmarksWindow::exportPlaylist()
{
    const std::optional<QString> chosen = m_services.dialogs.saveFile(m_playlistFolder, kPlaylistFilter);
    if (!chosen)
        return;
    QString path = *chosen;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"m3u" && suffix != u"m3u8" && suffix != u"pls")
        path += QStringLiteral(".m3u");
    m_playlistFolder = QFileInfo(path).absolutePath();

    QList<PlaylistEntry> entries;
    int unfit = 0;
    for (const Bookmark& bookmark : m_list.items()) {
        const PlaylistEntry entry{bookmark.text, bookmark.link};
        if (Playlist::canWrite(entry))
            entries.append(entry);
        else
            ++unfit;
    }
    QString error;
    if (!Playlist::writeFile(path, entries, error)) {
        m_services.dialogs.message(
            MessageIcon::Critical, kShortTitle,
            QStringLiteral("The playlist could not be written to %1: %2.").arg(nativePath(path), error));
        return;
    }
    setStatus(
        withCounts(QStringLiteral("Exported %1 bookmarks to %2").arg(entries.size()).arg(nativePath(path)),
                   {{unfit, QStringLiteral("left out (link not fit for a playlist)")}}));
}

void BookmarksWindow::importPlaylist()
{
    const std::optional<QString> chosen = m_services.dialogs.openFile(m_playlistFolder, kOpenFilter);
    if (!chosen)
        return;
    m_playlistFolder = QFileInfo(*chosen).absolutePath();
    const PlaylistRead read = Playlist::readFile(*chosen);
    if (!read.error.isEmpty()) {
        m_services.dialogs.message(
            MessageIcon::Critical, kShortTitle,
            QStringLiteral("The playlist %1 could not be read: %2.").arg(nativePath(*chosen), read.error));
        return;
    }
    QSet<QString> links;
    for (const Bookmark& bookmark : m_list.items())
        links.insert(bookmark.link);
    int added = 0;
    int known = 0;
    for (const PlaylistEntry& entry : read.entries) {
        if (links.contains(entry.link)) {
            ++known;
            continue;
        }
        links.insert(entry.link);
        insert(-1, {entry.name, entry.link});
        ++added;
    }
    if (added > 0)
        save();
    setStatus(
        withCounts(QStringLiteral("Imported %1 bookmarks from %2").arg(added).arg(nativePath(*chosen)),
                   {{known, QStringLiteral("already bookmarked")},
                    {read.notWeb, QStringLiteral("not http or https")},
                    {read.overLimit, QStringLiteral("over the limit of %1").arg(Playlist::kMaxEntries)}}));
}

void BookmarksWindow::setStatus(const QString& text)
{
    m_panel->setText(text);
}

void BookmarksWindow::layOut()
{
    const int width = this->width();
    const int height = this->height();
    const QRect list(twipsX(1), twipsY(1), width, std::max(0, height - twipsY(1000)));
    m_lstB->setGeometry(list);
    m_panel->setFixedWidth(std::max(0, width - twipsX(100)));
    const QSize button = m_cmdClose->sizeHint();
    m_cmdClose->setGeometry(width - button.width() - twipsX(200), list.bottom() + 1 + twipsY(100),
                            button.width(), button.height());
    const int barHeight = m_statbar->sizeHint().height();
    m_statbar->setGeometry(0, height - barHeight, width, barHeight);
}

int BookmarksWindow::twipsX(double twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

int BookmarksWindow::twipsY(double twips) const
{
    return Twips::toPixels(twips, logicalDpiY());
}
