#include "UiServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

namespace kelmora {

void UiServices::Present(const Problems& problems) const
{
    for (const Problem& problem : problems)
        messages.ShowMessage(MessageFor(problem));
}

void MessageBoxService::ShowMessage(const Message& message)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (message.icon) {
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    QMessageBox box(boxIcon, message.title, message.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString FileDialogService::GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                           const QString& filter)
{
    // getOpenFileName only accepts files that exist and shows no read-only check box.
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

bool ProcessLauncher::StartDetached(const QString& program, const QString& argument)
{
    QProcess process;
    process.setProgram(program);
#ifdef Q_OS_WIN
    // The editor gets the path as the rest of its command line, blanks and all.
    process.setNativeArguments(argument);
#else
    process.setArguments({argument});
#endif
    return process.startDetached();
}

void ApplicationExit::EndProgram()
{
    // Every window goes with the event loop; nothing is saved on the way out.
    QCoreApplication::exit(0);
}

} // namespace kelmora
