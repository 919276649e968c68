#pragma once

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Text boxes that show the program's values and take no typing: they look read-only (the
// dialog's face colour behind the text, as platform styles draw read-only edits).
namespace ReadOnlyField {

/// A one-line value such as a note name: read-only, no place in the Tab order.
void MakeLabel(QLineEdit* field);
/// A box of several lines: read-only, reached with Tab and left with Tab, its text selectable
/// with the keyboard and the mouse.
void MakeText(QPlainTextEdit* field);
/// Gives field the read-only look: its text area painted in the window colour, also after the
/// application's colours change.
void ShowReadOnly(QWidget* field);

} // namespace ReadOnlyField
