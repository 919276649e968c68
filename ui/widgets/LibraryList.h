#pragma once

#include <QComboBox>

// A drop-down list of library records: scales, patterns or sound schemes. However the style
// places the open list (below the box, above it or over it), box and open list together span
// kDroppedHeight pixels, room enough to scroll through a long library.
class LibraryList : public QComboBox
{
    Q_OBJECT

public:
    /// Total height in pixels of the box and its open list.
    static constexpr int kDroppedHeight = 100;

    explicit LibraryList(QWidget* parent = nullptr);

    void showPopup() override;
};
