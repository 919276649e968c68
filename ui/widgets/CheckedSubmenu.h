#pragma once

#include <QObject>

class QAction;
class QMenu;

// A submenu of choices entered from the keyboard: its mnemonic, or Right or Enter on its item,
// opens it with the keyboard in it and its checked item active (the first choice while none is
// checked), so the arrow keys move on from the choice in force.
class CheckedSubmenu : public QObject
{
    Q_OBJECT

public:
    /// Watches the keys of parent, the menu that holds submenu's item; owned by parent.
    CheckedSubmenu(QMenu* parent, QMenu* submenu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OpensSubmenu(int key, Qt::KeyboardModifiers modifiers) const;
    QAction* Choice() const;

    QMenu* m_parent;
    QMenu* m_submenu;
};
