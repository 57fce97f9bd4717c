#include "ui/MainCommands.h"

#include <QAction>

#include "collections/BookmarkList.h"
#include "collections/LinkText.h"
#include "collections/PresetTable.h"
#include "core/ProductInfo.h"
#include "core/ProductSite.h"
#include "core/Settings.h"
#include "playback/PlayDispatch.h"
#include "playback/ShellOpener.h"
#include "search/Genres.h"
#include "search/GridLayout.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"
#include "ui/BookmarksWindow.h"
#include "ui/MainWindow.h"
#include "ui/ResultsGrid.h"
#include "ui/SetupDialog.h"

MainCommands::MainCommands(Parts parts, QObject* parent) : QObject(parent), m_parts(parts)
{
    addFileCommands();
    addSearchCommands();
    addHelpCommands();
}

void MainCommands::addFileCommands()
{
    MainWindow& window = m_parts.window;
    QAction* preview =
        m_table.add(CommandId::MiniBrowserOnPreview,
                    {QStringLiteral("menuOpen"), QStringLiteral("Open Mini-Browser on Preview"), {}});
    // Checked before the store follows it, so making the entry does not overwrite the stored choice.
    preview->setCheckable(true);
    preview->setChecked(true);
    connect(preview, &QAction::toggled, this,
            [this](bool on) { m_parts.settings.setBoolean(Settings::Key::MiniB, on); });
    m_table.add(CommandId::SetupModeless, {QStringLiteral("menuSetup"), QStringLiteral("&Setup"),
                                           [&window] { window.setupDialog().showModeless(); }, Qt::Key_F2});
    m_table.add(CommandId::SetupModal, {QStringLiteral("cmdSetup"), QStringLiteral("Setup"),
                                        [&window] { window.setupDialog().showModal(); }});
    m_table.add(CommandId::AddStation, {QStringLiteral("menuAdd"), QStringLiteral("&Add a Station"),
                                        [this] { openServicePage(QStringLiteral("/mailform_add.htm")); }});
    m_table.add(CommandId::Exit,
                {QStringLiteral("menuExit"), QStringLiteral("E&xit"), [&window] { window.close(); }});
    CommandTable::Entry copy{QStringLiteral("menuCopy"), QStringLiteral("&Copy"), [this] { copyLink(); },
                             QKeySequence(Qt::CTRL | Qt::Key_C)};
    copy.context = Qt::WindowShortcut;
    m_table.add(CommandId::Copy, copy);
}

void MainCommands::addSearchCommands()
{
    SearchRun& search = m_parts.search;
    m_table.add(CommandId::StartSearch, {QStringLiteral("menuStart"), QStringLiteral("&Start Search"),
                                         [&search] { search.StartSearch(); }});
    m_table.add(CommandId::StopSearch, {QStringLiteral("menuStop"), QStringLiteral("S&top Search"),
                                        [&search] { search.StopSearch(); }});
    // The toolbar's Search button shows "Stop" while a search runs.
    m_table.add(CommandId::SearchOrStop, {QStringLiteral("cmdSearch"), QStringLiteral("Search"), [&search] {
                                              if (search.isSearching())
                                                  search.StopSearch();
                                              else
                                                  search.StartSearch();
                                          }});
    m_table.add(CommandId::Play,
                {QStringLiteral("menuPlay"), QStringLiteral("&Play Stream"), [this] { playCurrentRow(); }});
    m_table.add(
        CommandId::VisitWebsite,
        {QStringLiteral("menuVisit"), QStringLiteral("&Visit Stream Website"), [this] { visitWebsite(); }});
    m_table.add(CommandId::Scan, {QStringLiteral("menuScan"), QStringLiteral("S&can Stations"), [this] {
                                      if (m_startScan)
                                          m_startScan();
                                  }});
    m_table.add(CommandId::ShowBookmarks,
                {QStringLiteral("menuShotBookmarks"), QStringLiteral("&Show Bookmarks"), [this] {
                     if (m_bookmarks)
                         m_bookmarks().showModeless();
                 }});
    m_table.add(CommandId::AddBookmarks,
                {QStringLiteral("menuAddB"), QStringLiteral("&Add Selected Items to Bookmarks"),
                 [this] { addSelectedToBookmarks(); }});
    m_table.add(CommandId::AddBookmark,
                {QStringLiteral("cmdAddBookmark"), QStringLiteral("Add Selected Item to Bookmarks"),
                 [this] { addSelectedToBookmarks(); }});
    m_table.add(CommandId::Email, {QStringLiteral("menuEmail"), QStringLiteral("&Email Link to a Friend"),
                                   [this] { emailLink(); }});
}

