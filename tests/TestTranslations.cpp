// The translations: every text of every language translated, built into the program, chosen from
// the desktop's languages, and carried into the desktop files.
#include "DesktopFiles.h"
#include "Translations.h"
#include "mission/MissionCatalogue.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

using namespace kelmora;

namespace {

struct Entry
{
    QString context, source, disambiguation, translation, type;
};

// The messages of a .ts file, in their order.
QList<Entry> ReadTs(const QString& path, QString* language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entries.append({context, {}, {}, {}, {}});
        } else if (name == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entries.last().disambiguation = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Entry>{} : entries;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9][0-9]?"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured().remove(u'L');
    found.sort();
    found.removeDuplicates();
    return found;
}

// A keyboard accelerator: an ampersand before a character, "&&" being a written ampersand.
bool HasAccelerator(QString text)
{
    static const QRegularExpression accelerator(QStringLiteral("&[^&\\s]"));
    return text.remove(QStringLiteral("&&")).contains(accelerator);
}

QByteArray ReadResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void testEveryEntryTranslated_data();
    void testEveryEntryTranslated();
    void testChoosingTheLanguage_data();
    void testChoosingTheLanguage();
    void testGoalTimesInTheLanguage_data();
    void testGoalTimesInTheLanguage();
    void testDesktopFilesCarryTheTranslations();

private:
    std::unique_ptr<QTranslator> m_installed;
};

void TestTranslations::initTestCase()
{
    // The files of translations/, as this test carries them; the built .qm files, as the program does.
    QStringList tsLanguages;
    for (const QString& name : QDir(QStringLiteral(":/ts")).entryList({QStringLiteral("kelmora_*.ts")}))
        tsLanguages << name.mid(8).chopped(3);
    QVERIFY(tsLanguages.size() >= 6);
    QCOMPARE(TranslatedLanguages(), tsLanguages);
}

void TestTranslations::cleanup()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed.get());
    m_installed.reset();
}

void TestTranslations::testEveryEntryTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : TranslatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::testEveryEntryTranslated()
{
    QFETCH(QString, language);
    QString fileLanguage, germanLanguage;
    const QList<Entry> entries = ReadTs(QStringLiteral(":/ts/kelmora_%1.ts").arg(language), &fileLanguage);
    QVERIFY(!entries.isEmpty());
    QCOMPARE(fileLanguage, language);
    QTranslator built;
    QVERIFY(built.load(QStringLiteral(":/i18n/kelmora_%1.qm").arg(language)));

    QStringList problems;
    for (const Entry& entry : entries) {
        const QString where = entry.context + QStringLiteral(" \"") + entry.source.left(60) + u'"';
        if (!entry.type.isEmpty() || entry.translation.trimmed().isEmpty()) {
            problems << where + QStringLiteral(": not translated (") + entry.type + u')';
            continue;
        }
        if (Placeholders(entry.translation) != Placeholders(entry.source))
            problems << where + QStringLiteral(": placeholders ") + Placeholders(entry.translation).join(u' ');
        if (HasAccelerator(entry.source) != HasAccelerator(entry.translation))
            problems << where + QStringLiteral(": the keyboard accelerator");
        const QString shown =
            built.translate(entry.context.toUtf8().constData(), entry.source.toUtf8().constData(),
                            entry.disambiguation.isEmpty() ? nullptr : entry.disambiguation.toUtf8().constData());
        if (shown != entry.translation)
            problems << where + QStringLiteral(": the built translation differs");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    // Every language translates the same texts: lupdate brought them all up to date together.
    const auto texts = [](const QList<Entry>& list) {
        QSet<QString> set;
        for (const Entry& entry : list)
            set.insert(entry.context + u'\n' + entry.source + u'\n' + entry.disambiguation);
        return set;
    };
    QCOMPARE(texts(entries), texts(ReadTs(QStringLiteral(":/ts/kelmora_de.ts"), &germanLanguage)));
}

void TestTranslations::testChoosingTheLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen"); // empty: English, the program's own

    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("a region without its own") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portugal's Portuguese, then French") << QStringList{"pt-PT", "fr-CA"} << "fr";
    QTest::newRow("an untranslated language first") << QStringList{"ja-JP", "pl-PL"} << "pl";
    QTest::newRow("English before the translated") << QStringList{"en-GB", "it-IT"} << "";
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("none translated") << QStringList{"ja-JP", "nl-NL"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TestTranslations::testChoosingTheLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QTranslator translator;
    QCOMPARE(LoadTranslation(translator, uiLanguages), !chosen.isEmpty());
    QCOMPARE(translator.language(), chosen);
    if (!chosen.isEmpty()) {
        // Qt's own texts of that language, where Qt has them.
        QTranslator qt;
        QVERIFY(LoadQtTranslation(qt, chosen));
        QCOMPARE(qt.translate("QPlatformTheme", "Cancel").isEmpty(), false);
    }
}

void TestTranslations::testGoalTimesInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("goalTime"); // mission 1's
    QTest::addColumn<QString>("goalWords"); // mission 18's
    QTest::newRow("English") << ""
                             << "00:27.00"
                             << "Just Win, Baby";
    QTest::newRow("German") << "de"
                            << "00:27,00"
                            << "Einfach gewinnen, Baby";
    QTest::newRow("French") << "fr"
                            << "00:27,00"
                            << "Gagne, c'est tout";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "00:27,00"
                               << "Só vença, baby";
}

