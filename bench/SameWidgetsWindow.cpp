// The baseline of bench/startup_bench.sh: a minimal Qt Widgets program with the main window's widgets
// (its form, the 34 missions in the list, the three status panels), its bold font and its window
// icon, centred and shown, built like the program itself (a WIN32 executable). It reads no settings
// and no file of a player's.
#include "ui_MainWindow.h"

#include "mission/MissionCatalogue.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLayout>
#include <QScreen>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QIcon icon;
    for (const int pixels : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kelmora-%1.png").arg(pixels), QSize(pixels, pixels));
    QApplication::setWindowIcon(icon);

    QMainWindow window;
    Ui::frmMain form;
    form.setupUi(&window);
    window.setWindowTitle(QStringLiteral("Same widgets"));
    QFont bold = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    bold.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), bold.family()});
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    for (QLabel* label : form.centralWidget->findChildren<QLabel*>())
        label->setFont(bold);
    form.sbrMain->setFont(bold);
    for (const QString& text :
         {QStringLiteral("Save Factory Driver"), QStringLiteral("Exit"), QStringLiteral("00:00:00")}) {
        auto* panel = new QLabel(text, form.sbrMain);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(96);
        panel->setFont(bold);
        form.sbrMain->addPermanentWidget(panel);
    }
    for (int row = 0; row < kelmora::MISSION_COUNT; ++row)
        form.cbxMissions->addItem(kelmora::ListText(row));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.adjustSize();
    window.show();
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    return app.exec();
}
