#include "UiServices.h"
#include "Appearance.h"
#include "Desktop.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QScrollBar>
#include <QSplitter>
#include <QUrl>

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

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

bool MessageBoxService::AskToGoOn(const Message& message, const QString& question)
{
    QMessageBox box(BoxIcon(message.icon), message.title, VisibleText(message.text, true),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    // Paths and names are shown as they are, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(question);
    // Going on is the choice that needs a second thought.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxService::ShowMessage(const Message& message)
{
    QMessageBox box(BoxIcon(message.icon), message.title, VisibleText(message.text, true), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString FileDialogService::GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                           const QString& filter, const QList<SavegamePlace>& places)
{
    // getOpenFileName only accepts files that exist and shows no read-only check box.
    if (places.isEmpty())
        return QFileDialog::getOpenFileName(parent, title, folder, filter);

    // Only Qt's own dialog takes extra side bar places; the desktop's would drop them.
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Room for the places' names beside the files.
    dialog.resize(qMax(dialog.width(), 880), qMax(dialog.height(), 520));
    const QList<QUrl> kept = OfferPlaces(dialog, places);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // The dialog keeps its side bar for the next run; the places are found afresh each time.
    dialog.setSidebarUrls(kept);
    return accepted ? dialog.selectedFiles().constFirst() : QString();
}

QList<QUrl> OfferPlaces(QFileDialog& dialog, const QList<SavegamePlace>& places)
{
    QHash<QUrl, QString> names;
    QList<QUrl> offered;
    for (const SavegamePlace& place : places) {
        // The side bar would show a missing folder too, greyed out.
        if (!QFileInfo(place.folder).isDir())
            continue;
        const QUrl url = QUrl::fromLocalFile(QDir::cleanPath(place.folder));
        offered << url;
        names.insert(url, VisibleText(place.name));
    }
    // Earlier runs left their prefixes in the side bar the dialog keeps, every one named "drive_c".
    QList<QUrl> kept;
    for (const QUrl& url : dialog.sidebarUrls()) {
        if (!(url.isLocalFile() && url.path().endsWith(QStringLiteral("/drive_c"))) && !names.contains(url))
            kept << url;
    }
    dialog.setSidebarUrls(kept + offered);

    // The side bar names an entry after its folder, through a file system model that does not take
    // names of its own; a proxy model or a fragment in the address never reaches it. Its list's rows
    // follow sidebarUrls(), so each row is renamed, and renamed again whenever the dialog's file
    // system model refreshes the row and puts the folder's name back.
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    if (!sidebar || !sidebar->model())
        return kept;
    QAbstractItemModel* model = sidebar->model();
    const auto rename = [&dialog, model, names] {
        const QList<QUrl> shown = dialog.sidebarUrls();
        for (int row = 0; row < qMin(qsizetype(model->rowCount()), shown.size()); ++row) {
            const QString name = names.value(shown.at(row));
            const QModelIndex index = model->index(row, 0);
            if (!name.isEmpty() && index.data(Qt::DisplayRole).toString() != name)
                model->setData(index, name, Qt::DisplayRole);
        }
    };
    rename();
    QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);

    // Wide enough for the longest name, within reason.
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")); splitter && splitter->count() == 2) {
        const int wanted = qMin(sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth() +
                                    sidebar->verticalScrollBar()->sizeHint().width(),
                                dialog.width() * 2 / 5);
        const QList<int> sizes = splitter->sizes();
        if (sizes.size() == 2 && sizes.first() < wanted)
            splitter->setSizes({wanted, qMax(sizes.first() + sizes.last() - wanted, 1)});
    }
    return kept;
}

bool ProcessLauncher::Start(const QString& program, const QString& argument, QObject* context,
                            std::function<void(const QString& reason)> failed)
{
    // Watched rather than detached, so that a viewer that finds nothing to show the file with is told.
    // No pipe joins the two: one would end the viewer once Kelmora has gone.
    auto* process = new QProcess;
    process->setProgram(program);
    SetPathArgument(*process, argument);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    KeepApart(*process);
    QObject::connect(process, &QProcess::finished, context,
                     [program, failed = std::move(failed)](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code != 0)
                             failed(ViewerFailure(program, code));
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    // Owned by no one while it runs: deleting a QProcess ends its program, and the viewer outlives
    // Kelmora. Once it has ended, it deletes itself.
    return true;
}

void ApplicationExit::EndProgram()
{
    // Every window goes with the event loop; nothing is saved on the way out.
    QCoreApplication::exit(0);
}

} // namespace kelmora
