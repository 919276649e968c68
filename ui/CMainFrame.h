#pragma once

#include "CommandId.h"
#include "DiagramOptions.h"
#include "Instrument.h"
#include "RenderOptions.h"
#include "StoreResult.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class AppState;
class CPinto2View;
class CScaleKeyBar;
class COverlayScaleNameBar;
class ScaleListModel;
struct ScaleRecord;
struct TuningPreset;
class QAction;
class QActionGroup;
class QComboBox;
class QDockWidget;
class QMenu;
class QPrinter;
class QToolBar;

// The program's one window: toolbar, the ScaleKey bar at the left, the OverlayScaleName bar above
// the diagram, and the diagram view. Handles every bar notification and every command.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the frame, reads the settings and the scale library into state and builds the board.
    explicit CMainFrame(AppState& state, QWidget* parent = nullptr);
    /// Writes the settings file unless closing the window did, then deletes the fretboard.
    ~CMainFrame() override;

    /// The process-wide state this frame works on.
    AppState& State();
    /// The diagram view.
    CPinto2View* View();
    /// Repaints the whole diagram from the model and the settings.
    void Redraw();
    /// Re-strings the board with the standard tuning of the configured instrument, then redraws.
    void ApplyConfiguration();
    /// Writes the seven tuning labels: row 0 (top) shows the string of the diagram's top line
    /// (the highest string, or string 0 with the low string on top), unused rows "  ".
    void ShowTuningLabels();
    /// Clears scale and overlay degrees, resets both bars and shows "Show all notes".
    void NewScale();
    /// The scale list: item 0 is empty, item i + 1 is library record i.
    QComboBox* ScaleList();
    /// The overlay list: item 0 is empty, item i + 1 is library record i.
    QComboBox* OverlayList();
    /// What choosing list item listIndex (0 = empty item) of the scale list does.
    void ApplyScaleSelection(int listIndex);
    /// What choosing list item listIndex (0 = empty item) of the overlay list does.
    void ApplyOverlaySelection(int listIndex);
    /// A click on the neck: row 0..stringCount-1 from the top of the diagram as drawn, fret 0 up
    /// to the neck's highest fret; flips that degree.
    void ToggleDegreeAt(int row, int fret);
    /// A click on the check box of degree 0..11 above the scale root.
    void ToggleScaleDegree(int degree);
    /// Ticks each of the 12 degree check boxes whose degree string 0 classifies as non-zero.
    void SetDegreeChecksFromBoard();
    /// The printer shared by Print Setup, Print and Print Preview (made on first use).
    QPrinter& Printer();
    /// Paints the diagram for the printer onto printer's single page; the window's view and
    /// its clicks stay as they are.
    void PrintTo(QPrinter& printer);
    /// Draws every picture of the neck with options: gives the board options' fret count (a new
    /// count forgets the matches, and the placement unless it still fits), gives the whole
    /// program options' colours, ticks the Diagram menu's toggles, fret count, look and colours,
    /// keeps them in the profile, rewrites the note labels and redraws.
    void SetDiagramOptions(const DiagramOptions& options);
    /// Writes the diagram as Export Diagram does into fileName, whose ending (.png, .svg, .pdf;
    /// PNG for any other) chooses the format: PNG and SVG at the view's size, PDF as the printed
    /// page. A failure shows the information box naming the file; returns whether it was written.
    bool ExportDiagram(const QString& fileName);
    /// Writes the exercise Play It would play now into fileName, as a MIDI file for an ending of
    /// .mid or .midi, else as a WAV file. A failure shows the information box naming the file
    /// (on top of the open dialog, if any); returns whether it was written.
    bool SaveExercise(const QString& fileName);
    /// Writes the scale book of the applied library scale into the PDF fileName on letter or A4
    /// paper, upright or landscape. A failure shows the information box naming the file; returns
    /// whether it was written.
    bool ExportScaleBook(const QString& fileName, RenderOptions::Book book, bool letter,
                         bool landscape);
    /// None: the toolbar and the bars offer no menu of their own (nothing to show or hide there).
    QMenu* createPopupMenu() override;
    /// Shows one information box for each data file (settings, scales and patterns) that was
    /// there but could not be read to its end, with the reason; run once after the window is shown.
    void ReportUnreadFiles();

    // Commands of the menu, toolbar and accelerators (each action's objectName is its CommandId).
    void OnNewScale();       ///< NewScale
    void OnSaveScale();      ///< SaveScale
    void OnForgetScale();    ///< ForgetScale
    void OnPrint();          ///< Print, with the print dialog
    void OnPrintDirect();    ///< PrintDirect, without a dialog
    void OnPrintPreview();   ///< PrintPreview
    void OnPrintSetup();     ///< PrintSetup
    void OnSetPattern();     ///< SetPattern
    void OnFindPattern();    ///< FindPattern
    void OnPrevPattern();    ///< PrevPattern
    void OnNextPattern();    ///< NextPattern
    void OnModulateDown();   ///< ModulateDown
    void OnModulateUp();     ///< ModulateUp
    void OnRemovePattern();  ///< RemovePattern
    void OnPlayIt();         ///< PlayIt
    void OnTuneUp();         ///< TuneUp
    void OnConfigure();      ///< Configure
    void OnAbout();          ///< About
    void OnDiagramToggled(); ///< "&Left-handed", "Low string on &top", "Note names by &key"
    void OnFretsChosen(QAction* choice); ///< "&Frets": 12, 15, 17, 19, 21, 22 or 24
    /// "Root as Sharp" or "Root as Flat" ticked or cleared; ticking one clears the other.
    void OnRootSpellingToggled(QAction* toggle);
    /// "Degree &Names": "&Classic (-3, +4)", "&Flats and Sharps (b3, #4)", "&Intervals (m3, P5)"
    void OnDegreeNamesChosen(QAction* choice);
    void OnLookChosen(QAction* choice);    ///< "L&ook": "&Classic" or "&Modern"
    void OnColoursChosen(QAction* choice); ///< "Colo&urs": "&System", "&Light" or "&Dark"
    void OnCopyDiagram();        ///< "&Copy Diagram\tCtrl+C": the view's picture to the clipboard
    void OnExportDiagram();      ///< "&Export Diagram...\tCtrl+E": asks for a file, then exports
    void OnChooseScale();        ///< "&Choose Scale...\tCtrl+K": the chooser, for the scale
    void OnChooseOverlayScale(); ///< the overlay bar's chooser button (Ctrl+Shift+K)
    void OnExportScaleBook();    ///< "Export Scale &Book...": asks what and where, then exports
    void OnPractice();           ///< "P&ractice...": the practice settings, kept in the profile
    void OnSaveExercise();       ///< "Save &Exercise As...": asks for a file, then saves
    void OnFretRange();          ///< "Fret &Range...": asks for the frets to draw
    void OnWholeNeck();          ///< "&Whole Neck\tCtrl+0": draws the whole neck again
    void OnCapoChosen(QAction* choice); ///< "&Capo": None or a fret 1..12
    void OnCapoShapes();                ///< "Capo labels as &shapes"
    /// A preset of "&Tunings" or its "More Instruments": strings the board as the preset's
    /// instrument with its string count and tuning, as Configure and the tuning arrows would.
    void ApplyTuningPreset(const TuningPreset& preset);
    /// "&Chord on Degree": shows the chord on step 0..6 of the scale (a seventh chord when
    /// seventh) as the overlay, its tones marked on the scale; step -1, or the chord on show
    /// chosen again, brings back the overlay the user had.
    void ShowChord(int step, bool seventh);

    // Bar notifications; delta is the spin's step: -1 raises a note, +1 lowers it.
    void OnRootSpin(int delta);            ///< ControlId::RootSpin
    void OnOverlayRootSpin(int delta);     ///< ControlId::OverlayRootSpin
    void OnTuningSpin(int row, int delta); ///< tuning row 0..6 (TuningSpinId)
    void OnOverlayAll();                   ///< ControlId::AllNotes
    void OnOverlayCommon();                ///< ControlId::CommonNotes

