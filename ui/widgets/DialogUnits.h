#pragma once

#include "ControlId.h"

#include <QFont>
#include <QRect>
#include <QWidget>

// Converts dialog-template units to pixels with fixed base units of 6 x 13 pixels,
// so bars and dialogs keep their template layout whatever font the system finds.
namespace DialogUnits {

/// Horizontal dialog units to pixels (1 unit = 1.5 px, rounded).
int X(int du);
/// Vertical dialog units to pixels (1 unit = 1.625 px, rounded).
int Y(int du);
/// Rectangle of a template control at (x, y) of size cx x cy, all in dialog units.
QRect Rect(int x, int y, int cx, int cy);
/// Client size of a template of cx x cy dialog units.
QSize Size(int cx, int cy);
/// The templates' font: "MS Sans Serif" 8 pt, mapped to Liberation Sans.
QFont Font();
/// Gives a control its template rectangle and the templates' font.
void Place(QWidget* widget, int x, int y, int cx, int cy);
/// Widens a label, radio button or check box to its whole caption where our font needs more
/// room than the template gave; never narrows it.
void FitCaption(QWidget* control);

/// A new control of type T in parent, named by its id (or unnamed), at its template rectangle.
template <class T> T* Create(QWidget* parent, ControlId id, int x, int y, int cx, int cy)
{
    auto* control = new T(parent);
    if (id != ControlId::None) {
        control->setObjectName(IdName(id));
    }
    Place(control, x, y, cx, cy);
    return control;
}

} // namespace DialogUnits
