#include "ui/BookmarksWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>

#include "browser/WindowGeometry.h"
#include "collections/BookmarkModel.h"
#include "collections/Playlist.h"
#include "core/ProductInfo.h"
#include "platform/Twips.h"

namespace {
QString playlistFilter()
{
    return QCoreApplication::translate("BookmarksWindow", "Playlists (*.m3u *.m3u8 *.pls)");
}

QString openFilter()
{
    return playlistFilter() + QStringLiteral(";;") +
           QCoreApplication::translate("BookmarksWindow", "All files (*)");
}

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
    setWindowTitle(tr("Bookmarks"));

    m_model = new BookmarkModel(this);
    m_lstB = new QListView(this);
    m_lstB->setObjectName(QStringLiteral("lstB"));
    m_lstB->setAccessibleName(tr("Bookmarks"));
    // Every row is one line of text: the view need not measure each of a long list's rows.
    m_lstB->setUniformItemSizes(true);
    m_lstB->setModel(m_model);
    m_lstB->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lstB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstB->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lstB->installEventFilter(this);
    m_viewport = m_lstB->viewport();
    m_viewport->installEventFilter(this);
    connect(m_lstB, &QListView::clicked, this, &BookmarksWindow::showCurrentLink);
    connect(m_lstB->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &BookmarksWindow::showCurrentLink);
    connect(m_lstB, &QListView::doubleClicked, this, &BookmarksWindow::playCurrent);
    connect(m_lstB, &QWidget::customContextMenuRequested, this, &BookmarksWindow::showMenu);

    m_cmdClose = new QPushButton(tr("&Close"), this);
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
    connect(m_menu->addAction(tr("&Export to Playlist…")), &QAction::triggered, this,
            &BookmarksWindow::exportPlaylist);
    connect(m_menu->addAction(tr("&Import Playlist…")), &QAction::triggered, this,
            &BookmarksWindow::importPlaylist);

    setMinimumSize(twipsX(3600), twipsY(2400));
    resize(twipsX(kDesignWidth), twipsY(kDesignHeight));
    load();
}

void BookmarksWindow::addRows(const QList<BookmarkRow>& rowsInGridOrder, bool archiveMode)
{
    if (!archiveMode) {
        m_services.dialogs.message(MessageIcon::Information, kShortTitle, tr(kLiveRefusal));
        return;
    }
    // Always at the end: a current item appears by itself once the list has had the focus,
    // and the user never chose it as a place to insert.
    QList<Bookmark> added;
    for (const BookmarkRow& row : rowsInGridOrder)
        added.append(BookmarkList::fromRow(row));
    m_model->append(added);
    save();
}

void BookmarksWindow::showModeless()
{
    // The first showing centres the window; later ones keep its place, on the screen.
    if (!std::exchange(m_placed, true))
        WindowGeometry::centre(*this, {kDesignWidth, kDesignHeight});
    else
        WindowGeometry::fitOnScreen(*this);
    show();
    raise();
    activateWindow();
}

const BookmarkList& BookmarksWindow::bookmarks() const
{
    return m_model->list();
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

void BookmarksWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the window as its close box does (the list is saved).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool BookmarksWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_lstB) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            playCurrent();
            return true;
        }
        // Some window systems turn the Menu key into a context-menu event as well; the menu
        // then is already open and takes the key itself.
        if (key == Qt::Key_Menu) {
            const QRect current = m_lstB->visualRect(m_lstB->currentIndex());
            showMenu(current.isValid() ? current.center() : QPoint(0, 0));
            return true;
        }
    }
    // A double-click on an item makes it current and plays it (itemDoubleClicked); one on the
    // empty part of the list plays whatever item is current.
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_viewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !m_lstB->indexAt(mouse->position().toPoint()).isValid())
            playCurrent();
    }
    return QWidget::eventFilter(watched, event);
}

void BookmarksWindow::load()
{
    const BookmarkLoad result = m_model->load(m_folder);
    if (!result.failed())
        return;
    const QString path = nativePath(BookmarkList::filePath(m_folder));
    const QString kept = result.movedAside.isEmpty()
                             ? tr("It could not be moved aside either; bookmarks will not be saved over it.")
                             : tr("It was kept as %1, and the bookmarks list starts empty.")
                                   .arg(nativePath(result.movedAside));
    m_services.dialogs.message(
        MessageIcon::Critical, kShortTitle,
        tr("The bookmarks file %1 could not be read: %2.\n\n%3").arg(path, result.problem, kept));
}

