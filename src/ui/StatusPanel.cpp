#include "StatusPanel.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTime>
#include <QTimer>

namespace kelmora {

namespace {
constexpr int MinimumPanelWidth = 96; // one inch at 96 DPI
}

StatusPanel::StatusPanel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMargin(1);
    setIndent(3);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumWidth(MinimumPanelWidth);
    setFocusPolicy(Qt::TabFocus);
}

void StatusPanel::ShowClock()
{
    if (!m_clock) {
        m_clock = new QTimer(this);
        connect(m_clock, &QTimer::timeout, this, &StatusPanel::UpdateClock);
    }
    UpdateClock();
}

void StatusPanel::UpdateClock()
{
    const QTime now = QTime::currentTime();
    setText(QLocale::system().toString(now, QLocale::ShortFormat));
    // Wake up when the minute turns rather than polling.
    m_clock->start(qMax(1000, (60 - now.second()) * 1000 - now.msec()));
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void StatusPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void StatusPanel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted focus rectangle inside the sunken frame, as a keyboard user expects.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace kelmora
