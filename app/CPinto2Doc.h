#pragma once

#include <QObject>

// The document of the single-document window. It holds nothing: a new document starts empty,
// storing writes nothing and loading reads nothing.
class CPinto2Doc : public QObject
{
    Q_OBJECT

public:
    /// An empty document.
    explicit CPinto2Doc(QObject* parent = nullptr);
    /// Nothing is ever modified, so closing never asks to save.
    bool IsModified() const { return false; }
};
