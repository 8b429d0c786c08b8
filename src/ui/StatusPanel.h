#pragma once

#include <QLabel>

class QTime;
class QTimer;

namespace kelmora {

// Milliseconds from `now` until a clock that shows the time in `format` (QTime's format letters)
// must change its text: at the next second when the format shows seconds, else at the next minute.
int ClockWakeInterval(const QString& format, const QTime& now);

// One sunken panel of the main window's status bar: sized to its text, at least 96 pixels wide,
// clickable with the mouse and, once it has the focus (Tab), with Space or Enter. Screen readers
// see a panel as a button that can be pressed, a clock panel as text.
class StatusPanel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusPanel(const QString& text, QWidget* parent = nullptr);

    // Turns the panel into a clock that keeps the current time by itself.
    void ShowClock();
    bool IsClock() const { return m_clock != nullptr; }

    // What a click does: nothing while the panel is disabled.
    void Press();

    // As wide as the text with the indent on both sides: a label indents only the side it is aligned
    // to, and the last letter would touch the frame.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateClock();

    QTimer* m_clock = nullptr;
    QString m_clockFormat;
};

} // namespace kelmora
