#include "ui/MainCommands.h"

#include <QAction>
#include <QCoreApplication>

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
#include "ui/AboutWindow.h"
#include "ui/Artwork.h"
#include "ui/BookmarksWindow.h"
#include "ui/MainWindow.h"
#include "ui/PresetStrip.h"
#include "ui/QuickHelpWindow.h"
#include "ui/SearchBox.h"
#include "ui/SetupDialog.h"

namespace {
// A handler that needs none of the command's arguments.
template <typename F> CommandTable::Handler plain(F f)
{
    return [f](const CommandArgs&) { f(); };
}

QString translated(const char* text)
{
    return QCoreApplication::translate("MainCommands", text);
}

ToolbarFace searchFace()
{
    return {translated(QT_TRANSLATE_NOOP("MainCommands", "Search")),
            translated(QT_TRANSLATE_NOOP("MainCommands", "Start Search")), Artwork::SearchImage};
}

ToolbarFace stopFace()
{
    return {translated(QT_TRANSLATE_NOOP("MainCommands", "Stop")),
            translated(QT_TRANSLATE_NOOP("MainCommands", "Stop Search")), Artwork::StopImage};
}

CommandTable::Toolbar button(int position, const char* caption, const char* toolTip, int image)
{
    return {position, {translated(caption), translated(toolTip), image}};
}
} // namespace

MainCommands::MainCommands(Parts parts, QObject* parent) : QObject(parent), m_parts(parts)
{
    addFileCommands();
    addSearchCommands();
    addRowCommands();
    addBookmarkCommands();
    addPresetCommands();
    addHelpCommands();
    m_table.setToolbarGuard([this] { return toolbarAllowed(); });
    connect(&m_parts.search, &SearchRun::busyChanged, this, &MainCommands::searchBusyChanged);
}

void MainCommands::addFileCommands()
{
    SetupDialog& setup = m_parts.setup;
    QAction* preview = m_table.add(CommandId::MiniBrowserOnPreview,
                                   {QStringLiteral("menuOpen"), tr("Open Mini-Browser on Preview"), {}});
    // Checked before the store follows it, so making the entry does not overwrite the stored choice.
    preview->setCheckable(true);
    preview->setChecked(true);
    connect(preview, &QAction::toggled, this,
            [this](bool on) { m_parts.settings.setBoolean(Settings::Key::MiniB, on); });
    const auto idle = [this] { return !m_parts.search.isSearching(); };
    m_table.add(CommandId::SetupModeless, {QStringLiteral("menuSetup"), tr("&Setup"),
                                           plain([&setup] { setup.showModeless(); }), Qt::Key_F2});
    m_table.add(CommandId::SetupModal,
                {QStringLiteral("cmdSetup"),
                 tr("Setup"),
                 plain([&setup] { setup.showModal(); }),
                 {},
                 button(1, QT_TR_NOOP("Setup"), QT_TR_NOOP("Setup Options"), Artwork::SetupImage),
                 idle});
    m_table.add(CommandId::AddStation, {QStringLiteral("menuAdd"), tr("&Add a Station"), plain([this] {
                                            openServicePage(QStringLiteral("/mailform_add.htm"));
                                        })});
    m_table.add(CommandId::Exit, {QStringLiteral("menuExit"), tr("E&xit"), plain([this] {
                                      if (m_shutDown)
                                          m_shutDown();
                                  })});
}

