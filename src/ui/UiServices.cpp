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

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

bool MessageBoxService::AskToGoOn(const Message& message, const QString& question)
{
    QMessageBox box(BoxIcon(message.icon), message.title, message.text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setInformativeText(question);
    // Going on is the choice that needs a second thought.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxService::ShowMessage(const Message& message)
{
    QMessageBox box(BoxIcon(message.icon), message.title, message.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString FileDialogService::GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                           const QString& filter, const QStringList& sidebarFolders)
{
    // getOpenFileName only accepts files that exist and shows no read-only check box.
    if (sidebarFolders.isEmpty())
        return QFileDialog::getOpenFileName(parent, title, folder, filter);

    // Only Qt's own dialog takes extra side bar places; the desktop's would drop them.
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString& sidebarFolder : sidebarFolders)
        places << QUrl::fromLocalFile(sidebarFolder);
    dialog.setSidebarUrls(places);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
