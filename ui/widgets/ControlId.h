#pragma once

#include <QObject>
#include <QString>

/// The object name that carries a control's or command's numeric id, e.g. "1026".
inline QString IdName(int id)
{
    return QString::number(id);
}

/// Finds the child of root that carries the numeric id, or null.
template <class T> T* FindById(const QObject* root, int id)
{
    return root->findChild<T*>(IdName(id));
}
