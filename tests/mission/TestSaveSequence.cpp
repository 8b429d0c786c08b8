#include "mission/SafeFile.h"
#include "mission/SaveSequence.h"
#include "mission/SystemServices.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <QTime>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

class TestSaveSequence : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testSaves();
    void testFailures_data();
    void testFailures();
    void testNeverWritesTheTemplate_data();
    void testNeverWritesTheTemplate();
    void testInterruptedSaveKeepsTheOldBytes();
    void testUnusableSettings_data();
    void testUnusableSettings();
    void testLongTimeFormat_data();
    void testLongTimeFormat();

private:
    // Runs a save of `index` and returns the save status text afterwards.
    QString save(int index, bool enabled = true, const WriteInterruption* interruption = nullptr)
    {
        const SaveOutcome outcome =
            RunSaveSequence(m_state, {m_clock, m_programFolder, m_user.path(), interruption}, enabled, index);
        m_shown = Shown(outcome.problems);
        return outcome.saved() ? outcome.statusText : NotSaved;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QTemporaryDir m_user;
    FixedClock m_clock;
    QString m_programFolder;
    QList<ShownMessage> m_shown;
    RunState m_state;
    QByteArray m_template;
    QString m_factoryPath, m_dataPath;
    static inline const QString NotSaved = QStringLiteral("Not saved this session");
};

void TestSaveSequence::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("Save") && QDir(m_dir->path()).mkpath("Program"));
    m_state = RunState{};
    m_state.SavedataFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    m_state.TemplateDriverFile = "Alex.sav";
    m_state.FactoryDriverFile = "AFactMS.sav";
    m_factoryPath = m_state.SavedataFolder + "AFactMS.sav";
    m_dataPath = QDir::toNativeSeparators(m_dir->filePath("Program/kelmora.dat"));
    m_programFolder = QDir::toNativeSeparators(m_dir->filePath("Program"));

    m_template = MakeSavegame(65536, 77);
    WriteWholeFile(m_state.SavedataFolder + "Alex.sav", m_template);
    WriteWholeFile(m_factoryPath, m_template);
    WriteWholeFile(m_dataPath, RecordsOf(BlockOf(m_template)));
}

void TestSaveSequence::testSaves()
{
    // Every save starts from the template's block in the data file: 5 after 20 leaves no trace of 20,
    // and the last mission, which changes nothing, brings back all that earlier saves zeroed.
    for (const int index : {20, 5, 0, 32, 33, 6}) {
        QCOMPARE(save(index), QStringLiteral("Saved [Mission #%1] @ 9:41:07 PM").arg(index + 1));
        QCOMPARE(ReadWholeFile(m_factoryPath), SavedFrom(m_template, index));
    }
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(ReadWholeFile(m_state.SavedataFolder + "Alex.sav"), m_template);
    QCOMPARE(ReadWholeFile(m_dataPath), RecordsOf(BlockOf(m_template)));
}

void TestSaveSequence::testFailures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("broken"); // "<data>" or "<factory>": the file replaced before the save
    QTest::addColumn<int>("size"); // what replaces it: -1 nothing, -2 a folder, else its first bytes
    QTest::addColumn<QList<ShownMessage>>("expected");
    const ShownMessage saveFailed{"Could not read in program data file '<data>' properly", "Error! - Save failed",
                                  MessageIcon::Exclamation};
    const auto notRead = [&saveFailed](const QString& description) {
        return QList<ShownMessage>{
            {"Could not read from data file '<data>' [" + description + "]", "Error!", MessageIcon::Exclamation},
            saveFailed};
    };
    const auto notWritten = [](const QString& description) {
        return QList<ShownMessage>{{"Could not write to factory driver file '<factory>' [" + description + "]",
                                    "Error! - Write failed", MessageIcon::Exclamation}};
    };
    const QList<ShownMessage> outside{{"Could not successfully manipulate mission selection data array",
                                       "Error! - Save failed", MessageIcon::Exclamation}};

    QTest::newRow("panel disabled") << 3 << false << "" << 0 << QList<ShownMessage>{};
    QTest::newRow("data file missing") << 4 << true << "<data>" << -1 << notRead("No such file or directory");
    QTest::newRow("data file one byte short")
        << 4 << true << "<data>" << 169 << notRead("The file is truncated (169 of 170 bytes)");
    QTest::newRow("data file a folder") << 4 << true << "<data>" << -2 << notRead("*");
    QTest::newRow("index before the list") << -1 << true << "" << 0 << outside;
    QTest::newRow("index after the list") << 34 << true << "" << 0 << outside;
    // A save never makes up a savegame, nor lengthens one.
    QTest::newRow("factory file missing") << 2 << true << "<factory>" << -1 << notWritten("No such file or directory");
    QTest::newRow("factory file one byte short")
        << 2 << true << "<factory>" << 8169
        << notWritten("The file is too short to be a driver savegame (8169 bytes, at least 8170 needed)");
    QTest::newRow("factory file a folder") << 2 << true << "<factory>" << -2 << notWritten("*");
}

