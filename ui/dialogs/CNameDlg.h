#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

// Asks for the name under which a scale or a pattern is saved. The edit starts empty; OK (or
// Enter) confirms, Escape and the close box cancel.
class CNameDlg : public QDialog
{
    Q_OBJECT

public:
    /// Most characters a name may have.
    static constexpr int kMaxNameLength = 99;

    explicit CNameDlg(QWidget* parent = nullptr);

    /// The confirmed name, UTF-8, at most 99 characters (code points), spaces kept; empty unless
    /// the dialog was closed with OK, and empty for a name of blanks only.
    const std::string& Name() const { return m_name; }

    /// text cut to its first 99 characters (code points) in UTF-8; empty when it holds only
    /// blanks.
    static std::string CutName(const QString& text);

public slots:
    void accept() override;
    void reject() override;

private:
    QLineEdit* m_edit;
    std::string m_name;
};
