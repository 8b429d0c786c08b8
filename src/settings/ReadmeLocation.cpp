#include "ReadmeLocation.h"

#include <QDir>
#include <QFileInfo>

namespace kelmora {

QString InstalledDocFolder()
{
#ifdef KELMORA_INSTALL_DOCDIR
    return QDir::toNativeSeparators(QStringLiteral(KELMORA_INSTALL_DOCDIR));
#else
    return {};
#endif
}

QString ReadmePath(const QString& programFolder, const QString& installedDocFolder)
{
    const QString name = QString::fromLatin1(ReadmeFileName);
    const QString besideProgram = programFolder + QDir::separator() + name;
    // Relative to the program, so that an installation moved to another prefix still finds it.
    const QString relativeDoc =
        QDir::cleanPath(QDir::fromNativeSeparators(programFolder) + QStringLiteral("/../share/doc/kelmora/") + name);
    QStringList candidates{besideProgram, relativeDoc};
    if (!installedDocFolder.isEmpty())
        candidates << QDir::cleanPath(QDir::fromNativeSeparators(installedDocFolder) + u'/' + name);
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::toNativeSeparators(candidate);
    }
    return besideProgram;
}

} // namespace kelmora
