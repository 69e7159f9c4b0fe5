#pragma once

#include <QAction>
#include <QPointer>

namespace tw {

// Binds a menu entry to a command: the entry shows the command's caption, image, shortcut and
// enabled state, follows every later change of them, and runs the command when chosen. The
// command's own shortcut stays the one that works in the window; the entry only shows it. A check
// mark is the entry's own: the language commands set it on the entries themselves.
class MenuEntry : public QObject {
public:
    MenuEntry(QAction* entry, QAction* command);

private:
    void follow();
    void choose(bool checkedByQt);

    QAction* entry_;
    QPointer<QAction> command_;
};

} // namespace tw
