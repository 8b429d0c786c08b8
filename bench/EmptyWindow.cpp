// The baselines of the start-up benchmark: what any Qt Widgets program pays to show an empty main
// window of the size of Kelmora's, started and ended the same way. With --with-text the window
// also has a menu bar and one line of text, which is what it takes to load the fonts at all.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QMainWindow window;
    const bool withText = app.arguments().contains(QStringLiteral("--with-text"));
    window.setWindowTitle(withText ? QStringLiteral("Text") : QStringLiteral("Empty"));
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Factory Driver  1")));
    }
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
