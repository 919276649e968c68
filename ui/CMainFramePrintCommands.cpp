// Print, Print Direct, Print Preview and Print Setup: the diagram on the printer's one page.
#include "CMainFrame.h"

#include "AppState.h"
#include "FretboardPainter.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

QPrinter& CMainFrame::Printer()
{
    if (m_printer == nullptr) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFromTo(1, 1);
    }
    return *m_printer;
}

void CMainFrame::PaintPage(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    PaintTarget target = PaintTarget::Printer(printer.logicalDpiX(), printer.logicalDpiY(),
                                              printer.width(), printer.height());
    target.fillBackground = false;
    FretboardPainter::Paint(painter, m_state, target);
    painter.end();
}

void CMainFrame::PrintTo(QPrinter& printer)
{
    PaintPage(printer);
}

void CMainFrame::OnPrint()
{
    QPrintDialog dialog(&Printer(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(Printer());
    }
}

void CMainFrame::OnPrintDirect()
{
    PrintTo(Printer());
}

void CMainFrame::OnPrintPreview()
{
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PaintPage(*printer); });
    preview.exec();
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}
