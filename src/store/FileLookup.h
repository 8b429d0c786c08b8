#pragma once

#include <QString>
#include <QStringList>

namespace kelmora {

// Looks for ordinary files: hidden and system files (a Windows player's, by their attributes),
// folders, links and devices never count. The name part of the pattern may hold "?" for exactly one
// character; everything else matches itself, ignoring case. A pattern ending in a separator asks
// for any file at all in that folder. A missing folder simply holds nothing; a pattern that cannot
// name a folder (a path through a file, a NUL) is an error.
struct LookupResult
{
    QStringList files; // full paths in native form, each name as the folder spells it
    QString error; // the system's description when the look-up itself failed

    bool failed() const { return !error.isEmpty(); }
    bool found() const { return !files.isEmpty(); }
};

LookupResult LookUpFiles(const QString& pattern);

// Characters as a player counts them: one outside the Basic Multilingual Plane (an emoji, say) is
// one character, not two halves.
QString FirstCharacter(const QString& text);
qsizetype CharacterCount(const QString& text);

inline const QString FactoryDriverSuffix = QStringLiteral("FactMS.sav");
// One character, then "FactMS.sav", in any case: the name of a factory driver file.
bool IsFactoryDriverFileName(const QString& name);

} // namespace kelmora
