#pragma once

#include "Program.h"
#include "UiServices.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace kelmora::test {

// Every word-wrapped label of a shown window has the height its text needs at its width.
inline QStringList ClippedLabels(const QWidget& window)
{
    QStringList clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap() && label->height() < label->heightForWidth(label->width()))
            clipped << label->objectName();
    }
    return clipped;
}

// The text of a window's label, or a note that it has none of that name.
inline QString TextOf(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// Whether a shown window fits its screen's room, with its frame's top left corner on it, in the middle
// from top to bottom, and from side to side where it is narrower than that room. The frame is known
// only once the window is shown, after it was placed: a few pixels off are its border.
inline bool CentredOnItsScreen(const QWidget& window)
{
    const QRect room = window.screen()->availableGeometry(), frame = window.frameGeometry();
    constexpr int border = 4;
    return window.width() <= room.width() && window.height() <= room.height() && room.contains(frame.topLeft()) &&
           qAbs(frame.center().y() - room.center().y()) <= border &&
           (window.width() == room.width() || qAbs(frame.center().x() - room.center().x()) <= border);
}

// How far a shown picture is from the PNG `reference` of the resources, scaled to the picture's size
// where it has none of its own: the mean difference of their premultiplied channels, 0 (the same
// pixels) to 255. Drawn from SVG and rendered by another program, the same picture stays within a few.
inline double DifferenceFrom(const QPixmap& shown, const QString& reference)
{
    const QImage picture = shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage expected = QImage(reference)
                                .scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull() || expected.size() != picture.size())
        return 255;
    qint64 sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            sum += qAbs(qRed(a[x]) - qRed(b[x])) + qAbs(qGreen(a[x]) - qGreen(b[x])) + qAbs(qBlue(a[x]) - qBlue(b[x])) +
                   qAbs(qAlpha(a[x]) - qAlpha(b[x]));
        }
    }
    return static_cast<double>(sum) / (4.0 * picture.width() * picture.height());
}

class FakeMessages final : public MessageService
{
public:
    void ShowMessage(const Message& message) override
    {
        shown.append(message);
        busyWhenShown += QApplication::overrideCursor() != nullptr;
    }
    bool AskToGoOn(const Message& message, const QString& question) override
    {
        ShowMessage(message);
        asked << question;
        return goOn;
    }
    QList<ShownMessage> shown;
    int busyWhenShown = 0; // messages shown under the busy pointer
    QStringList asked;
    bool goOn = false; // the answer to the next question
};

class FakeExit final : public ProgramExit
{
public:
    void EndProgram() override { ++endCount; }
    int endCount = 0;
};

class FakeOpenDialog final : public OpenFileDialog
{
public:
    QString GetOpenFileName(QWidget*, const QString& title, const QString& folder, const QString& filter,
                            const QList<SavegamePlace>& places) override
    {
        ++opened;
        lastTitle = title;
        lastFolder = folder;
        lastFilter = filter;
        lastSidebar = places;
        return answer;
    }
    QString answer; // empty: the player cancels
    int opened = 0;
    QString lastTitle, lastFolder, lastFilter;
    QList<SavegamePlace> lastSidebar;
};

class FakeLauncher final : public ProgramLauncher
{
public:
    bool Start(const QString& program, const QString& argument, QObject*,
               std::function<void(const QString& reason)> failed) override
    {
        started << program + u'|' + argument;
        fail = std::move(failed);
        return succeeds;
    }
    bool succeeds = true;
    QStringList started;
    std::function<void(const QString& reason)> fail; // the last start's, to end it with a failure later
};

// A program folder and a savegame folder of its own, the settings redirected, an empty home folder
// (where the open dialog and Find Savegames look for prefixes and savegames), fakes for every
// service. Program folders get a blank in their name, as "Program Files" has.
class UiFixture
{
public:
    UiFixture()
        : m_realHome(qgetenv("HOME"))
    {
        RedirectSettings(settingsDir.path());
        QDir(dir.path()).mkpath("home");
        home = dir.filePath("home");
        qputenv("HOME", QFile::encodeName(home));
        QDir(dir.path()).mkpath("Save");
        QDir(dir.path()).mkpath("Kelmora Program");
        saveFolder = QDir::toNativeSeparators(dir.filePath("Save")) + QDir::separator();
        programFolder = QDir::toNativeSeparators(dir.filePath("Kelmora Program"));
        alex = MakeSavegame(30000, 51);
        bob = MakeSavegame(12000, 52);
        WriteWholeFile(saveFolder + "Alex.sav", alex);
        WriteWholeFile(saveFolder + "Bob.sav", bob);
    }

    // A fresh run of the program, as a new start would make it.
    Program& start()
    {
        program.reset();
        program = std::make_unique<Program>(UiServices{messages, exit, clock, openDialog, launcher, programFolder,
                                                       programFolder, QDir(dir.path()).filePath("User"), places()});
        program->Main();
        return *program;
    }
    // Savegames are looked for in the made-up home alone, on Windows too, where the system's places
    // are the player's own Documents and Program Files folders.
    PlaceInputs places() const { return PlaceInputs{home, QString(), home + "/Documents", {}}; }
    // The open dialog's next answer: a file of the savegame folder, as the dialog gives it.
    void answer(const QString& name) { openDialog.answer = QDir::fromNativeSeparators(saveFolder + name); }
    QByteArray file(const QString& name) const { return ReadWholeFile(saveFolder + name); }

    QTemporaryDir dir;
    QTemporaryDir settingsDir;
    QString saveFolder;
    QString programFolder;
    QByteArray alex, bob;
    FakeMessages messages;
    FakeExit exit;
    FixedClock clock;
    FakeOpenDialog openDialog;
    FakeLauncher launcher;
    std::unique_ptr<Program> program;
    QString home;

    ~UiFixture()
    {
        program.reset();
        qputenv("HOME", m_realHome);
    }

private:
    QByteArray m_realHome;
};

} // namespace kelmora::test
