#include "RestoreWindow.h"
#include "ui_RestoreWindow.h"

#include "Appearance.h"
#include "MainWindow.h"
#include "SystemServices.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>

#include <algorithm>

namespace kelmora {
namespace {

enum Column
{
    TimeColumn,
    FileColumn,
    FolderColumn,
    MissionColumn,
};

constexpr int IdRole = Qt::UserRole;

} // namespace

RestoreWindow::RestoreWindow(const UiServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_ui(std::make_unique<Ui::frmRestore>())
    , m_services(services)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    m_ui->lvwBackups->setAccessibleName(tr("Backups"));
    m_ui->lvwBackups->header()->setStretchLastSection(false);
    m_ui->lvwBackups->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->lvwBackups->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    connect(m_ui->cmdRestore, &QPushButton::clicked, this, &RestoreWindow::cmdRestore_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &RestoreWindow::cmdClose_Click);
    Form_Load();
    m_ui->lvwBackups->setFocus();
    // Laid out before it is placed: its height is known only then.
    adjustSize();
    resize(qMax(width(), 760), height());
    CentreOnScreen(this);
}

RestoreWindow::~RestoreWindow() = default;

QString RestoreWindow::LocalTimeText(const QDateTime& time)
{
    const QLocale locale;
    const QDateTime local = time.toLocalTime();
    return locale.toString(local.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(local.time(), LongTimeFormatWithoutZone(locale));
}

void RestoreWindow::Form_Load(const QString& selectedId)
{
    QTreeWidget* list = m_ui->lvwBackups;
    list->clear();
    QTreeWidgetItem* selected = nullptr;
    const BackupListing listing = m_services.store().Backups();
    for (const ListedBackup& listed : listing.backups) {
        const QFileInfo original(QDir::fromNativeSeparators(listed.backup.originalPath));
        auto* item =
            new QTreeWidgetItem(list, {LocalTimeText(listed.backup.time), VisibleText(original.fileName()),
                                       VisibleText(QDir::toNativeSeparators(original.path())), listed.missionChoice});
        item->setData(TimeColumn, IdRole, listed.backup.id);
        item->setToolTip(FolderColumn, PlainToolTip(listed.backup.originalPath));
        if (!selected || listed.backup.id == selectedId)
            selected = item;
    }
    const bool any = selected != nullptr;
    if (any)
        list->setCurrentItem(selected);
    m_ui->cmdRestore->setEnabled(any);
    // What could not be read is told above the backups it did not hide.
    m_ui->lblBackups->setText(listing.problem ? MessageFor(*listing.problem).text
                              : any           ? tr("&Backups of factory driver files, newest first:")
                                              : tr("No factory driver file has been backed up yet."));
}

void RestoreWindow::cmdRestore_Click()
{
    const QTreeWidgetItem* item = m_ui->lvwBackups->currentItem();
    if (!item)
        return;
    const QString id = item->data(TimeColumn, IdRole).toString();
    const SavegameStore store = m_services.store();
    const auto restore = [&](bool acceptMix) {
        const BusyCursor busy;
        return store.Restore(id, acceptMix);
    };
    RestoreOutcome outcome = restore(false);
    // Asked about, the problem has been shown; the player decides whether to go on.
    if (outcome.needsConfirmation)
        outcome = m_services.messages.AskToGoOn(MessageFor(outcome.problems.constFirst()), tr("Restore it anyway?"))
                      ? restore(true)
                      : RestoreOutcome{};
    // A backup dropped since the list was shown (the newest 50 of a file are kept) is named as the
    // list named it, by its time: its ID was never shown.
    const auto gone = std::find_if(outcome.problems.cbegin(), outcome.problems.cend(),
                                   [](const Problem& problem) { return problem.failure == Failure::BackupUnknown; });
    if (gone != outcome.problems.cend()) {
        m_services.messages.ShowMessage(
            {tr("The backup taken at %1 is no longer there. The list now shows the backups there are.")
                 .arg(item->text(TimeColumn)),
             MessageFor(*gone).title, MessageIcon::Exclamation});
        outcome.problems.erase(gone);
    }
    m_services.Present(outcome.problems);
    if (outcome.done()) {
        emit restored();
        m_services.messages.ShowMessage(RestoredMessage(*outcome.restored, LocalTimeText(outcome.restored->time)));
    }
    // A restore keeps what it replaced as a new backup; a failed one may find a backup gone.
    Form_Load(id);
    m_ui->lvwBackups->setFocus();
}

void RestoreWindow::cmdClose_Click()
{
    close();
}

} // namespace kelmora
