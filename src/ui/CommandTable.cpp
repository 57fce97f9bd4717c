#include "ui/CommandTable.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "ui/Artwork.h"

namespace {
void showFace(QToolButton& button, const ToolbarFace& face)
{
    button.setText(face.caption);
    button.setToolTip(face.toolTip);
    button.setIcon(Artwork::toolbarImage(face.image));
}
} // namespace

QAction* CommandTable::add(CommandId id, Entry entry)
{
    auto* action = new QAction(entry.caption, this);
    action->setObjectName(entry.objectName);
    if (!entry.shortcut.isEmpty()) {
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(entry.context);
    }
    connect(action, &QAction::triggered, this, [this, id] { run(id); });
    m_commands.insert_or_assign(id, Command{std::move(entry), action});
    return action;
}

QAction* CommandTable::action(CommandId id) const
{
    const auto found = m_commands.find(id);
    return found == m_commands.end() ? nullptr : found->second.action;
}

void CommandTable::run(CommandId id, const CommandArgs& args)
{
    const auto found = m_commands.find(id);
    if (found == m_commands.end())
        return;
    const Entry& entry = found->second.entry;
    if (entry.enabled && !entry.enabled())
        return;
    if (entry.rule && !entry.rule())
        return;
    if (entry.handler)
        entry.handler(args);
}

void CommandTable::buildToolbar(QToolBar& toolbar, const QSize& iconSize)
{
    std::map<int, CommandId> byPosition;
    for (const auto& [id, command] : m_commands) {
        if (command.entry.toolbar)
            byPosition.emplace(command.entry.toolbar->position, id);
    }
    toolbar.setIconSize(iconSize);
    for (const auto& [position, id] : byPosition) {
        if (!toolbar.actions().isEmpty())
            toolbar.addSeparator();
        auto* button = new QToolButton(&toolbar);
        button->setObjectName(QStringLiteral("Toolbar1Button") + QString::number(position));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        showFace(*button, m_commands.at(id).entry.toolbar->face);
        connect(button, &QToolButton::clicked, this, [this, id = id] { clickToolbar(id); });
        toolbar.addWidget(button);
        m_commands.at(id).button = button;
    }
    refresh();
}

QToolButton* CommandTable::toolbarButton(CommandId id) const
{
    const auto found = m_commands.find(id);
    return found == m_commands.end() ? nullptr : found->second.button;
}

void CommandTable::setToolbarFace(CommandId id, const ToolbarFace& face)
{
    if (QToolButton* button = toolbarButton(id))
        showFace(*button, face);
}

void CommandTable::refresh()
{
    for (auto& [id, command] : m_commands) {
        const bool on = !command.entry.enabled || command.entry.enabled();
        command.action->setEnabled(on);
        if (command.button)
            command.button->setEnabled(on);
    }
}

void CommandTable::clickToolbar(CommandId id)
{
    if (m_toolbarGuard && !m_toolbarGuard())
        return;
    run(id);
}
