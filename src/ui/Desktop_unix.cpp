#include "Desktop.h"

#include <QDir>
#include <QProcess>

namespace kelmora {

QString FirstDialogFolder()
{
    return QDir::homePath();
}

QString TextViewer()
{
    return QStringLiteral("xdg-open");
}

void SetPathArgument(QProcess& process, const QString& path)
{
    process.setArguments({path});
}

} // namespace kelmora
