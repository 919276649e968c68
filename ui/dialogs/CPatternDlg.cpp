#include "CPatternDlg.h"

#include "CFretboard.h"
#include "CNameDlg.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "FileMessages.h"
#include "InfoBox.h"
#include "LibraryList.h"
#include "PaintLayer.h"
#include "WindowFrame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kFileName = QStringLiteral("pinto_p.dat");
const QString kThing = QStringLiteral("pattern");

QPushButton* MakeButton(QWidget* parent, ControlId id, const char* text, int x, int y)
{
    auto* button = DialogUnits::Create<QPushButton>(parent, id, x, y, 56, 14);
    button->setText(QString::fromLatin1(text));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPatternDlg::CPatternDlg(CFretboard& board, PatternGrid& setupGrid, std::string& nameBuffer,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_fretboard(board), m_grid(setupGrid), m_nameBuffer(nameBuffer), m_board(0, 0),
      // The board layer comes right after the group box: above it, below every other control.
      m_group(new QGroupBox(QStringLiteral("Fretboard"), this)),
      m_layer(new PaintLayer(this,
                             [this](QPainter& painter) {
                                 // The window manager may report the frame only after showing.
                                 ComputeGeometry();
                                 m_board.Paint(painter, m_grid);
                             })),
      m_list(new LibraryList(this))
{
    setWindowTitle(QStringLiteral("Pinto - Pattern match"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(400, 170));

    m_group->setObjectName(IdName(ControlId::PatternBoard));
    m_group->setAttribute(Qt::WA_TransparentForMouseEvents);
    DialogUnits::Place(m_group, 7, 7, 317, 156);

    auto* help = new QLabel(
        QStringLiteral("Pattern Match will look for this pattern in the selected scale and "
                       "overlayed scale.  \n\nClick on the fretboard to setup the pattern.  "),
        this);
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DialogUnits::Place(help, 326, 7, 67, 75);

    QPushButton* save = MakeButton(this, ControlId::SavePattern, "Save Pattern", 337, 110);
    QPushButton* forget = MakeButton(this, ControlId::ForgetPattern, "Forget Pattern", 337, 129);
    connect(save, &QPushButton::clicked, this, &CPatternDlg::OnSavePattern);
    connect(forget, &QPushButton::clicked, this, &CPatternDlg::OnForgetPattern);

    m_list->setObjectName(IdName(ControlId::PatternList));
    m_list->setEditable(false);
    DialogUnits::Place(m_list, 172, 148, 150, 16);
    // The template's height includes the dropped list; the closed field is as high as its font
    // needs, so it stays inside the group box.
    m_list->resize(m_list->width(), std::min(m_list->height(), m_list->sizeHint().height()));
    connect(m_list, &QComboBox::activated, this, &CPatternDlg::OnPatternChosen);

    QPushButton* ok = MakeButton(this, ControlId::Ok, "OK", 337, 148);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CPatternDlg::accept);

    // Keyboard order of the template: Save, Forget, the list, OK.
    setTabOrder(save, forget);
    setTabOrder(forget, m_list);
    setTabOrder(m_list, ok);

    ComputeGeometry();
    LoadPatterns(m_library);
    FillList();
    m_list->setCurrentIndex(-1);
}

void CPatternDlg::ComputeGeometry()
{
    // Measured from the window's outer left edge, so the frame shifts the board to the right.
    const int frameLeft = WindowFrame::ClientOffset(this).x();
    const QRect group = m_group->geometry();
    m_board =
        PatternBoard(group.left() + frameLeft, group.left() + group.width() + frameLeft, m_options);
}

void CPatternDlg::SetDiagramOptions(const DiagramOptions& options)
{
    m_options = options;
    ComputeGeometry();
    m_layer->update();
}

void CPatternDlg::showEvent(QShowEvent* event)
{
    ComputeGeometry();
    QDialog::showEvent(event);
}

void CPatternDlg::WritePattern(const PatternGrid& grid, CFretboard& board)
{
    board.pattern.Clear();
    const int count = board.GetStringCount();
    for (int fret = 0; fret < PatternBoard::kFrets; ++fret) {
        for (int row = 0; row < PatternBoard::kRows; ++row) {
            if (grid[fret][row] == 1) {
                board.pattern.Toggle(count - row - 1, fret);
            }
        }
    }
}

void CPatternDlg::accept()
{
    WritePattern(m_grid, m_fretboard);
    QDialog::accept();
}

void CPatternDlg::mousePressEvent(QMouseEvent* event)
{
    int fret = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton &&
        m_board.CellAt(event->position().toPoint(), fret, row)) {
        m_grid[fret][row] ^= 1;
        m_layer->update(m_board.DirtyRect());
    }
    QDialog::mousePressEvent(event);
}

void CPatternDlg::OnPatternChosen(int listIndex)
{
    const PatternRecord* record = m_library.Record(listIndex - 1);
    for (int fret = 0; fret < PatternBoard::kFrets; ++fret) {
        for (int row = 0; row < PatternBoard::kRows; ++row) {
            m_grid[fret][row] = record != nullptr ? record->cells[fret][row] : 0;
        }
    }
    m_layer->update(m_board.DirtyRect());
}

void CPatternDlg::FillList()
{
    m_list->clear();
    m_list->addItem(QString());
    for (const PatternRecord& record : m_library.records) {
        m_list->addItem(QString::fromStdString(record.name));
    }
}

void CPatternDlg::OnSavePattern()
{
    CNameDlg nameDlg(this);
    nameDlg.exec();
    m_nameBuffer = nameDlg.Name();
    switch (AppendPattern(m_library, m_nameBuffer, m_grid)) {
    case StoreResult::Stored:
        // The list shows what the file now holds, patterns of other windows included.
        FillList();
        m_list->setCurrentIndex(m_library.patternCount);
        if (!m_library.userFileComplete) {
            ShowInfo(this, QStringLiteral("Pattern saved"),
                     QStringLiteral("The pattern was added to the end of pinto_p.dat, after a part "
                                    "that could not be read, so it will not be listed next time."));
        }
        break;
    case StoreResult::Failed:
        ShowInfo(this, QStringLiteral("Pattern not saved"),
                 FileMessages::NotSaved(kThing, kFileName, m_library.fault));
        break;
    case StoreResult::Busy:
        ShowInfo(this, QStringLiteral("Pattern not saved"),
                 QStringLiteral("The pattern was not saved because pinto_p.dat is busy in another "
                                "window."));
        break;
    case StoreResult::Ignored:
    case StoreResult::Refused:
    case StoreResult::Unreadable:
        break;
    }
}

void CPatternDlg::OnForgetPattern()
{
    const int listIndex = m_list->currentIndex();
    const StoreResult result = ForgetPattern(m_library, listIndex);
    switch (result) {
    case StoreResult::Stored:
        FillList();
        m_list->setCurrentIndex(-1);
        OnPatternChosen(-1);
        break;
    case StoreResult::Refused:
        ShowInfo(this, QStringLiteral("Sorry"),
                 QStringLiteral("You can not delete one of the preset patterns."));
        break;
    case StoreResult::Failed:
    case StoreResult::Unreadable:
        ShowInfo(this, QStringLiteral("Pattern not forgotten"),
                 FileMessages::NotForgotten(kThing, kFileName, result, m_library.fault));
        break;
    case StoreResult::Busy:
        ShowInfo(this, QStringLiteral("Pattern not forgotten"),
                 QStringLiteral("The pattern was kept because pinto_p.dat is busy in another "
                                "window."));
        break;
    case StoreResult::Ignored:
        break;
    }
}