void MainCommands::addHelpCommands()
{
    MainWindow& window = m_parts.window;
    m_table.add(CommandId::QuickHelp, {QStringLiteral("menuQuickHelp"), QStringLiteral("&Quick Help"),
                                       [&window] { window.showQuickHelp(); }, Qt::Key_F1});
    m_table.add(CommandId::Support, {QStringLiteral("menuSupport"), QStringLiteral("&Support"),
                                     [this] { openServicePage(ProductSite::kSupportPage); }});
    m_table.add(CommandId::About,
                {QStringLiteral("menuAbout"), QStringLiteral("&About"), [&window] { window.showAbout(); }});
}

void MainCommands::addSelectedToBookmarks()
{
    const QList<int> selected = m_parts.window.grid()->selectedRowsInOrder();
    if (!m_bookmarks || selected.isEmpty() || !m_parts.model.hasResults())
        return;
    QList<BookmarkRow> rows;
    for (const int row : selected) {
        rows.append({m_parts.model.cell(row, ResultsModel::ArchiveTitle),
                     m_parts.model.cell(row, ResultsModel::ArchiveAdditional),
                     m_parts.model.cell(row, ResultsModel::ArchiveUrl)});
    }
    m_bookmarks().addRows(rows, m_parts.window.archiveMode());
}

void MainCommands::toolbarClicked(CommandId id)
{
    if (m_scanActive) {
        m_parts.services.dialogs.message(MessageIcon::Critical, kShortTitle,
                                         QStringLiteral("Please close station scanning window."));
        return;
    }
    m_table.run(id);
}

void MainCommands::playCurrentRow()
{
    const bool archive = m_parts.window.archiveMode();
    m_parts.play.launchURL(m_parts.window.currentCell(GridLayout::linkColumn(archive)),
                           m_parts.window.currentCell(GridLayout::nameColumn(archive)),
                           PlayDispatch::kNoPreset);
}

void MainCommands::visitWebsite()
{
    const QString site = m_parts.window.currentCell(GridLayout::siteColumn(m_parts.window.archiveMode()));
    if (site.isEmpty() || site == QLatin1String("Unknown")) {
        m_parts.services.dialogs.message(MessageIcon::Critical, kAppTitle,
                                         QStringLiteral("No website available."));
        return;
    }
    m_parts.opener.OpenWithShell(site);
}

void MainCommands::pressPreset(int index)
{
    MainWindow& window = m_parts.window;
    window.lightPreset(-1);
    window.setPresetPointer(index, 4);
    const QString& link = m_parts.presets[index].Link;
    if (!link.isEmpty() && link != PresetTable::kEmptyLink) {
        window.lightPreset(index);
        return;
    }
    m_parts.services.dialogs.message(
        MessageIcon::Information, kAppTitle,
        QStringLiteral("Drag and Drop station here while holding Shift Key to assign preset"));
    window.focusSearchBox();
}

void MainCommands::clickPreset(int index)
{
    // The press on an empty preset has explained how to fill it; the click adds nothing.
    if (m_parts.presets.isEmpty(index))
        return;
    const PresetRecord& preset = m_parts.presets[index];
    m_parts.play.launchURL(preset.Link, preset.Name, index);
}

