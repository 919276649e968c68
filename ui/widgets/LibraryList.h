#pragma once

#include <QComboBox>
#include <QElapsedTimer>

// A drop-down list of library records: scales, patterns or sound schemes. However the style
// places the open list (below the box, above it or over it), box and open list together span
// kDroppedHeight pixels, room enough to scroll through a long library. Typing into the closed
// list finds the first entry that starts with what was typed, blanks included ("Minor
// Pentatonic"), and chooses it as a click would; a letter typed again on its own steps to the
// next entry that starts with it.
class LibraryList : public QComboBox
{
    Q_OBJECT

public:
    /// Total height in pixels of the box and its open list.
    static constexpr int kDroppedHeight = 100;

    explicit LibraryList(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_typed;       ///< what was typed since the last pause
    QElapsedTimer m_since; ///< time since the last key typed
};