signals:
    /// Emitted once, after the window has painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    /// Keeps the window's size, place and maximised state in the profile and writes the settings
    /// file; when the user closed the window, a failure is told in a box.
    void closeEvent(QCloseEvent* event) override;
    /// Redraws the toolbar's icons for a new palette.
    void changeEvent(QEvent* event) override;

private:
    void CreateToolBarAndMenu();
    void CreateBars();
    void CreateDiagramMenu();
    /// "&Tunings", "&Capo" and "&Chord on Degree", put into menu before action before.
    void CreateNeckMenus(QMenu* menu, QAction* before);
    /// Lists the presets of the configured instrument and string count, and the others under
    /// "More Instruments".
    void FillTuningsMenu();
    /// Ticks the preset the tuning matches ("Custom" for none), the capo, and names the chords
    /// of the scale, or disables their menu saying why.
    void ShowNeckChecks();
    /// Follows a change of the scale with the chord on show: the same step's chord of the new
    /// scale, or the user's overlay back when the scale has no seven notes.
    void FollowScaleWithChord();
    /// Ends the chord on show: with restore the user's overlay comes back, else it is dropped
    /// (a new scale, an overlay chosen).
    void EndChord(bool restore);
    /// Adds Choose Scale after forget and Export Scale Book after printSetup in the Scale menu.
    void AddScaleCommands(QMenu* menu, QAction* forget, QAction* printSetup);
    /// "P&ractice..." and "Save &Exercise As..." at the end of menu (the Sound menu).
    void AddPracticeItems(QMenu* menu);
    /// Ticks the Diagram menu's toggles and fret count as the state's options have them.
    void ShowDiagramChecks();
    /// The root labels and the tuning labels, spelled as the diagram's options say.
    void ShowNoteNames();
    /// The degree check boxes' captions, named as the diagram's options say for the scale.
    void ShowDegreeNames();
    /// Two-character label of layer's root, spelled as the diagram's options say.
    QString RootLabel(int layer) const;
    void CreateFretboard(const std::vector<int>& tunings);
    void SetRootLabels();
    /// Clears matches and pattern, selects listIndex in list and loads its record into layer.
    const ScaleRecord* LoadListRecord(QComboBox* list, int listIndex, int layer, int& current);
    /// Moves the root of layer by the spin's step and shows it in that layer's root label.
    void ShiftLayerRoot(int layer, int delta);
    void PaintPage(QPrinter& printer);
    void OnViewPainted();
    QAction* MakeAction(CommandId id, const QString& text);
    /// Draws the toolbar's icons again, their lines in the ink the palette asks for.
    void ReloadIcons();
    /// Runs change on the scale library (which may reload it from the file) and keeps the applied
    /// scale, the applied overlay and the overlay list's entry on the same records.
    template <class Change> StoreResult ChangeScaleLibrary(Change change);
    /// Writes the settings file once; a failure is told in a box when tellUser, else on stderr.
    void WriteSettings(bool tellUser);

    AppState& m_state;
    QToolBar* m_toolBar = nullptr;
    COverlayScaleNameBar* m_overlayBar = nullptr;
    CScaleKeyBar* m_scaleKeyBar = nullptr;
    QDockWidget* m_overlayDock = nullptr;
    QDockWidget* m_scaleKeyDock = nullptr;
    CPinto2View* m_view = nullptr;
    ScaleListModel* m_scaleModel = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QAction* m_leftHanded = nullptr;
    QAction* m_lowStringOnTop = nullptr;
    QAction* m_noteNamesByKey = nullptr;
    QActionGroup* m_fretChoices = nullptr;
    QAction* m_rootAsSharp = nullptr;
    QAction* m_rootAsFlat = nullptr;
    QActionGroup* m_degreeNameChoices = nullptr;
    QAction* m_rootAsR = nullptr;
    QMenu* m_tuningsMenu = nullptr;
    QActionGroup* m_capoChoices = nullptr;
    QAction* m_capoShapes = nullptr;
    QMenu* m_chordMenu = nullptr;
    QActionGroup* m_chordChoices = nullptr;
    /// A chord of the scale on show as the overlay, and the overlay the user had before it.
    struct ChordOnShow
    {
        int step = 0;
        bool seventh = false;
        int scaleRoot = 0;                  ///< the scale the chord was built on
        std::array<int, 12> scaleDegrees{}; ///< its degrees
        int overlayRoot = 0;                ///< the user's overlay root, note 0..11
        std::array<int, 12> overlayDegrees{};
        int overlayMode = 1;
        int overlayScale = -1;
    };
    std::optional<ChordOnShow> m_chord;
    QActionGroup* m_lookChoices = nullptr;
    QActionGroup* m_colourChoices = nullptr;
    std::vector<std::pair<QAction*, const char*>> m_iconActions; ///< actions and their icons
    bool m_painted = false;
    int m_settingsError = 0;        // why pinto_c.dat could not be read at start-up
    bool m_settingsWritten = false; // by closing the window
    bool m_exitChosen = false;      // the Exit command closes the window
};
