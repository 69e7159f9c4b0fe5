#include "window/MenuEntry.h"

namespace tw {

MenuEntry::MenuEntry(QAction* entry, QAction* command) : QObject(entry), entry_(entry), command_(command)
{
    entry_->setCheckable(command->isCheckable());
    entry_->setChecked(command->isChecked());
    if (entry_->shortcut().isEmpty()) {
        entry_->setShortcut(command->shortcut());
        // Shown in the menu, but only the command's shortcut acts in the window.
        entry_->setShortcutContext(Qt::WidgetShortcut);
    }
    follow();
    connect(command, &QAction::changed, this, &MenuEntry::follow);
    connect(entry_, &QAction::triggered, this, &MenuEntry::choose);
}

void MenuEntry::follow()
{
    if (!command_)
        return;
    entry_->setText(command_->text());
    entry_->setIcon(command_->icon());
    entry_->setEnabled(command_->isEnabled());
    entry_->setToolTip(command_->toolTip());
    entry_->setStatusTip(QString());
}

void MenuEntry::choose(bool checkedByQt)
{
    // Qt flips a checkable entry before it reports the choice; the command decides about the mark.
    if (entry_->isCheckable())
        entry_->setChecked(!checkedByQt);
    if (command_)
        command_->trigger();
}

} // namespace tw
