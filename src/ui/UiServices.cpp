#include "UiServices.h"

#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

namespace kelmora {

Services UiServices::core() const
{
    return {clock, dataFolder, userFolder, nullptr, [](RunState& state) { LoadSettings(state); }};
}

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
