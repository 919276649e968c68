#pragma once

#include <QObject>
#include <QString>

// The numeric ids of the program's windows, bars and controls, which they carry as objectName
// (tools and tests find them by it). Ids are unique within one window or dialog, not across them.
enum class ControlId
{
    None = 0, ///< no id: the control gets no objectName
    Ok = 1,   ///< the OK button of every dialog

    // Windows and bars.
    AboutDialog = 100,
    ScaleKeyBar = 105,
    ScaleKeyDock = 106,
    OverlayBar = 109,
    OverlayDock = 110,
    MainFrame = 128, ///< the window and its menu bar
    TunerDialog = 145,
    PlayDialog = 149,
    ToolBar = 59392,

    // The ScaleKey bar. The degree check boxes, tuning spins and tuning labels have one id per
    // row: see DegreeCheckId, TuningSpinId and TuningLabelId.
    DegreeCheck0 = 1000, ///< degree 0 (the root); degree d is 1000 + d
    ScaleList = 1026,
    TuningSpin0 = 1028,  ///< the top row; rows 1..5 follow, row 6 is TuningSpin6
    TuningLabel0 = 1034, ///< the top row; row r is 1034 + r
    TuningSpin6 = 1042,
    RootSpin = 1043,
    RootLabel = 1052,

    // The OverlayScaleName bar.
    OverlayList = 1041,
    CommonNotes = 1044, ///< "Show common notes"
    AllNotes = 1045,    ///< "Show all notes"
    OverlayRootSpin = 1047,
    OverlayRootLabel = 1051,

    // "Pinto - Configuration".
    Legend = 1000,
    LegendScaleNote = 1001,
    LegendRootNote = 1002,
    StringSpin = 1028,
    StringCount = 1034,
    ViewDots = 1051,
    SuppressColor = 1052,
    ViewDegrees = 1053,
    DotMarkers = 1054,
    ViewNotes = 1055,
    Guitar = 1062,
    Bass = 1063,
    Mandolin = 1064,
    Banjo = 1065,

    // The name entry of Save and Save Pattern.
    NameEdit = 1034,

    // The pattern setup dialog.
    SavePattern = 1060,
    PatternList = 1061,
    ForgetPattern = 1062,
    PatternBoard = 1065,

    // "Play it".
    PlayScheme = 1007,
    Loop = 1008,
    PlayText = 1009,
    BpmSpin = 1010,
    Bpm = 1011,
    PlayUp = 1012,
    PlayDown = 1013,
    PlayUpAndDown = 1014,
    PlayIt = 1015,
    PlayStop = 1016,

    // "Pinto - Tuner". The note buttons' ids skip that of "Stop It".
    TunerText = 1003,
    TunerNotes = 1004,
    TuneToMe = 1012,
    Chromatic = 1013,
    NoteA = 1014,
    NoteASharp = 1015,
    NoteB = 1016,
    TunerStop = 1017,
    NoteC = 1018,
    NoteCSharp = 1019,
    NoteD = 1020,
    NoteDSharp = 1021,
    NoteE = 1022,
    NoteF = 1023,
    NoteFSharp = 1024,
    NoteG = 1025,
    NoteGSharp = 1026,
    TunerScheme = 1027,
};

/// The ScaleKey bar's check box of degree 0..11 above the root.
constexpr ControlId DegreeCheckId(int degree)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::DegreeCheck0) + degree);
}

/// The ScaleKey bar's tuning spin of row 0..6 (row 0 the top one).
constexpr ControlId TuningSpinId(int row)
{
    return row == 6 ? ControlId::TuningSpin6
                    : static_cast<ControlId>(static_cast<int>(ControlId::TuningSpin0) + row);
}

/// The ScaleKey bar's tuning label of row 0..6 (row 0 the top one).
constexpr ControlId TuningLabelId(int row)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::TuningLabel0) + row);
}

/// The object name that carries a numeric id, e.g. "1026".
inline QString IdName(int id)
{
    return QString::number(id);
}

/// The object name that carries control's id, e.g. "1026" for ControlId::ScaleList.
inline QString IdName(ControlId control)
{
    return IdName(static_cast<int>(control));
}

/// Finds the child of root that carries control's id, or null.
template <class T> T* FindById(const QObject* root, ControlId control)
{
    return root->findChild<T*>(IdName(control));
}
