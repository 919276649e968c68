#pragma once

class QString;
class QWidget;
class SoundSchemeTable;

// Tells the user why a chosen sound scheme plays only alert sounds: its samples are gone (they
// lay in a build folder since deleted, say). Each scheme is named once in a run of the program.
class MissingSamplesNotice
{
public:
    /// When a sample of slot (1..9) of table is missing or unreadable and no scheme called name
    /// has been reported yet, shows an information box over parent that names the scheme, the
    /// first such sample and why; does nothing otherwise (slot 0 or less included).
    static void ShowOnce(QWidget* parent, const SoundSchemeTable& table, int slot,
                         const QString& name);
};
