#pragma once

#include "settings/SavegameFolders.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmFindSavegames;
}

namespace kelmora {

// Lists the driver savegames found where a player's savegames live, newest first, each with the
// place it is in and its progress; the chosen one becomes the template as if picked in the open
// dialog. Usable from the keyboard alone: the list has the focus, Enter chooses, Escape closes.
class FindSavegamesWindow : public QDialog
{
    Q_OBJECT

public:
    FindSavegamesWindow(const QList<SavegamePlace>& places, QWidget* parent = nullptr);
    ~FindSavegamesWindow() override;

signals:
    // The player chose the savegame at `path` (native separators); the window has closed.
    void chosen(const QString& path);

public slots:
    void cmdChoose_Click();
    void cmdClose_Click();

private:
    void Form_Load(const QList<SavegamePlace>& places);

    std::unique_ptr<Ui::frmFindSavegames> m_ui;
};

} // namespace kelmora
