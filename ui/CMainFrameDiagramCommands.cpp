// The Diagram menu's commands: the toggles, the fret count, Copy Diagram and Export Diagram.
#include "CMainFrame.h"

#include "AppPalette.h"
#include "AppState.h"
#include "CPinto2View.h"
#include "DiagramProfile.h"
#include "DiagramWriter.h"
#include "InfoBox.h"
#include "NeckLimits.h"
#include "RenderOptions.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

#include <algorithm>
#include <iterator>

namespace {

// The formats Export Diagram offers, by file ending.
const struct
{
    const char* filter;
    const char* ending;
    RenderOptions::Format format;
} kExportFormats[] = {
    {"PNG image (*.png)", "png", RenderOptions::Format::Png},
    {"SVG drawing (*.svg)", "svg", RenderOptions::Format::Svg},
    {"PDF page (*.pdf)", "pdf", RenderOptions::Format::Pdf},
};

// True when every note of the board's placement lies on one of its strings and frets.
bool PlacementOnBoard(const CFretboard& board)
{
    if (board.placement == nullptr) {
        return true;
    }
    for (int i = 0; i < board.placement->Count(); ++i) {
        const FretPosition position = board.placement->At(i);
        if (!board.IsOnBoard(position.string, position.fret)) {
            return false;
        }
    }
    return true;
}

} // namespace

void CMainFrame::ShowDiagramChecks()
{
    const DiagramOptions& options = m_state.diagram;
    m_leftHanded->setChecked(options.leftHanded);
    m_lowStringOnTop->setChecked(options.lowStringOnTop);
    m_noteNamesByKey->setChecked(options.spelling == NoteSpelling::Key);
    for (QAction* choice : m_fretChoices->actions()) {
        choice->setChecked(choice->data().toInt() == options.frets);
    }
    // The root's sharp or flat only counts where notes are spelled by key.
    m_rootAsSharp->setChecked(options.rootSpelling == RootSpelling::Sharp);
    m_rootAsFlat->setChecked(options.rootSpelling == RootSpelling::Flat);
    m_rootAsSharp->setEnabled(options.spelling == NoteSpelling::Key);
    m_rootAsFlat->setEnabled(options.spelling == NoteSpelling::Key);
    for (QAction* choice : m_degreeNameChoices->actions()) {
        choice->setChecked(choice->data().toInt() == static_cast<int>(options.degreeNaming));
    }
    m_rootAsR->setChecked(options.rootAsR);
    for (QAction* choice : m_lookChoices->actions()) {
        choice->setChecked(choice->data().toInt() == static_cast<int>(options.look));
    }
    for (QAction* choice : m_colourChoices->actions()) {
        choice->setChecked(choice->data().toInt() == static_cast<int>(options.colours));
    }
}

void CMainFrame::SetDiagramOptions(const DiagramOptions& options)
{
    if (options.colours != m_state.diagram.colours) {
        AppPalette::Apply(options.colours);
    }
    // A shorter neck may leave no room for the capo or the range: they go.
    m_state.diagram = NeckLimits::Fitted(options);
    CFretboard& board = *m_state.fretboard;
    const int frets = board.GetFrets();
    const int capo = board.GetCapo();
    const int first = board.RangeFirst();
    const int last = board.RangeLast();
    board.SetFrets(m_state.diagram.frets);
    NeckLimits::ApplyTo(board, m_state.diagram);
    if (board.GetFrets() != frets || board.GetCapo() != capo || board.RangeFirst() != first ||
        board.RangeLast() != last) {
        // The matches were found on the other neck, or beside a capo or range that has moved;
        // the placement stays on show while all of it is still within reach.
        board.ClearMatches();
        if (!PlacementOnBoard(board)) {
            board.RemovePattern();
        }
        m_state.modulationSteps = 0;
    }
    ShowDiagramChecks();
    DiagramProfile::Save(m_state.diagram);
    ShowNoteNames();
    ShowDegreeNames();
    Redraw();
}

void CMainFrame::OnDiagramToggled()
{
    DiagramOptions options = m_state.diagram;
    options.leftHanded = m_leftHanded->isChecked();
    options.lowStringOnTop = m_lowStringOnTop->isChecked();
    options.spelling = m_noteNamesByKey->isChecked() ? NoteSpelling::Key : NoteSpelling::Sharps;
    options.rootAsR = m_rootAsR->isChecked();
    SetDiagramOptions(options);
}

void CMainFrame::OnRootSpellingToggled(QAction* toggle)
{
    DiagramOptions options = m_state.diagram;
    if (!toggle->isChecked()) {
        options.rootSpelling = RootSpelling::Auto;
    } else {
        options.rootSpelling = toggle == m_rootAsSharp ? RootSpelling::Sharp : RootSpelling::Flat;
    }
    SetDiagramOptions(options);
}

void CMainFrame::OnDegreeNamesChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.degreeNaming = static_cast<DegreeNaming>(choice->data().toInt());
    SetDiagramOptions(options);
}

void CMainFrame::OnFretsChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.frets = choice->data().toInt();
    SetDiagramOptions(options);
}

void CMainFrame::OnLookChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.look = static_cast<DiagramLook>(choice->data().toInt());
    SetDiagramOptions(options);
}

void CMainFrame::OnColoursChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.colours = static_cast<ColourScheme>(choice->data().toInt());
    SetDiagramOptions(options);
}

void CMainFrame::OnCopyDiagram()
{
    QGuiApplication::clipboard()->setImage(DiagramWriter::Picture(m_state, m_view->size()));
}

void CMainFrame::OnExportDiagram()
{
    QStringList filters;
    for (const auto& format : kExportFormats) {
        filters << QString::fromLatin1(format.filter);
    }
    QFileDialog dialog(this, QStringLiteral("Export Diagram"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kExportFormats[0].ending));
    // A name typed without an ending gets the chosen format's, and the overwrite question
    // asks about that file.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        if (const qsizetype chosen = filters.indexOf(f); chosen >= 0) {
            dialog.setDefaultSuffix(QString::fromLatin1(kExportFormats[chosen].ending));
        }
    });
    dialog.selectFile(QStringLiteral("diagram.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // A name with an ending of no format offered gets the chosen format's too.
    const QString ending = QFileInfo(fileName).suffix().toLower();
    const bool known = std::any_of(std::begin(kExportFormats), std::end(kExportFormats),
                                   [&ending](const auto& f) { return ending == f.ending; });
    if (!known) {
        const int chosen = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
        fileName += QLatin1Char('.') + QString::fromLatin1(kExportFormats[chosen].ending);
    }
    ExportDiagram(fileName);
}

bool CMainFrame::ExportDiagram(const QString& fileName)
{
    RenderOptions options;
    options.file = QFile::encodeName(fileName).toStdString();
    const QString ending = QFileInfo(fileName).suffix().toLower();
    for (const auto& format : kExportFormats) {
        if (ending == QLatin1String(format.ending)) {
            options.format = format.format;
        }
    }
    options.width = m_view->width();
    options.height = m_view->height();
    // The printed page: the size chosen in Print Setup when it is Letter, else A4, and turned
    // as chosen there.
    options.letter =
        m_printer != nullptr && m_printer->pageLayout().pageSize().id() == QPageSize::Letter;
    options.landscape =
        m_printer != nullptr && m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    std::string error;
    if (!DiagramWriter::Write(m_state, options, error)) {
        const QString text = QString::fromStdString(error);
        ShowInfo(this, QStringLiteral("Export Diagram"), text.left(1).toUpper() + text.mid(1));
        return false;
    }
    return true;
}
