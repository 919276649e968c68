#pragma once

#include <QObject>

class QMenu;

// Shows, on hover, the tool tip of a menu's disabled items, which tells why they cannot be
// chosen; the menu's enabled items show none, as before.
class DisabledItemTip : public QObject
{
    Q_OBJECT

public:
    /// Watches menu, and lives as its child.
    explicit DisabledItemTip(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* m_menu;
};
