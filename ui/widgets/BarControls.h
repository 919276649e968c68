#pragma once

#include "ControlId.h"

#include <QString>

class CUpDown;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

// Makers of the controls the two bars share, each placed at its template rectangle in dialog
// units and named by its id.
class BarControls
{
public:
    /// A group box with caption at (x, y, cx, cy) dialog units.
    static QGroupBox* Group(QWidget* bar, const QString& caption, int x, int y, int cx, int cy);
    /// An up-down control with id at (x, y, cx, cy) dialog units.
    static CUpDown* Spin(QWidget* bar, ControlId id, int x, int y, int cx, int cy);
    /// A read-only edit with id at (x, y, cx, cy) dialog units.
    static QLineEdit* Label(QWidget* bar, ControlId id, int x, int y, int cx, int cy);
    /// A drop-down list with id and one empty item; box and dropped list span 100 px.
    static QComboBox* List(QWidget* bar, ControlId id, int x, int y, int cx, int cy);
};
