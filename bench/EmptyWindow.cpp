// The baseline of the start-up benchmark: what any Qt Widgets program pays to show an empty main
// window of the size of Kelmora's, started and ended the same way.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    // Kelmora's main window: its 451 x 200 form with the menu bar above and the status bar below.
    window.setFixedSize(451, 241);
    window.show();
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    return app.exec();
}
