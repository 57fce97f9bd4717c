#include "ui/MainMenus.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include "collections/PresetTable.h"
#include "search/Genres.h"
#include "ui/CommandTable.h"

MainMenus::MainMenus(QMenuBar& bar, CommandTable& commands, std::function<bool()> archiveMode)
    : QObject(&bar), m_bar(bar), m_commands(commands), m_archiveMode(std::move(archiveMode))
{
    const auto add = [&commands](QMenu* menu, std::initializer_list<CommandId> ids) {
        for (const CommandId id : ids)
            menu->addAction(commands.action(id));
    };
    QMenu* file = addMenu("menuFile", QT_TR_NOOP("&File"));
    add(file, {CommandId::MiniBrowserOnPreview, CommandId::SetupModeless, CommandId::AddStation});
    file->addSeparator();
    add(file, {CommandId::Exit});

    add(addMenu("menuEdit", QT_TR_NOOP("&Edit")), {CommandId::Copy});

    QMenu* search = addMenu("menuSearch", QT_TR_NOOP("&Search"));
    add(search, {CommandId::StartSearch, CommandId::StopSearch, CommandId::Play, CommandId::VisitWebsite,
                 CommandId::Scan});
    QMenu* bookmarks = search->addMenu(tr("&Bookmarks"));
    bookmarks->setObjectName(QStringLiteral("menuBookmarks"));
    add(bookmarks, {CommandId::ShowBookmarks, CommandId::AddBookmarks});
    add(search, {CommandId::Email});

    m_select = addMenu("menuSelect", QT_TR_NOOP("&Select Format"));
    connect(m_select, &QMenu::aboutToShow, this, &MainMenus::selectMenuShown);
    addGenreMenus(*m_select);

    add(addMenu("menuHelp", QT_TR_NOOP("&Help")),
        {CommandId::QuickHelp, CommandId::Support, CommandId::About});
}

void MainMenus::addBookmarksDropDown(QToolButton& button, CommandTable& commands)
{
    auto* dropDown = new QMenu(&button);
    dropDown->setObjectName(QStringLiteral("Toolbar1BookmarksMenu"));
    // The drop-down's entries are not toolbar clicks: the scan guard does not apply to them.
    dropDown->addAction(tr("Add Selected Item to Bookmarks"), &commands,
                        [&commands] { commands.run(CommandId::AddBookmark); });
    dropDown->addAction(tr("Show Bookmarks"), &commands,
                        [&commands] { commands.run(CommandId::ShowBookmarks); });
    button.setMenu(dropDown);
    button.setPopupMode(QToolButton::MenuButtonPopup);
}

QMenu* MainMenus::rowMenu(QWidget& parent, CommandTable& commands, const PresetTable& presets,
                          const StationPayload::Station& station)
{
    auto* menu = new QMenu(&parent);
    menu->setObjectName(QStringLiteral("menuRow"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const CommandId id : {CommandId::Play, CommandId::VisitWebsite, CommandId::Copy, CommandId::Email,
                               CommandId::AddBookmarks})
        menu->addAction(commands.action(id));
    QMenu* assign = menu->addMenu(tr("Assi&gn to Preset"));
    assign->setObjectName(QStringLiteral("menuAssignPreset"));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        // Station names come from the network: an "&" in one is shown, not taken as an access key.
        const QString name = presets.isEmpty(i) ? tr("empty") : presets[i].Name;
        const QString number = i < 9 ? u'&' + QString::number(i + 1) : QStringLiteral("1&0");
        QAction* entry = assign->addAction(number + QStringLiteral(": ") +
                                           QString(name).replace(u'&', QStringLiteral("&&")));
        connect(entry, &QAction::triggered, &commands, [&commands, i, station] {
            commands.run(CommandId::AssignPreset, {.index = i, .name = station.name, .link = station.link});
        });
    }
    return menu;
}

QMenu* MainMenus::addMenu(const char* objectName, const char* caption)
{
    QMenu* menu = m_bar.addMenu(tr(caption));
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

void MainMenus::addGenreMenus(QMenu& select)
{
    QMenu* format = select.addMenu(tr("Format"));
    format->setObjectName(QStringLiteral("menuFormat"));
    QMenu* music = select.addMenu(tr("Music Style"));
    music->setObjectName(QStringLiteral("menuMusic"));
    const QList<GenreEntry>& genres = Genres::all();
    for (int i = 0; i < genres.size(); ++i) {
        const GenreEntry& genre = genres.at(i);
        QAction* action =
            (genre.menu == GenreEntry::Menu::Format ? format : music)
                ->addAction(QCoreApplication::translate("Genres", genre.caption.toUtf8().constData()));
        action->setObjectName(genre.objectName);
        connect(action, &QAction::triggered, this,
                [this, i] { m_commands.run(CommandId::GenreSearch, CommandArgs{.index = i}); });
    }
}

void MainMenus::selectMenuShown()
{
    if (!m_archiveMode() || m_noticeShown) {
        m_noticeShown = false;
        return;
    }
    // The notice comes before the menu opens, as a click on the menu title does.
    const QRect title = m_bar.actionGeometry(m_select->menuAction());
    const QPoint at = m_bar.mapToGlobal(title.bottomLeft());
    QTimer::singleShot(0, this, [this, at] {
        m_select->hide();
        m_commands.run(CommandId::SelectFormatNotice);
        m_noticeShown = true;
        m_select->popup(at);
    });
}
