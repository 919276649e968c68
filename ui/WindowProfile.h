#pragma once

class QWidget;

// The main window's size, place and maximised state, kept between runs in the application's
// profile.
class WindowProfile
{
public:
    /// Gives window (not yet shown) its size, place and maximised state as last kept. A place off
    /// every screen leaves the window where the window system puts it; a size larger than the
    /// screen shrinks to it; with nothing kept the window is left as it is.
    static void Restore(QWidget& window);
    /// Keeps window's size and place as it has them when not maximised, and whether it is
    /// maximised.
    static void Save(const QWidget& window);
};
