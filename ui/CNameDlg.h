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

    /// The confirmed name, UTF-8, at most 99 characters (and bytes), spaces kept; empty unless
    /// the dialog was closed with OK.
    const std::string& Name() const { return m_name; }

    /// Cuts text to its first 99 characters, and further when its UTF-8 form would exceed 99 bytes.
    static std::string CutName(const QString& text);

public slots:
    void accept() override;
    void reject() override;

private:
    QLineEdit* m_edit;
    std::string m_name;
};
