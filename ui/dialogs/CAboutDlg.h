#pragma once

#include <QDialog>

// The about box (dialog 100): program name, version and what the program is for.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    /// Builds the about box over parent.
    explicit CAboutDlg(QWidget* parent = nullptr);
};
