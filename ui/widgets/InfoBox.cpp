#include "InfoBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    FitTitle(box);
    box.exec();
}

} // namespace

void ShowInfo(QWidget* parent, const QString& title, const QString& text)
{
    ShowBox(parent, QMessageBox::Information, title, text);
}

void ShowWarning(QWidget* parent, const QString& title, const QString& text)
{
    ShowBox(parent, QMessageBox::Warning, title, text);
}

int CaptionWidth(const QString& title)
{
    // Window managers draw captions in a bold font at least as large as the application's,
    // with the icon left and minimise, maximise and close on the right, each about a caption
    // high, and some space between them.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int captionHeight = metrics.height() + 8;
    return metrics.horizontalAdvance(title) + 6 * captionHeight;
}

void FitTitle(QMessageBox& box)
{
    // The box sizes itself from its layout each time it is shown; a spacer as wide as the
    // caption needs keeps that size from getting too small.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        box.setMinimumWidth(CaptionWidth(box.windowTitle()));
        return;
    }
    const QMargins margins = grid->contentsMargins();
    const int width = CaptionWidth(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(qMax(0, width), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
