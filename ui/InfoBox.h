#pragma once

#include <QString>

class QWidget;

/// Shows a modal message box with the information icon, a title, one sentence and an OK button.
void ShowInfo(QWidget* parent, const QString& title, const QString& text);