void TestTranslations::testGoalTimesInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, goalTime);
    QFETCH(QString, goalWords);
    if (!language.isEmpty()) {
        m_installed = std::make_unique<QTranslator>();
        QVERIFY(LoadTranslation(*m_installed, {language}));
        QCoreApplication::installTranslator(m_installed.get());
    }
    QCOMPARE(TranslationLocale().name().left(2), language.isEmpty() ? QStringLiteral("en") : language.left(2));
    QCOMPARE(Details(0).GoalTime, goalTime);
    QCOMPARE(Details(17).GoalTime, goalWords);
    // What scripts read keeps the digits as they are.
    QCOMPARE(PlainGoalTime(0), QStringLiteral("00:27.00"));
}

void TestTranslations::testDesktopFilesCarryTheTranslations()
{
    // The desktop files as they are in resources/desktop/ hold every translation of translations/:
    // `cmake --build build --target update_desktop_files` was run after the last change of either.
    std::vector<std::unique_ptr<QTranslator>> translators;
    QList<DesktopLanguage> languages;
    for (const QString& language : TranslatedLanguages()) {
        translators.push_back(std::make_unique<QTranslator>());
        QVERIFY(translators.back()->load(QStringLiteral(":/i18n/kelmora_%1.qm").arg(language)));
        languages.append({language, translators.back().get()});
    }
    using Translate = QString (*)(const QString&, const QList<DesktopLanguage>&, QStringList*);
    const QList<QPair<QString, Translate>> files = {{"com.quorrick.Kelmora.desktop", TranslatedDesktopEntry},
                                                    {"com.quorrick.Kelmora.metainfo.xml", TranslatedMetainfo},
                                                    {"com.quorrick.Kelmora.mime.xml", TranslatedMimeInfo}};
    for (const auto& [name, translate] : files) {
        const QString file = QString::fromUtf8(ReadResource(QStringLiteral(":/desktop/") + name));
        QVERIFY2(!file.isEmpty(), qPrintable(name));
        QStringList missing;
        QCOMPARE(translate(file, languages, &missing), file);
        QCOMPARE(missing, QStringList());
        // Without translations each file is its English alone, and every line of that is in the file.
        const QString english = translate(file, {}, &missing);
        QVERIFY2(!english.contains(QStringLiteral("lang=")) && !english.contains(QStringLiteral("[de]")),
                 qPrintable(name));
        for (const QString& line : english.split(u'\n'))
            QVERIFY2(file.contains(line), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