bool BookmarksWindow::save()
{
    QString error;
    if (m_model->save(m_folder, error))
        return true;
    m_services.dialogs.message(
        MessageIcon::Critical, kShortTitle,
        tr("The bookmarks could not be saved to %1: %2.\n\nThe file keeps its earlier contents.")
            .arg(nativePath(BookmarkList::filePath(m_folder)), error));
    return false;
}

void BookmarksWindow::playCurrent()
{
    const QModelIndex current = m_lstB->currentIndex();
    if (!current.isValid() || !m_play)
        return;
    m_play(bookmarks().at(current.row()).link, bookmarks().at(current.row()).text);
}

void BookmarksWindow::deleteSelected()
{
    QList<int> rows;
    for (const QModelIndex& index : m_lstB->selectionModel()->selectedIndexes())
        rows.append(index.row());
    m_model->removeEach(rows);
    save();
}

void BookmarksWindow::showCurrentLink()
{
    const QModelIndex current = m_lstB->currentIndex();
    if (current.isValid())
        setStatus(current.data(BookmarkModel::LinkRole).toString());
}

void BookmarksWindow::showMenu(const QPoint& position)
{
    m_menu->popup(m_lstB->viewport()->mapToGlobal(position));
}

void BookmarksWindow::exportPlaylist()
{
    const std::optional<QString> chosen =
        m_services.dialogs.saveFile(m_playlistFolder, playlistFilter(), QStringLiteral("m3u"));
    if (!chosen)
        return;
    const QString path = *chosen;
    m_playlistFolder = QFileInfo(path).absolutePath();

    QList<PlaylistEntry> entries;
    int unfit = 0;
    for (const Bookmark& bookmark : bookmarks().items()) {
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
            tr("The playlist could not be written to %1: %2.").arg(nativePath(path), error));
        return;
    }
    setStatus(withCounts(tr("Exported %1 bookmarks to %2").arg(entries.size()).arg(nativePath(path)),
                         {{unfit, tr("left out (link not fit for a playlist)")}}));
}

void BookmarksWindow::importPlaylist()
{
    const std::optional<QString> chosen = m_services.dialogs.openFile(m_playlistFolder, openFilter());
    if (!chosen)
        return;
    m_playlistFolder = QFileInfo(*chosen).absolutePath();
    const PlaylistRead read = Playlist::readFile(*chosen);
    if (!read.error.isEmpty()) {
        m_services.dialogs.message(
            MessageIcon::Critical, kShortTitle,
            tr("The playlist %1 could not be read: %2.").arg(nativePath(*chosen), read.error));
        return;
    }
    QSet<QString> links;
    for (const Bookmark& bookmark : bookmarks().items())
        links.insert(bookmark.link);
    QList<Bookmark> added;
    int known = 0;
    for (const PlaylistEntry& entry : read.entries) {
        if (links.contains(entry.link)) {
            ++known;
            continue;
        }
        links.insert(entry.link);
        added.append({entry.name, entry.link});
    }
    m_model->append(added);
    if (!added.isEmpty())
        save();
    setStatus(withCounts(tr("Imported %1 bookmarks from %2").arg(added.size()).arg(nativePath(*chosen)),
                         {{known, tr("already bookmarked")},
                          {read.notAddress, tr("not a stream address")},
                          {read.unsafe, tr("with control characters or a leading \"-\"")},
                          {read.tooLong, tr("too long (over %1 characters)").arg(Playlist::kMaxLinkLength)},
                          {read.overLimit, tr("over the limit of %1").arg(Playlist::kMaxEntries)}}));
}

void BookmarksWindow::setStatus(const QString& text)
{
    m_status = text;
    m_panel->setToolTip(text);
    fitStatus();
}

// What does not fit the panel loses its middle, so that both the start and the counts at the
// end stay in sight; the tool tip shows the whole text.
void BookmarksWindow::fitStatus()
{
    const int room = m_panel->contentsRect().width();
    m_panel->setText(m_panel->fontMetrics().elidedText(m_status, Qt::ElideMiddle, room));
}

void BookmarksWindow::layOut()
{
    const int width = this->width();
    const int height = this->height();
    const QRect list(twipsX(1), twipsY(1), width, std::max(0, height - twipsY(1000)));
    m_lstB->setGeometry(list);
    m_panel->setFixedWidth(std::max(0, width - twipsX(100)));
    fitStatus();
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
