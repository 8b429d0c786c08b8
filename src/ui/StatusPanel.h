#pragma once

#include <QLabel>

class QTimer;

namespace kelmora {

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

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateClock();

    QTimer* m_clock = nullptr;
};

} // namespace kelmora