void MainCommands::addSearchCommands()
{
    SearchRun& search = m_parts.search;
    m_table.add(CommandId::StartSearch, {QStringLiteral("menuStart"), tr("&Start Search"),
                                         plain([&search] { search.startSearch(); })});
    m_table.add(CommandId::StopSearch,
                {QStringLiteral("menuStop"), tr("S&top Search"), plain([&search] { search.stopSearch(); })});
    // The toolbar's Search button shows "Stop" while a search runs.
    m_table.add(CommandId::SearchOrStop, {QStringLiteral("cmdSearch"),
                                          tr("Search"),
                                          plain([&search] {
                                              if (search.isSearching())
                                                  search.stopSearch();
                                              else
                                                  search.startSearch();
                                          }),
                                          {},
                                          CommandTable::Toolbar{3, searchFace()}});
    m_table.add(CommandId::SubmitSearch,
                {QStringLiteral("cmdSubmit"), {}, plain([&search] { search.submitSearchBox(); })});
    m_table.add(CommandId::GenreSearch, {QStringLiteral("cmdGenre"), {}, [&search](const CommandArgs& args) {
                                             const QList<GenreEntry>& genres = Genres::all();
                                             if (args.index >= 0 && args.index < genres.size())
                                                 search.genreSearch(genres.at(args.index).keywords,
                                                                    genres.at(args.index).categoryText());
                                         }});
    m_table.add(CommandId::SelectFormatNotice,
                {QStringLiteral("cmdSelectNotice"), {}, plain([&search] { search.selectMenuClicked(); })});
    m_table.add(CommandId::ChangeMode, {QStringLiteral("cmdMode"), {}, plain([this] {
                                            m_parts.search.modeChanged();
                                            m_parts.window.showMode();
                                        })});
    m_table.add(CommandId::SortByColumn, {QStringLiteral("cmdSort"), {}, [this](const CommandArgs& args) {
                                              if (m_parts.search.sortByHeader(args.index))
                                                  m_parts.window.selectFirstRow();
                                          }});
}

void MainCommands::addRowCommands()
{
    const auto idle = [this] { return !m_parts.search.isSearching(); };
    m_table.add(CommandId::Play,
                {QStringLiteral("menuPlay"),
                 tr("&Play Stream"),
                 plain([this] { playCurrentRow(); }),
                 {},
                 button(5, QT_TR_NOOP("Play"), QT_TR_NOOP("Play Stream"), Artwork::PlayImage),
                 idle});
    m_table.add(CommandId::VisitWebsite,
                {QStringLiteral("menuVisit"),
                 tr("&Visit Stream Website"),
                 plain([this] { visitWebsite(); }),
                 {},
                 button(7, QT_TR_NOOP("Website"), QT_TR_NOOP("Visit Stream Website"), Artwork::WebsiteImage),
                 idle,
                 [this] { return siteAvailable(); }});
    m_table.add(CommandId::GridClick, {QStringLiteral("cmdGridClick"), {}, [this](const CommandArgs& args) {
                                           gridClicked(args.onRow);
                                       }});
    CommandTable::Entry copy{QStringLiteral("menuCopy"), tr("&Copy"), plain([this] { copyLink(); }),
                             QKeySequence(Qt::CTRL | Qt::Key_C)};
    copy.context = Qt::WindowShortcut;
    m_table.add(CommandId::Copy, copy);
    m_table.add(CommandId::Email, {QStringLiteral("menuEmail"),
                                   tr("&Email Link to a Friend"),
                                   plain([this] { emailLink(); }),
                                   {},
                                   button(13, QT_TR_NOOP("Email Link"), QT_TR_NOOP("Email Link to a Friend"),
                                          Artwork::EmailImage),
                                   {},
                                   [this] { return rowUsable(); }});
}

