// The window program's command line: what it asks for, and that --version and --help need no display.
#include "WindowArguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kelmora;

class TestWindowArguments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void testParse_data();
    void testParse();
    void testWithoutADisplay();

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
};

void TestWindowArguments::initTestCase()
{
    // <dir>/Save/Alex.sav and "-x.sav"; <dir>/deep/inner linked as <dir>/link; <dir>/deep/Bob.sav.
    QVERIFY(QDir(m_dir.path()).mkpath("Save") && QDir(m_dir.path()).mkpath("deep/inner"));
    for (const char* name : {"Save/Alex.sav", "Save/-x.sav", "deep/Bob.sav", "Bob.sav"}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(m_dir.filePath("deep/inner"), m_dir.filePath("link")));
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.filePath("Save")));
}

void TestWindowArguments::cleanupTestCase()
{
    QDir::setCurrent(m_oldCurrent);
}

void TestWindowArguments::testParse_data()
{
    using Action = WindowArguments::Action;
    QTest::addColumn<QStringList>("words"); // "<dir>" stands for the test's folder
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("result"); // the savegame, or the problem
    QTest::addColumn<bool>("undecodable"); // the file's word was no text in the system's encoding

    QTest::newRow("nothing") << QStringList{} << Action::Run << QString() << false;
    QTest::newRow("full path") << QStringList{"<dir>/Save/Alex.sav"} << Action::Run << "<dir>/Save/Alex.sav" << false;
    QTest::newRow("relative") << QStringList{"Alex.sav"} << Action::Run << "<dir>/Save/Alex.sav" << false;
    QTest::newRow("up and down") << QStringList{"../Save/./Alex.sav"} << Action::Run << "<dir>/Save/Alex.sav" << false;
#ifdef Q_OS_WIN
    // Windows takes ".." off the name before it looks at a single folder, link or not: <dir>, as
    // every other program there opens it. (QFile::link makes a shortcut, link.lnk, here.)
    QTest::newRow(".. after a folder link")
        << QStringList{"<dir>/link/../Bob.sav"} << Action::Run << "<dir>/Bob.sav" << false;
#else
    // The system takes ".." from where the link leads: <dir>/deep, not <dir>.
    QTest::newRow(".. after a folder link")
        << QStringList{"<dir>/link/../Bob.sav"} << Action::Run << "<dir>/deep/Bob.sav" << false;
#endif
    QTest::newRow("a name like an option")
        << QStringList{"--", "-x.sav"} << Action::Run << "<dir>/Save/-x.sav" << false;
    QTest::newRow("version") << QStringList{"--version"} << Action::PrintVersion << QString() << false;
    QTest::newRow("v beside a file") << QStringList{"Alex.sav", "-v"} << Action::PrintVersion << QString() << false;
    QTest::newRow("help wins") << QStringList{"-v", "--help", "missing.sav"} << Action::PrintHelp << QString() << false;
    QTest::newRow("h after an unknown option") << QStringList{"-x", "-h"} << Action::PrintHelp << QString() << false;
    // A savegame that cannot be used: the window tells why, and starts without it.
    QTest::newRow("missing file") << QStringList{"missing.sav"} << Action::Run
                                  << "Could not find template driver file 'missing.sav'" << false;
    QTest::newRow("a folder") << QStringList{"<dir>/Save"} << Action::Run
                              << "Could not use '<dir>/Save' [It is a folder, not a driver savegame]" << false;
    QTest::newRow("empty") << QStringList{""} << Action::Run << "Could not find template driver file ''" << false;
#ifdef Q_OS_UNIX
    // There is something there, though no savegame: it is not called missing.
    QTest::newRow("a device") << QStringList{"/dev/null"} << Action::Run
                              << "Could not use '/dev/null' [It is not a regular file]" << false;
#endif
    // Decoded, the name may lead to another file, here one that exists.
    QTest::newRow("a name that is no text")
        << QStringList{"Alex.sav"} << Action::Run
        << "Could not use 'Alex.sav' [The name holds bytes that are not text in this system's encoding]" << true;
    QTest::newRow("two files") << QStringList{"Alex.sav", "-x.sav"} << Action::Wrong << "unknown option '-x.sav'"
                               << false;
    QTest::newRow("two files after --") << QStringList{"--", "Alex.sav", "-x.sav"} << Action::Wrong
                                        << "unexpected argument '-x.sav'" << false;
    QTest::newRow("unknown option") << QStringList{"--force"} << Action::Wrong << "unknown option '--force'" << false;
}

void TestWindowArguments::testParse()
{
    QFETCH(QStringList, words);
    QFETCH(WindowArguments::Action, action);
    QFETCH(QString, result);
    QFETCH(bool, undecodable);
    for (QString& word : words)
        word.replace("<dir>", m_dir.path());
    result.replace("<dir>", m_dir.path());

    const WindowArguments parsed =
        ParseWindowArguments(QStringList{"kelmora"} + words, undecodable ? words.mid(0, 1) : QStringList());
    QCOMPARE(parsed.action, action);
    if (parsed.unusable)
        QCOMPARE(MessageFor(*parsed.unusable).text, QDir::toNativeSeparators(result));
    else
        QCOMPARE(action == WindowArguments::Action::Wrong ? parsed.problem : parsed.savegame,
                 action == WindowArguments::Action::Wrong ? result : QDir::toNativeSeparators(result));
}

void TestWindowArguments::testWithoutADisplay()
{
    // No display at all: creating the window system would end the program at once.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        // As text, so that Windows' line ends read as "\n".
        process.start(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(KELMORA_FILE_NAME), arguments,
                      QIODevice::ReadOnly | QIODevice::Text);
        process.waitForFinished(30000);
        return std::tuple{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                          QString::fromUtf8(process.readAllStandardOutput()),
                          QString::fromUtf8(process.readAllStandardError())};
    };
    QCOMPARE(run({"--version"}), std::tuple(0, QStringLiteral("kelmora 1.0.0\n"), QString()));
    const auto [helpStatus, help, helpErrors] = run({"--help"});
    QCOMPARE(helpStatus, 0);
    QCOMPARE(help, WindowHelpText());
    QCOMPARE(run({"a.sav", "b.sav"}), std::tuple(2, QString(),
                                                 QStringLiteral("kelmora: unexpected argument 'b.sav'\n"
                                                                "Usage: kelmora [SAVEGAME]   (--help tells more)\n")));
#ifndef Q_OS_WIN
    // A savegame that cannot be used, where no window could tell of it. (Windows always has one.)
    for (const QStringList& words : {QStringList{"missing.sav"}, QStringList{"--", "missing.sav"}})
        QCOMPARE(run(words), std::tuple(2, QString(),
                                        QStringLiteral("kelmora: Could not find template driver file 'missing.sav'\n"
                                                       "Usage: kelmora [SAVEGAME]   (--help tells more)\n")));
    // A display named but not there: the window system fails to start, and the reason is what is left.
    environment.insert("DISPLAY", ":65000");
    const auto [status, out, errors] = run({"missing.sav"});
    QVERIFY2(errors.startsWith("kelmora: Could not find template driver file 'missing.sav'\n"), qPrintable(errors));
#endif
}

QTEST_GUILESS_MAIN(TestWindowArguments)
#include "TestWindowArguments.moc"
