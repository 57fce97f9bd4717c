#include "ui/CommandTable.h"

#include <QAction>

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

void CommandTable::run(CommandId id)
{
    const auto found = m_commands.find(id);
    if (found == m_commands.end())
        return;
    const Entry& entry = found->second.entry;
    if (entry.rule && !entry.rule())
        return;
    if (entry.handler)
        entry.handler();
}