void MainCommands::addBookmarkCommands()
{
    const auto idle = [this] { return !m_parts.search.isSearching(); };
    m_table.add(CommandId::Scan,
                {QStringLiteral("menuScan"),
                 tr("S&can Stations"),
                 plain([this] {
                     if (m_startScan)
                         m_startScan();
                 }),
                 {},
                 button(9, QT_TR_NOOP("Scan"), QT_TR_NOOP("Scan Stations"), Artwork::ScanImage),
                 idle});
    m_table.add(CommandId::ShowBookmarks,
                {QStringLiteral("menuShotBookmarks"),
                 tr("&Show Bookmarks"),
                 plain([this] {
                     if (m_bookmarks)
                         m_bookmarks().showModeless();
                 }),
                 {},
                 button(11, QT_TR_NOOP("Bookmarks"), QT_TR_NOOP("Modify Bookmarks"), Artwork::BookmarksImage),
                 idle});
    m_table.add(CommandId::AddBookmarks, {QStringLiteral("menuAddB"), tr("&Add Selected Items to Bookmarks"),
                                          plain([this] { addSelectedToBookmarks(); })});
    m_table.add(CommandId::AddBookmark,
                {QStringLiteral("cmdAddBookmark"), tr("Add Selected Item to Bookmarks"),
                 plain([this] { addSelectedToBookmarks(); })});
}

void MainCommands::addPresetCommands()
{
    m_table.add(CommandId::PressPreset, {QStringLiteral("cmdPressPreset"), {}, [this](const CommandArgs& a) {
                                             pressPreset(a.index);
                                         }});
    m_table.add(CommandId::ClickPreset, {QStringLiteral("cmdClickPreset"), {}, [this](const CommandArgs& a) {
                                             clickPreset(a.index);
                                         }});
    m_table.add(CommandId::EnterPreset, {QStringLiteral("cmdEnterPreset"), {}, [this](const CommandArgs& a) {
                                             enterPreset(a.index);
                                         }});
    m_table.add(CommandId::AssignPreset,
                {QStringLiteral("cmdAssignPreset"), {}, [this](const CommandArgs& a) {
                     assignPreset(a.index, a.name, a.link);
                 }});
}

void MainCommands::addHelpCommands()
{
    m_table.add(CommandId::QuickHelp, {QStringLiteral("menuQuickHelp"), tr("&Quick Help"),
                                       plain([this] { showQuickHelp(); }), Qt::Key_F1});
    m_table.add(CommandId::Support, {QStringLiteral("menuSupport"), tr("&Support"),
                                     plain([this] { openServicePage(ProductSite::kSupportPage); })});
    m_table.add(CommandId::About,
                {QStringLiteral("menuAbout"), tr("&About"), plain([this] { showAbout(); })});
}

void MainCommands::searchBusyChanged(bool busy)
{
    m_table.setToolbarFace(CommandId::SearchOrStop, busy ? stopFace() : searchFace());
    m_table.refresh();
}

bool MainCommands::toolbarAllowed()
{
    if (!m_scanActive)
        return true;
    m_parts.services.dialogs.message(MessageIcon::Critical, kShortTitle,
                                     tr("Please close station scanning window."));
    return false;
}

