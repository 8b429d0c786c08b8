#include "StatusPanel.h"

#include <QAccessibleWidget>
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

// A label to the accessibility tools, yet pressed like a button.
class StatusPanelAccessible final : public QAccessibleWidget
{
public:
    explicit StatusPanelAccessible(StatusPanel* panel)
        : QAccessibleWidget(panel)
    { }

    // Asked each time: the interface may be made before a panel becomes the clock.
    QAccessible::Role role() const override
    {
        return static_cast<StatusPanel*>(widget())->IsClock() ? QAccessible::StaticText : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        const StatusPanel* panel = static_cast<StatusPanel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return panel->accessibleName().isEmpty() ? panel->text() : panel->accessibleName();
        case QAccessible::Value:
            return panel->IsClock() ? panel->text() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        if (static_cast<StatusPanel*>(widget())->IsClock())
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        auto* panel = static_cast<StatusPanel*>(widget());
        if (actionName == pressAction() && !panel->IsClock())
            panel->Press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

// True when the format writes seconds: an "s" outside quoted text.
bool ShowsSeconds(const QString& format)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u's')
            return true;
    }
    return false;
}

QAccessibleInterface* StatusPanelAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(StatusPanel::staticMetaObject.className()) && object && object->isWidgetType())
        return new StatusPanelAccessible(static_cast<StatusPanel*>(object));
    return nullptr;
}

} // namespace

int ClockWakeInterval(const QString& format, const QTime& now)
{
    const int toNextSecond = 1000 - now.msec();
    return ShowsSeconds(format) ? toNextSecond : (59 - now.second()) * 1000 + toNextSecond;
}

StatusPanel::StatusPanel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMargin(1);
    setIndent(3);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumWidth(MinimumPanelWidth);
    setFocusPolicy(Qt::TabFocus);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(StatusPanelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QSize StatusPanel::sizeHint() const
{
    return QLabel::sizeHint() + QSize(indent(), 0);
}

QSize StatusPanel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint() + QSize(indent(), 0);
}

void StatusPanel::Press()
{
    if (isEnabled())
        emit clicked();
}

void StatusPanel::ShowClock()
{
    if (!m_clock) {
        m_clock = new QTimer(this);
        m_clock->setSingleShot(true);
        // A coarse timer may fire a few percent late: a minute's wait would show the new minute
        // seconds after it began.
        m_clock->setTimerType(Qt::PreciseTimer);
        m_clockFormat = QLocale::system().timeFormat(QLocale::ShortFormat);
        connect(m_clock, &QTimer::timeout, this, &StatusPanel::UpdateClock);
    }
    UpdateClock();
}

void StatusPanel::UpdateClock()
{
    const QTime now = QTime::currentTime();
    setText(QLocale::system().toString(now, m_clockFormat));
    // Wake up when the text turns rather than polling. Measured from the time just read, so a late
    // wake-up does not push the next one later too; an early one shows the same text and waits again.
    m_clock->start(ClockWakeInterval(m_clockFormat, now));
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Press();
    QLabel::mouseReleaseEvent(event);
}

void StatusPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Press();
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
