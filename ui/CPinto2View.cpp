#include "CPinto2View.h"

#include "AppState.h"
#include "FretboardGeometry.h"
#include "FretboardPainter.h"

#include <QMouseEvent>
#include <QPainter>

CPinto2View::CPinto2View(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("view"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

void CPinto2View::paintEvent(QPaintEvent* /*event*/)
{
    // The window always shows the screen layout; captions and string names belong to the page.
    QPainter painter(this);
    m_layout = FretboardPainter::Paint(painter, m_state, PaintTarget::Screen(size()));
    painter.end();
    emit painted();
}

void CPinto2View::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        if (const auto cell = FretboardGeometry::CellAt(m_layout, m_state.settings.stringCount,
                                                        point.x(), point.y())) {
            emit cellClicked(cell->row, cell->fret);
        }
    }
    QWidget::mousePressEvent(event);
}