void MainCommands::addSelectedToBookmarks()
{
    const QList<int> selected = m_parts.window.selectedRows();
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

void MainCommands::playCurrentRow()
{
    const bool archive = m_parts.window.archiveMode();
    m_parts.play.launchURL(m_parts.window.currentCell(GridLayout::linkColumn(archive)),
                           m_parts.window.currentCell(GridLayout::nameColumn(archive)),
                           PlayDispatch::kNoPreset);
}

bool MainCommands::siteAvailable()
{
    const QString site = m_parts.window.currentCell(GridLayout::siteColumn(m_parts.window.archiveMode()));
    if (!site.isEmpty() && site != QLatin1String("Unknown"))
        return true;
    m_parts.services.dialogs.message(MessageIcon::Critical, kAppTitle, tr("No website available."));
    return false;
}

void MainCommands::visitWebsite()
{
    openAddress(m_parts.window.currentCell(GridLayout::siteColumn(m_parts.window.archiveMode())));
}

void MainCommands::pressPreset(int index)
{
    PresetStrip& strip = m_parts.window.presetStrip();
    strip.light(-1);
    strip.setPointer(index, Artwork::PointerHand);
    const QString& link = m_parts.presets[index].Link;
    if (!link.isEmpty() && link != PresetTable::kEmptyLink) {
        strip.light(index);
        return;
    }
    m_parts.services.dialogs.message(
        MessageIcon::Information, kAppTitle,
        tr("Drag and Drop station here while holding Shift Key to assign preset"));
    m_parts.window.focusSearchBox();
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
        dialogs.message(MessageIcon::Critical, kShortTitle,
                        tr("Presets may only be used for live radio and television stations, please "
                           "use bookmarks instead."));
        return;
    }
    if (name.isEmpty() && link.isEmpty())
        return;
    const QString number = QString::number(index + 1);
    if (!m_parts.presets.isEmpty(index) &&
        dialogs.message(MessageIcon::Question, kAppTitle,
                        tr("Station currently assigned to Preset %1, Reassign ?").arg(number),
                        MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_parts.presets.assign(index, name, link, m_parts.settings);
    m_parts.window.presetStrip().setStation(index, m_parts.presets[index].Name);
    dialogs.message(MessageIcon::None, kAppTitle,
                    tr("Preset %1 Assigned to %2").arg(number, m_parts.presets[index].Name));
}

bool MainCommands::rowUsable()
{
    const int row = m_parts.window.currentRow();
    if (m_parts.model.hasResults() && LinkText::usable(m_parts.model, row, m_parts.window.archiveMode()))
        return true;
    m_parts.services.dialogs.message(MessageIcon::Critical, kShortTitle, tr("No item selected."));
    return false;
}

void MainCommands::copyLinkBlock()
{
    m_parts.services.clipboard.setText(
        LinkText::block(m_parts.model, m_parts.window.currentRow(), m_parts.window.archiveMode()));
}

void MainCommands::copyLink()
{
    // In the search box Ctrl+C copies the text selected there, as in any text field.
    if (const QString selected = m_parts.window.searchBox()->selectedText(); !selected.isEmpty()) {
        m_parts.services.clipboard.setText(selected);
        return;
    }
    if (rowUsable())
        copyLinkBlock();
}

void MainCommands::emailLink()
{
    copyLinkBlock();
    m_parts.services.dialogs.message(MessageIcon::Information, kShortTitle,
                                     tr("Skylark! Broadcast will now start your mail program, to insert "
                                        "the link press CTRL+V or paste it into the message."));
    openAddress(QStringLiteral("mailto:"));
}

void MainCommands::gridClicked(bool onRow)
{
    if (onRow)
        preview();
}

void MainCommands::preview()
{
    if (!m_table.action(CommandId::MiniBrowserOnPreview)->isChecked()) {
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

void MainCommands::showQuickHelp()
{
    if (!m_quickHelp) {
        auto* help = new QuickHelpWindow(
            m_parts.settings, [this](const QString& address) { openAddress(address); }, &m_parts.window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setWindowFlag(Qt::Window);
        m_quickHelp = help;
    }
    m_quickHelp->show();
    m_quickHelp->raise();
    m_quickHelp->activateWindow();
}

void MainCommands::showAbout()
{
    if (!m_about) {
        auto* about = new AboutWindow(
            m_splashPicture, m_parts.settings, [this](const QString& address) { openAddress(address); },
            &m_parts.window);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->setWindowFlag(Qt::Window);
        about->setWindowModality(Qt::ApplicationModal);
        m_about = about;
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainCommands::restoreSettings()
{
    if (const auto miniB = m_parts.settings.boolean(Settings::Key::MiniB))
        m_table.action(CommandId::MiniBrowserOnPreview)->setChecked(*miniB);
}

void MainCommands::closeWindows()
{
    for (const QPointer<QWidget>& window : {m_about, m_quickHelp}) {
        if (window)
            window->close();
    }
    m_parts.setup.hide();
}

void MainCommands::openServicePage(const QString& path)
{
    openAddress(ProductSite::pageAddress(m_parts.settings, path));
}

void MainCommands::openAddress(const QString& address)
{
    m_parts.opener.openWithShell(address);
}
