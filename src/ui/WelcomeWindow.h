#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class frmNewDriver;
}

namespace kelmora {

class ProgramExit;

// Shown instead of the main window when no settings exist: explains what comes next and leads
// the player into choosing a template.
class WelcomeWindow : public QWidget
{
    Q_OBJECT

public:
    WelcomeWindow(std::function<void()> selectNewTemplateDriver, ProgramExit& programExit, QWidget* parent = nullptr);
    ~WelcomeWindow() override;

public slots:
    void cmdProceed_Click();

protected:
    // The window has no close box, but a window manager may close it anyway: that ends the run
    // rather than leaving a program with no window.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::frmNewDriver> m_ui;
    std::function<void()> m_selectNewTemplateDriver;
    ProgramExit& m_programExit;
    bool m_proceeded = false;
};

} // namespace kelmora
