// The scale chooser and the scale book: finding a scale by family or name, and printing one scale
// on all 12 roots or every scale of its family.
#include "CMainFrame.h"

#include "AppState.h"
#include "COverlayScaleNameBar.h"
#include "CScaleBookDlg.h"
#include "CScaleChooserDlg.h"
#include "DiagramWriter.h"
#include "InfoBox.h"
#include "ScaleCatalog.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPrinter>
#include <QToolButton>

namespace {

const QString kBookTitle = QStringLiteral("Export Scale Book");

// A file name made of a scale's name: the characters a folder name cannot hold replaced.
QString BookFileName(const std::string& scale)
{
    QString name = QString::fromStdString(scale);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name + QStringLiteral(" book.pdf");
}

} // namespace

void CMainFrame::AddScaleCommands(QMenu* menu, QAction* forget, QAction* printSetup)
{
    const QList<QAction*> items = menu->actions();
    auto* choose = new QAction(QStringLiteral("&Choose Scale...\tCtrl+K"), this);
    choose->setObjectName(QStringLiteral("chooseScale"));
    choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(choose, &QAction::triggered, this, &CMainFrame::OnChooseScale);
    menu->insertAction(items.value(items.indexOf(forget) + 1), choose);
    addAction(choose);

    auto* book = new QAction(QStringLiteral("Export Scale &Book..."), this);
    book->setObjectName(QStringLiteral("exportScaleBook"));
    connect(book, &QAction::triggered, this, &CMainFrame::OnExportScaleBook);
    menu->insertAction(items.value(items.indexOf(printSetup) + 1), book);
    addAction(book);

    // The overlay bar's button, and its key wherever the focus is.
    auto* overlay = new QAction(QStringLiteral("Choose Overlay Scale"), this);
    overlay->setObjectName(QStringLiteral("chooseOverlayScaleKey"));
    overlay->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    connect(overlay, &QAction::triggered, this, &CMainFrame::OnChooseOverlayScale);
    addAction(overlay);
}

void CMainFrame::OnChooseScale()
{
    CScaleChooserDlg dialog(m_state.scaleLibrary, m_state.fretboard->GetRoot(LAYER_SCALE),
                            m_state.diagram, m_state.currentScale, this);
    if (dialog.exec() == QDialog::Accepted && dialog.ChosenScale() >= 0) {
        ApplyScaleSelection(dialog.ChosenScale() + 1);
    }
}

void CMainFrame::OnChooseOverlayScale()
{
    CScaleChooserDlg dialog(m_state.scaleLibrary, m_state.fretboard->GetRoot(LAYER_OVERLAY),
                            m_state.diagram, m_state.overlayScale, this);
    dialog.setWindowTitle(QStringLiteral("Choose Overlay Scale"));
    if (dialog.exec() == QDialog::Accepted && dialog.ChosenScale() >= 0) {
        ApplyOverlaySelection(dialog.ChosenScale() + 1);
    }
}

void CMainFrame::OnExportScaleBook()
{
    const ScaleRecord* scale = m_state.scaleLibrary.Record(m_state.currentScale);
    if (scale == nullptr) {
        ShowInfo(this, kBookTitle,
                 QStringLiteral("Choose a scale from the list first; the book shows it."));
        return;
    }
    const ScaleCatalog catalog(m_state.scaleLibrary);
    const int family = catalog.FamilyOf(m_state.currentScale);
    CScaleBookDlg choice(
        QString::fromStdString(scale->name),
        family < 0
            ? QString()
            : QString::fromStdString(
                  m_state.scaleLibrary.vocabulary.families[static_cast<std::size_t>(family)].name),
        this);
    // The paper and the way it is turned as Print Setup has them.
    choice.SetPage(
        m_printer != nullptr && m_printer->pageLayout().pageSize().id() == QPageSize::Letter,
        m_printer != nullptr && m_printer->pageLayout().orientation() == QPageLayout::Landscape);
    if (choice.exec() != QDialog::Accepted) {
        return;
    }
    QFileDialog dialog(this, kBookTitle);
    dialog.setObjectName(QStringLiteral("exportBookDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF pages (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(BookFileName(scale->name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    ExportScaleBook(dialog.selectedFiles().constFirst(), choice.Book(), choice.Letter(),
                    choice.Landscape());
}

bool CMainFrame::ExportScaleBook(const QString& fileName, RenderOptions::Book book, bool letter,
                                 bool landscape)
{
    RenderOptions options;
    options.file = QFile::encodeName(fileName).toStdString();
    options.format = RenderOptions::Format::Pdf;
    options.book = book;
    options.letter = letter;
    options.landscape = landscape;
    std::string error;
    if (!DiagramWriter::Write(m_state, options, error)) {
        const QString text = QString::fromStdString(error);
        ShowInfo(this, kBookTitle, text.left(1).toUpper() + text.mid(1));
        return false;
    }
    return true;
}
