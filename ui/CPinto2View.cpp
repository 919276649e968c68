#include "CPinto2View.h"

#include "AppState.h"
#include "FretboardGeometry.h"
#include "FretboardPainter.h"
#include "ISoundOutput.h"
#include "NeckPitch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

CPinto2View::CPinto2View(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("view"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
    m_soundWatch = new QTimer(this);
    m_soundWatch->setInterval(16); // a screen refresh
    connect(m_soundWatch, &QTimer::timeout, this, &CPinto2View::WatchSound);
}

void CPinto2View::FollowSound(const ISoundOutput* output, bool pattern)
{
    m_sound = output;
    m_soundInPattern = pattern;
    if (output != nullptr) {
        m_soundWatch->start();
    } else {
        m_soundWatch->stop();
    }
    WatchSound();
}

void CPinto2View::WatchSound()
{
    const int pitch = m_sound != nullptr ? m_sound->SoundingTag() : -1;
    if (pitch != m_ringedPitch) {
        m_ringedPitch = pitch;
        update();
    }
}

void CPinto2View::paintEvent(QPaintEvent* /*event*/)
{
    // The window always shows the screen layout; captions and string names belong to the page.
    QPainter painter(this);
    m_layout = FretboardPainter::Paint(painter, m_state, PaintTarget::Screen(size()));
    if (m_ringedPitch >= 0 && m_state.fretboard) {
        const CFretboard& board = *m_state.fretboard;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        const int ring = std::max(2, m_layout.dotDiameter / 6);
        for (const FretPosition& place : NeckPitch::PlacesOf(board, m_state.settings.instrument,
                                                             m_ringedPitch, m_soundInPattern)) {
            const int row = m_state.diagram.RowOfString(place.string, board.GetStringCount());
            painter.drawEllipse(QRectF(FretboardGeometry::DotBox(m_layout, row, place.fret))
                                    .adjusted(-ring, -ring, ring, ring));
        }
    }
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