void TestSaveSequence::testFailures()
{
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(QString, broken);
    QFETCH(int, size);
    QFETCH(QList<ShownMessage>, expected);
    const QString path = broken == "<data>" ? m_dataPath : m_factoryPath;
    if (!broken.isEmpty()) {
        const QByteArray bytes = ReadWholeFile(path);
        QVERIFY(QFile::remove(path));
        if (size >= 0)
            WriteWholeFile(path, bytes.left(size));
        else if (size == -2)
            QVERIFY(QDir().mkdir(path));
    }
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(index, enabled), NotSaved);
    for (ShownMessage& message : expected)
        message.text.replace("<data>", m_dataPath).replace("<factory>", m_factoryPath);
    QCOMPARE(Matched(m_shown, expected), expected);
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestSaveSequence::testNeverWritesTheTemplate_data()
{
    QTest::addColumn<QString>("way"); // how the factory driver file's path leads to the template
    QTest::newRow("symbolic link") << "symlink";
    QTest::newRow("hard link") << "hardlink";
    QTest::newRow("factory name that is the template's") << "name";
    QTest::newRow("folder link with ..") << "dotdot";
}

void TestSaveSequence::testNeverWritesTheTemplate()
{
    QFETCH(QString, way);
    const QString templatePath = m_state.SavedataFolder + "Alex.sav";
    QVERIFY(QFile::remove(m_factoryPath));
    if (way == "symlink") {
        QVERIFY(QFile::link(templatePath, m_factoryPath));
    } else if (way == "hardlink") {
#ifdef Q_OS_UNIX
        QCOMPARE(::link(QFile::encodeName(templatePath).constData(), QFile::encodeName(m_factoryPath).constData()), 0);
#else
        QSKIP("POSIX only");
#endif
    } else if (way == "name") {
        // Settings edited by hand: the template's own name has the factory form.
        QVERIFY(QFile::rename(templatePath, m_state.SavedataFolder + "AFactMS.sav"));
        m_state.TemplateDriverFile = "AFactMS.sav";
    } else {
        // The template reached through a link to a folder and back out of it with "..".
        QVERIFY(QFile::link(m_dir->path(), m_dir->filePath("Save/Up")));
        QVERIFY(QFile::link("Up/Save/../Save/./Alex.sav", m_factoryPath));
    }
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(3), NotSaved);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Error! - Write failed"));
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestSaveSequence::testInterruptedSaveKeepsTheOldBytes()
{
    // The player has played on since the last save; a save stopped anywhere leaves that whole.
    QByteArray played = SavedFrom(m_template, 10);
    played[245 + 240 * 10] = 9;
    played[40000] = 'p'; // and the game changed bytes outside the block too
    WriteWholeFile(m_factoryPath, played);
    for (const qint64 stop : {qint64(0), qint64(1), qint64(245), qint64(4096), qint64(65535)}) {
        const WriteInterruption interruption{stop, false};
        QCOMPARE(save(2, true, &interruption), NotSaved);
        QCOMPARE(ReadWholeFile(m_factoryPath), played);
    }
    const WriteInterruption beforeRename{-1, true};
    QCOMPARE(save(2, true, &beforeRename), NotSaved);
    QCOMPARE(ReadWholeFile(m_factoryPath), played);
#ifdef Q_OS_UNIX
    {
        const FileSizeLimit limit(30000);
        QCOMPARE(save(2), NotSaved);
    }
    QCOMPARE(m_shown,
             (QList<ShownMessage>{{"Could not write to factory driver file '" + m_factoryPath + "' [File too large]",
                                   "Error! - Write failed", MessageIcon::Exclamation}}));
    QCOMPARE(ReadWholeFile(m_factoryPath), played);
#endif
    QCOMPARE(QDir(m_dir->filePath("Save")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"AFactMS.sav", "Alex.sav"}));

    // The bytes outside the block are the game's and stay; the block is the save's.
    QVERIFY(save(2) != NotSaved);
    QByteArray expected = WithBlock(played, ExpectedAfterSave(BlockOf(m_template), 2));
    QCOMPARE(ReadWholeFile(m_factoryPath), expected);
}

void TestSaveSequence::testUnusableSettings_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("templateName");
    QTest::newRow("no template name") << "<save>"
                                      << "";
    QTest::newRow("relative folder") << "Save/"
                                     << "Alex.sav";
    QTest::newRow("no folder") << ""
                               << "Alex.sav";
}

void TestSaveSequence::testUnusableSettings()
{
    QFETCH(QString, folder);
    QFETCH(QString, templateName);
    m_state.SavedataFolder = folder.replace("<save>", m_state.SavedataFolder);
    m_state.TemplateDriverFile = templateName;
    m_state.FactoryDriverFile = templateName.isEmpty() ? QString() : QStringLiteral("AFactMS.sav");
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(4), NotSaved);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Error! - Save failed"));
    QVERIFY(m_shown.first().text.startsWith(QStringLiteral("The settings name no usable template driver")));
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestSaveSequence::testLongTimeFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English (US)") << "en_US" << QStringLiteral("9:41:07 PM");
    QTest::newRow("German") << "de_DE" << QStringLiteral("21:41:07");
    // Some locales frame the zone: "H:mm:ss (t)", "HH:mm:ss, t", "Bh:mm:ss [t]".
    QTest::newRow("zone in brackets") << "ca_ES" << QStringLiteral("21:41:07");
    QTest::newRow("zone after a comma") << "be_BY" << QStringLiteral("21:41:07");
    QTest::newRow("zone in square brackets") << "zh_TW" << QLocale("zh_TW").toString(QTime(21, 41, 7), "Bh:mm:ss");
}

void TestSaveSequence::testLongTimeFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QLocale qlocale(locale);
    QVERIFY2(qlocale.timeFormat(QLocale::LongFormat).contains(u't'), "the test needs a format with a zone");
    QCOMPARE(qlocale.toString(QTime(21, 41, 7), LongTimeFormatWithoutZone(qlocale)), expected);
}

QTEST_GUILESS_MAIN(TestSaveSequence)
#include "TestSaveSequence.moc"
