#pragma once

#include "UiServices.h"

#include <QDateTime>
#include <QDialog>

#include <memory>

namespace Ui {
class frmRestore;
}

namespace kelmora {

// Lists the backups of factory driver files and puts the chosen one back where it was taken from.
// Usable from the keyboard alone: the list has the focus, Enter restores, Escape closes.
class RestoreWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RestoreWindow(const UiServices& services, QWidget* parent = nullptr);
    ~RestoreWindow() override;

    // A backup's date and time as the player's locale writes them, to the second.
    static QString LocalTimeText(const QDateTime& time);

signals:
    // A backup is back in place: the file it went to holds other bytes now.
    void restored();

public slots:
    void cmdRestore_Click();
    void cmdClose_Click();

private:
    // Fills the list anew, keeping the backup `selectedId` selected while it is still there.
    void Form_Load(const QString& selectedId = {});

    std::unique_ptr<Ui::frmRestore> m_ui;
    UiServices m_services;
};

} // namespace kelmora
