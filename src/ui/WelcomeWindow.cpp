#include "WelcomeWindow.h"
#include "ui_WelcomeWindow.h"

#include "MainWindow.h"
#include "UiServices.h"

#include <QCloseEvent>
#include <QLabel>

namespace kelmora {

WelcomeWindow::WelcomeWindow(std::function<void()> selectNewTemplateDriver, ProgramExit& programExit, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(std::make_unique<Ui::frmNewDriver>())
    , m_selectNewTemplateDriver(std::move(selectNewTemplateDriver))
    , m_programExit(programExit)
{
    m_ui->setupUi(this);
    setFont(ClassicBoldFont());
    // Each text keeps its place when the font fits and grows downwards, never clipped, when not.
    for (QLabel* label : {m_ui->lblWelcome1, m_ui->lblWelcome2, m_ui->lblWelcome3})
        label->setMinimumHeight(qMax(label->minimumHeight(), label->heightForWidth(label->minimumWidth())));
    adjustSize();
    CentreOnScreen(this);
    // Proceed is the way on, so the keyboard starts there: Enter or Space takes it.
    setFocusProxy(m_ui->cmdProceed);
    connect(m_ui->cmdProceed, &QPushButton::clicked, this, &WelcomeWindow::cmdProceed_Click);
}

WelcomeWindow::~WelcomeWindow() = default;

void WelcomeWindow::cmdProceed_Click()
{
    m_proceeded = true;
    hide();
    m_selectNewTemplateDriver();
}

void WelcomeWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_proceeded)
        m_programExit.EndProgram();
}

} // namespace kelmora