void MainCommands::enterPreset(int index)
{
    pressPreset(index);
    const PresetRecord& preset = m_parts.presets[index];
    m_parts.play.launchURL(preset.Link, preset.Name, index);
}

void MainCommands::assignPreset(int index, const QString& name, const QString& link)
{
    Dialogs& dialogs = m_parts.services.dialogs;
    if (m_parts.window.archiveMode()) {
        dialogs.message(
            MessageIcon::Critical, kShortTitle,
            QStringLiteral("Presets may only be used for live radio and television stations, please "
                           "use bookmarks instead."));
        return;
    }
    if (name.isEmpty() && link.isEmpty())
        return;
    const QString number = QString::number(index + 1);
    if (!m_parts.presets.isEmpty(index) &&
        dialogs.message(MessageIcon::Question, kAppTitle,
                        QStringLiteral("Station currently assigned to Preset ") + number +
                            QStringLiteral(", Reassign ?"),
                        MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_parts.presets.assign(index, name, link, m_parts.settings);
    m_parts.window.setPresetToolTip(index, m_parts.presets[index].Name);
    dialogs.message(MessageIcon::None, kAppTitle,
                    QStringLiteral("Preset ") + number + QStringLiteral(" Assigned to ") +
                        m_parts.presets[index].Name);
}

bool MainCommands::copyLinkBlock()
{
    const bool archive = m_parts.window.archiveMode();
    const QModelIndex current = m_parts.window.grid()->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    if (!m_parts.model.hasResults() || !LinkText::usable(m_parts.model, row, archive)) {
        m_parts.services.dialogs.message(MessageIcon::Critical, kShortTitle,
                                         QStringLiteral("No item selected."));
        return false;
    }
    m_parts.services.clipboard.setText(LinkText::block(m_parts.model, row, archive));
    return true;
}

void MainCommands::copyLink()
{
    copyLinkBlock();
}

void MainCommands::emailLink()
{
    if (!copyLinkBlock())
        return;
    m_parts.services.dialogs.message(
        MessageIcon::Information, kShortTitle,
        QStringLiteral("Skylark! Broadcast will now start your mail program, to insert "
                       "the link press CTRL+V or paste it into the message."));
    m_parts.opener.OpenWithShell(QStringLiteral("mailto:"));
}

void MainCommands::sortByHeader(int column)
{
    const HeaderSort::Key key = m_sort.click(column, m_parts.window.archiveMode());
    if (!m_parts.model.hasResults())
        return; // the direction has flipped all the same
    ResultsGrid* grid = m_parts.window.grid();
    grid->setUpdatesEnabled(false);
    m_parts.model.sortRows(key.column, key.order,
                           key.numeric ? ResultsModel::SortKind::Number : ResultsModel::SortKind::Text);
    grid->selectOnly(0);
    grid->setUpdatesEnabled(true);
}

void MainCommands::gridClicked(bool onRow)
{
    if (onRow)
        preview();
}

void MainCommands::preview()
{
    if (!m_parts.window.previewOnClick()) {
        m_lastPreviewSite.clear();
        return;
    }
    const QString site = m_parts.window.currentCell(GridLayout::siteColumn(m_parts.window.archiveMode()));
    if (site.isEmpty() || site == QLatin1String("Unknown") || site == m_lastPreviewSite)
        return;
    m_lastPreviewSite = site;
    if (m_preview)
        m_preview(site);
}

void MainCommands::genreSearch(int index)
{
    const QList<GenreEntry>& genres = Genres::all();
    if (index < 0 || index >= genres.size())
        return;
    const GenreEntry& genre = genres.at(index);
    m_parts.search.GenreSearch(genre.keywords, genre.categoryText());
}

void MainCommands::openServicePage(const QString& path)
{
    m_parts.opener.OpenWithShell(ProductSite::pageAddress(m_parts.settings, path));
}
