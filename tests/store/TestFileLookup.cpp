#include "store/FileLookup.h"

#include "support/Savegames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace kelmora;
using namespace kelmora::test;

class TestFileLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void testLookUp_data();
    void testLookUp();

private:
    QTemporaryDir m_dir;
};

void TestFileLookup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir dir(m_dir.path());
    QVERIFY(dir.mkpath("Save/BFactMS.sav") && dir.mkpath("Empty") && dir.mkpath("Accents"));
    for (const char* name : {"Save/Alex.sav", "Save/AFactMS.sav", "Save/.FactMS.sav", "Plain", "Accents/Émile.sav"})
        WriteWholeFile(dir.filePath(QString::fromUtf8(name)), "x");
#ifdef Q_OS_WIN
    // Hidden is an attribute on Windows: this file is hidden whatever its name, and the dot file
    // only where the system hides such names (Wine does).
    WriteWholeFile(dir.filePath("Save/HFactMS.sav"), "x");
    QVERIFY(::SetFileAttributesW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(dir.filePath("Save/HFactMS.sav")).utf16()),
        FILE_ATTRIBUTE_HIDDEN));
    QVERIFY(::SetFileAttributesW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(dir.filePath("Save/.FactMS.sav")).utf16()),
        FILE_ATTRIBUTE_HIDDEN));
#endif
}

void TestFileLookup::testLookUp_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("found"); // bare names
    QTest::addColumn<bool>("fails");
    const QStringList none;
    QTest::newRow("exact") << "Save/Alex.sav" << QStringList{"Alex.sav"} << false;
    QTest::newRow("other case") << "Save/ALEX.SAV" << QStringList{"Alex.sav"} << false;
    QTest::newRow("other case beyond ASCII") << "Accents/éMILE.SAV" << QStringList{"Émile.sav"} << false;
    // A folder named like a factory driver file does not count; a name with a dot in front does
    // (hidden is a Windows attribute, which the Windows run tries).
#ifdef Q_OS_UNIX
    QTest::newRow("one wildcard") << "Save/?factms.sav" << QStringList{".FactMS.sav", "AFactMS.sav"} << false;
    QTest::newRow("a dot in front") << "Save/.FactMS.sav" << QStringList{".FactMS.sav"} << false;
#else
    QTest::newRow("one wildcard") << "Save/?factms.sav" << QStringList{"AFactMS.sav"} << false;
    QTest::newRow("hidden") << "Save/HFactMS.sav" << QStringList{} << false;
#endif
    QTest::newRow("wildcard is one character") << "Save/?ex.sav" << none << false;
    QTest::newRow("brackets are plain") << "Save/[A]lex.sav" << none << false;
#ifdef Q_OS_UNIX
    QTest::newRow("any file in a folder") << "Save/" << QStringList{".FactMS.sav", "AFactMS.sav", "Alex.sav"} << false;
#else
    QTest::newRow("any file in a folder") << "Save/" << QStringList{"AFactMS.sav", "Alex.sav"} << false;
#endif
    QTest::newRow("folder without files") << "Empty/" << none << false;
    QTest::newRow("a folder is no file") << "Empty" << none << false;
    QTest::newRow("missing folder") << "Gone/Alex.sav" << none << false;
    QTest::newRow("through a file") << "Plain/Alex.sav" << none << true;
    QTest::newRow("through a file, deeper") << "Plain/Sub/" << none << true;
}

void TestFileLookup::testLookUp()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, found);
    QFETCH(bool, fails);
    const LookupResult result = LookUpFiles(QDir::toNativeSeparators(m_dir.filePath(pattern)));
    QCOMPARE(result.failed(), fails);
    QStringList names;
    for (const QString& file : result.files)
        names << QFileInfo(file).fileName();
    names.sort();
    QCOMPARE(names, found);
}

QTEST_GUILESS_MAIN(TestFileLookup)
#include "TestFileLookup.moc"
