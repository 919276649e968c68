#pragma once

#include <QString>

class QMessageBox;
class QWidget;

/// Shows a modal message box with the information icon, a title, one sentence and an OK button.
void ShowInfo(QWidget* parent, const QString& title, const QString& text);
/// Shows a modal message box with the warning icon, a title, one sentence and an OK button.
void ShowWarning(QWidget* parent, const QString& title, const QString& text);
/// Width in pixels a window manager needs to show title whole: the text in a bold caption font
/// with room for the window icon and three caption buttons.
int CaptionWidth(const QString& title);
/// Makes box at least CaptionWidth of its title wide, so its caption is not cut.
void FitTitle(QMessageBox& box);
