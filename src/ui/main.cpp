#include "Program.h"
#include "settings/DataLocation.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
#ifndef Q_OS_MACOS
    // The menu stays in the window, as the program has always had it; asking the desktop for a
    // global menu bar first costs a D-Bus round trip at every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
#endif
#ifdef SIGXFSZ
    // A file-size limit must fail the write with the system's words, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    kelmora::IgnoreRelativeXdgFolders();
    QApplication app(argc, argv);
    return kelmora::RunKelmora(app);
}
