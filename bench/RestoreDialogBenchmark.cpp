// The restore dialog's opening against the number of backups it shows: the dialog over 5,000 backups
// and over 500, taking turns, on the offscreen platform. Linear time means at most ten times as long
// for ten times the backups. Run it by hand; it is not a test.
//
//     kelmora_restore_bench [folder]
#include "RestoreWindow.h"
#include "SystemServices.h"
#include "UiServices.h"
#include "store/BackupFolder.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelmora;

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A user folder whose Backups hold `count` backups of 100 factory driver files.
QString UserFolderWith(const QString& root, int count)
{
    const QString folder = root + QStringLiteral("/user-%1").arg(count);
    BackupFolder backups(folder + QStringLiteral("/Backups"));
    QByteArray content(MinimumSavegameSize, '\1');
    for (int i = 0; i < count; ++i) {
        content[0] = char(i);
        content[1] = char(i >> 8);
        const QString original = QStringLiteral("/home/player/Save %1/AFactMS.sav").arg(i % 100);
        const MissionChoice choice{MissionChoice::Kind::Set, {i % MISSION_COUNT}, {}};
        if (const QString error = backups.Keep(original, content, {}, choice); !error.isEmpty())
            qFatal("Could not keep a backup: %s", qPrintable(error));
    }
    return folder;
}

class NoMessages final : public MessageService
{
public:
    void ShowMessage(const Message&) override { }
    bool AskToGoOn(const Message&, const QString&) override { return false; }
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QTemporaryDir temporary =
        arguments.size() > 1 ? QTemporaryDir(QDir(arguments[1]).filePath(QStringLiteral("kelmora_bench-XXXXXX")))
                             : QTemporaryDir();
    if (!temporary.isValid())
        qFatal("Could not make the benchmark's folder");
    test::RedirectSettings(temporary.filePath(QStringLiteral("settings")));
    NoMessages messages;
    ApplicationExit programExit;
    SystemClock clock;
    FileDialogService openDialog;
    ProcessLauncher launcher;
    const QString few = UserFolderWith(temporary.path(), 500), many = UserFolderWith(temporary.path(), 5000);
    const auto open = [&](const QString& userFolder, int expected) {
        const UiServices services{messages, programExit,      clock,      openDialog, launcher,
                                  {},       temporary.path(), userFolder, {}};
        QElapsedTimer timer;
        timer.start();
        auto* dialog = new RestoreWindow(services);
        dialog->show();
        QCoreApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (dialog->findChild<QTreeWidget*>()->topLevelItemCount() != expected)
            qFatal("The dialog does not show the %d backups", expected);
        delete dialog;
        return ms;
    };
    std::vector<double> fewMs, manyMs;
    for (int i = 0; i < 2; ++i) {
        open(few, 500);
        open(many, 5000);
    }
    for (int i = 0; i < 15; ++i) {
        if (i % 2) {
            fewMs.push_back(open(few, 500));
            manyMs.push_back(open(many, 5000));
        } else {
            manyMs.push_back(open(many, 5000));
            fewMs.push_back(open(few, 500));
        }
    }
    const double ratio = Median(manyMs) / Median(fewMs);
    std::printf("  restore dialog over 5,000 backups: %.1f ms, over 500: %.1f ms (medians of 15)\n", Median(manyMs),
                Median(fewMs));
    std::printf("Goal 6 | restore dialog, 5,000 backups | the dialog over 500, times 10 | %.3f | 1.00 | %s\n",
                ratio / 10, ratio <= 10 ? "met" : "MISSED");
    return 0;
}
