#include "FindSavegamesWindow.h"
#include "ui_FindSavegamesWindow.h"

#include "Appearance.h"
#include "MainWindow.h"
#include "RestoreWindow.h"
#include "settings/SavegameFinder.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>

namespace kelmora {
namespace {

enum Column
{
    FileColumn,
    ProgressColumn,
    PlaceColumn,
    FolderColumn,
    TimeColumn,
};

constexpr int PathRole = Qt::UserRole;
// The widest the savegames' names may make their column, in pixels.
constexpr int MaxNameColumnWidth = 260;

} // namespace

FindSavegamesWindow::FindSavegamesWindow(const QList<SavegamePlace>& places, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_ui(std::make_unique<Ui::frmFindSavegames>())
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    m_ui->lvwSavegames->setAccessibleName(tr("Driver savegames"));
    m_ui->lvwSavegames->header()->setStretchLastSection(false);
    m_ui->lvwSavegames->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->lvwSavegames->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    // A long name loses its middle rather than push the other columns out of sight; the whole path
    // is in its tool tip.
    m_ui->lvwSavegames->header()->setSectionResizeMode(FileColumn, QHeaderView::Interactive);
    connect(m_ui->cmdChoose, &QPushButton::clicked, this, &FindSavegamesWindow::cmdChoose_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &FindSavegamesWindow::cmdClose_Click);
    connect(m_ui->lvwSavegames, &QTreeWidget::itemActivated, this, &FindSavegamesWindow::cmdChoose_Click);
    Form_Load(places);
    m_ui->lvwSavegames->setFocus();
    // Laid out before it is placed: its height is known only then.
    adjustSize();
    resize(qMax(width(), 900), height());
    CentreOnScreen(this);
}

FindSavegamesWindow::~FindSavegamesWindow() = default;

void FindSavegamesWindow::Form_Load(const QList<SavegamePlace>& places)
{
    // Bounded and quick, so it runs here rather than behind a progress bar.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SavegameSearch search = FindSavegames(places);
    QApplication::restoreOverrideCursor();

    QTreeWidget* list = m_ui->lvwSavegames;
    for (const FoundSavegame& found : search.savegames) {
        auto* item = new QTreeWidgetItem(list, {VisibleText(QFileInfo(found.path).fileName()), found.progress,
                                                VisibleText(ShownPlaceName(found.place)), VisibleText(found.folder),
                                                RestoreWindow::LocalTimeText(found.modified)});
        item->setData(FileColumn, PathRole, found.path);
        for (int column = FileColumn; column <= TimeColumn; ++column)
            item->setToolTip(column, PlainToolTip(found.path));
    }
    const bool any = list->topLevelItemCount() > 0;
    if (any)
        list->setCurrentItem(list->topLevelItem(0));
    list->resizeColumnToContents(FileColumn);
    list->setColumnWidth(FileColumn, qMin(list->columnWidth(FileColumn), MaxNameColumnWidth));
    m_ui->cmdChoose->setEnabled(any);
    m_ui->lblSavegames->setText(any ? tr("&Driver savegames found, newest first:")
                                    : tr("No driver savegame was found. Choose one with File, Select New "
                                         "Template Driver."));
    // Names of places come from the prefixes' own files, and may hold anything.
    const auto visible = [](const QStringList& texts, const QString& separator) {
        QStringList shown;
        for (const QString& text : texts)
            shown << VisibleText(text);
        return shown.join(separator);
    };
    QString searched = search.searched.isEmpty()
                           ? tr("None of the places where savegames live was found.")
                           : tr("Looked in: %1.").arg(visible(ShownPlaceNames(search.searched), QStringLiteral(", ")));
    if (!search.cutShort.isEmpty())
        searched +=
            u' ' +
            tr("Too large to search whole: %1.").arg(visible(ShownPlaceNames(search.cutShort), QStringLiteral(", ")));
    // The first few in the text, every one in the tip.
    const auto firstFew = [&](const QStringList& paths) {
        constexpr qsizetype shown = 3;
        QString text = visible(paths.mid(0, shown), QStringLiteral("; "));
        if (paths.size() > shown)
            text += QStringLiteral("; …");
        return text;
    };
    if (!search.unreadable.isEmpty())
        searched += u' ' + tr("No permission to look in: %1.").arg(firstFew(search.unreadable));
    if (!search.undecodable.isEmpty())
        searched += u' ' + tr("Not listed, as their names are not text in this system's encoding (rename them to "
                              "choose them): %1.")
                               .arg(firstFew(search.undecodable));
    if (search.notListed > 0)
        searched += u' ' + tr("Only the newest %1 of the %2 driver savegames found are listed.")
                               .arg(search.savegames.size())
                               .arg(search.savegames.size() + search.notListed);
    m_ui->lblSearched->setText(searched);
    m_ui->lblSearched->setToolTip(PlainToolTip((search.unreadable + search.undecodable).join(u'\n')));
}

void FindSavegamesWindow::cmdChoose_Click()
{
    const QTreeWidgetItem* item = m_ui->lvwSavegames->currentItem();
    if (!item)
        return;
    const QString path = item->data(FileColumn, PathRole).toString();
    close();
    emit chosen(path);
}

void FindSavegamesWindow::cmdClose_Click()
{
    close();
}

} // namespace kelmora
