#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutWindow.h"
#include "Appearance.h"
#include "Desktop.h"
#include "FindSavegamesWindow.h"
#include "RestoreWindow.h"
#include "StatusPanel.h"
#include "mission/MissionCatalogue.h"
#include "mission/NextMission.h"
#include "settings/ReadmeLocation.h"
#include "settings/SavegameFolders.h"
#include "settings/SettingsStore.h"
#include "store/FileLookup.h"
#include "store/FileSystem.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLayout>
#include <QMimeData>
#include <QScreen>
#include <QSet>
#include <QStatusBar>

#include <utility>

namespace kelmora {

namespace {
// The status bar's panels stop this far short of the window's right edge.
constexpr int PanelsRightGap = 9;

const char* const NoTemplateHint =
    QT_TRANSLATE_NOOP("kelmora::MainWindow", "None yet: choose File, Select New Template Driver");

// The window's palette with a text colour of the label's own. The whole palette, not the one role:
// this runs before the window passes a new palette on to its children, which would otherwise keep
// the old background.
void SetTextColour(QWidget* widget, QPalette palette, const QColor& colour)
{
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The caption beside a value label, without its colon, for screen readers.
QString CaptionOf(const QLabel* caption)
{
    QString text = caption->text();
    text.remove(QLatin1Char(':'));
    return text.trimmed();
}

// The one local savegame file a drag carries, or nothing.
QString DraggedSavegame(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    const QFileInfo file(data->urls().constFirst().toLocalFile());
    if (!file.isFile() || file.suffix().compare(QStringLiteral("sav"), Qt::CaseInsensitive) != 0)
        return {};
    return file.absoluteFilePath();
}

// On Linux Qt names a drop-down list by its current entry, so a screen reader heard the chosen
// mission and never what the list is for. This one is named by its caption (its accessible name)
// and gives the entry as its value.
class MissionListAccessible final : public QAccessibleWidget
{
public:
    explicit MissionListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return QAccessibleWidget::doAction(actionName);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MissionListAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object && object->objectName() == QLatin1String("cbxMissions"))
        return new MissionListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

QFont ClassicBoldFont()
{
    // A family list rather than a look-up: asking whether a family exists loads every font there is.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), font.family()});
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // Never larger than the screen's room; one that cannot be made as small keeps its top left
    // corner, with its title bar, on the screen.
    const QRect room = screen->availableGeometry();
    window->resize(qMin(window->width(), room.width()), qMin(window->height(), room.height()));
    QRect frame = window->frameGeometry();
    frame.moveCenter(room.center());
    window->move(qMax(frame.left(), room.left()), qMax(frame.top(), room.top()));
}

MainWindow::MainWindow(RunState& state, const UiServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmMain>())
    , m_state(state)
    , m_services(services)
{
    m_ui->setupUi(this);
    // Fixed border: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    const QFont bold = ClassicBoldFont();
    for (QLabel* label : m_ui->centralWidget->findChildren<QLabel*>())
        label->setFont(bold);
    ApplyValueColours();
    m_ui->sbrMain->setFont(bold);
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);

    const QString captions[] = {tr("Save Factory Driver"), tr("Exit"), QString()};
    const QString tips[] = {tr("Save Factory Driver File"), tr("Exit Program"), tr("Time")};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new StatusPanel(captions[i], m_ui->sbrMain);
        m_panels[i]->setObjectName(QStringLiteral("sbrMain_Panel%1").arg(i + 1));
        m_panels[i]->setToolTip(PlainToolTip(tips[i]));
        m_panels[i]->setAccessibleName(i == ClockPanel - 1 ? tips[i] : captions[i]);
        m_panels[i]->setAccessibleDescription(tips[i]);
        m_panels[i]->setFont(bold);
        m_ui->sbrMain->addPermanentWidget(m_panels[i]);
        connect(m_panels[i], &StatusPanel::clicked, this, [this, i] { sbrMain_PanelClick(i + 1); });
    }
    m_panels[SavePanel - 1]->setEnabled(false);
    m_panels[ClockPanel - 1]->ShowClock();
    m_panels[ClockPanel - 1]->setFocusPolicy(Qt::NoFocus); // nothing to press
    // Keep the panels together at the right, just short of the edge.
    m_ui->sbrMain->setContentsMargins(0, 0, PanelsRightGap, 0);

    connect(m_ui->cbxMissions, &QComboBox::currentIndexChanged, this, &MainWindow::cbxMissions_Click);
    connect(m_ui->mnuFile_SelectNewTemplateDriver, &QAction::triggered, this,
            &MainWindow::mnuFile_SelectNewTemplateDriver_Click);
    connect(m_ui->mnuFile_FindSavegames, &QAction::triggered, this, &MainWindow::mnuFile_FindSavegames_Click);
    connect(m_ui->mnuFile_RestoreFactoryDriver, &QAction::triggered, this,
            &MainWindow::mnuFile_RestoreFactoryDriver_Click);
    connect(m_ui->mnuFile_Exit, &QAction::triggered, this, &MainWindow::mnuFile_Exit_Click);
    connect(m_ui->mnuHelp_about, &QAction::triggered, this, &MainWindow::mnuHelp_about_Click);
    connect(m_ui->mnuHelp_ViewReadme, &QAction::triggered, this, &MainWindow::mnuHelp_ViewReadme_Click);
    // The desktop's usual keys as well; the menus show the program's own.
    m_ui->mnuFile_Exit->setShortcuts({m_ui->mnuFile_Exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    m_ui->mnuHelp_ViewReadme->setShortcuts({m_ui->mnuHelp_ViewReadme->shortcut(), QKeySequence(Qt::Key_F1)});
    for (QAction* action : m_ui->mnuFile->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuFile_Separator1"));
    }
    setTabOrder(m_ui->cbxMissions, m_panels[0]);
    setTabOrder(m_panels[0], m_panels[1]);

    // Screen readers read a value with its caption; the list is named by its caption rather than by
    // whatever it shows.
    const std::pair<QLabel*, QLabel*> rows[] = {{m_ui->lblTemplateDriver, m_ui->lblTemplateDriverDesc},
                                                {m_ui->lblFactoryDriver, m_ui->lblFactoryDriverDesc},
                                                {m_ui->lblSaveStatus, m_ui->lblSaveStatusDesc},
                                                {m_ui->lblCar, m_ui->lblCarDesc},
                                                {m_ui->lblLocation, m_ui->lblLocationDesc},
                                                {m_ui->lblMission, m_ui->lblMissionDesc},
                                                {m_ui->lblGoalTime, m_ui->lblGoalTimeDesc}};
    for (const auto& [caption, value] : rows)
        value->setAccessibleDescription(CaptionOf(caption));
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(MissionListAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_ui->cbxMissions->setAccessibleName(CaptionOf(m_ui->lblSelectMission));
    m_ui->lblSelectMission->setBuddy(m_ui->cbxMissions);
    m_ui->sbrMain->setAccessibleName(tr("Status bar"));

    Form_Load();
    MakeRoomForTexts();
    SetFileText(m_ui->lblTemplateDriverDesc, tr(NoTemplateHint), {});
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this);
}

MainWindow::~MainWindow() = default;

StatusPanel* MainWindow::panel(int index) const
{
    return index >= 1 && index <= 3 ? m_panels[index - 1] : nullptr;
}

void MainWindow::Form_Load()
{
    for (int row = 0; row < MISSION_COUNT; ++row)
        m_ui->cbxMissions->addItem(ListText(row));
    m_ui->cbxMissions->setCurrentIndex(0);
    cbxMissions_Click();
}

void MainWindow::cbxMissions_Click()
{
    const int index = m_ui->cbxMissions->currentIndex();
    if (index < 0)
        return;
    const MissionDetails details = Details(index);
    SetValueText(m_ui->lblCarDesc, details.Car);
    SetValueText(m_ui->lblLocationDesc, details.Location);
    SetValueText(m_ui->lblMissionDesc, details.Mission);
    SetValueText(m_ui->lblGoalTimeDesc, details.GoalTime);
    ShowSaveEffect();
}

void MainWindow::SetValueText(QLabel* label, const QString& text)
{
    // One line, growing to the right; what passes the window's edge is cut off there.
    label->setText(text);
    label->resize(qMax(label->sizeHint().width(), label->parentWidget()->maximumWidth() - label->x()), label->height());
}

void MainWindow::MakeRoomForTexts()
{
    // A translation may be longer than the English, for which the window's places are made: the
    // captions' column widens to its widest caption, the values' column to the widest detail of any
    // mission, and the save effect's two lines grow to three where its longest wording needs them.
    // The window grows with them; where the English fits, nothing moves.
    QWidget* form = m_ui->centralWidget;
    const QList<QLabel*> captions = {m_ui->lblTemplateDriver, m_ui->lblFactoryDriver, m_ui->lblSaveStatus,
                                     m_ui->lblSelectMission,  m_ui->lblCar,           m_ui->lblLocation,
                                     m_ui->lblMission,        m_ui->lblGoalTime};
    int captionWidth = 0;
    for (const QLabel* caption : captions)
        captionWidth = qMax(captionWidth, caption->sizeHint().width());
    // A column that has to grow keeps a few pixels between its longest text and the window's edge,
    // as the save effect has on the right.
    const int spare = form->maximumWidth() - (m_ui->lblSaveEffectDesc->x() + m_ui->lblSaveEffectDesc->width());
    const int captionRoom = m_ui->lblTemplateDriver->width();
    const int wider = captionWidth > captionRoom ? captionWidth + spare - captionRoom : 0;

    // Each text measured once: cars and places come back from mission to mission, and measuring
    // is most of what this costs at start.
    QSet<QString> details;
    for (int row = 0; row < MISSION_COUNT; ++row) {
        const MissionDetails mission = Details(row);
        details << mission.Car << mission.Location << mission.Mission << mission.GoalTime;
    }
    // The value column's one sentence that no file name shortens: cut, it would lose its advice.
    details << tr(NoTemplateHint);
    const QFontMetrics metrics(m_ui->lblMissionDesc->font());
    int detailWidth = 0;
    for (const QString& text : std::as_const(details))
        detailWidth = qMax(detailWidth, metrics.horizontalAdvance(text));
    const int valuesRoom = form->maximumWidth() - m_ui->lblMissionDesc->x();
    const int widerValues = detailWidth > valuesRoom ? detailWidth + spare - valuesRoom : 0;

    QLabel* effect = m_ui->lblSaveEffectDesc;
    const int effectWidth = effect->width() + widerValues;
    MissionStatusTable untouched{};
    MissionStatusTable played{};
    for (MissionStatusRecord& record : played)
        record.fill(1);
    int effectHeight = effect->height();
    // Every text of the line but one that names a file, whose length has no bound.
    for (const QString& text : {SaveEffectText(untouched, MISSION_COUNT - 1, SaveTense::Ahead),
                                SaveEffectText(played, MISSION_COUNT - 1, SaveTense::Ahead), UnreadableDataFileText(),
                                ForeignDataFileText(), SettingsGoneText(), FactoryGoneText(), AnotherDriversFileText()})
        effectHeight = qMax(
            effectHeight,
            QFontMetrics(effect->font()).boundingRect(QRect(0, 0, effectWidth, 0), Qt::TextWordWrap, text).height());
    const int taller = effectHeight - effect->height();
    if (wider == 0 && widerValues == 0 && taller == 0)
        return;

    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (captions.contains(widget))
            widget->resize(widget->width() + wider, widget->height());
        else
            widget->move(widget->x() + wider, widget->y());
    }
    effect->resize(effectWidth, effectHeight);
    form->setFixedSize(form->maximumWidth() + wider + widerValues, form->maximumHeight() + taller);
}

void MainWindow::SetFileText(QLabel* label, const QString& text, const QString& fileName)
{
    // A long name loses its middle, where names differ least, so that its note stays whole.
    const int room = label->parentWidget()->maximumWidth() - label->x();
    const QFontMetrics metrics(label->font());
    const bool named = !fileName.isEmpty() && text.startsWith(fileName);
    const QString name = VisibleText(fileName), note = named ? text.mid(fileName.size()) : QString();
    QString shown = named ? name + note : VisibleText(text);
    if (metrics.horizontalAdvance(shown) > room) {
        shown = named ? metrics.elidedText(name, Qt::ElideMiddle, room - metrics.horizontalAdvance(note)) + note
                      : metrics.elidedText(shown, Qt::ElideMiddle, room);
    }
    label->setText(shown);
    label->resize(room, label->height());
    label->setAccessibleName(text);
    const QString path = QDir::toNativeSeparators(m_state.SavedataFolder + fileName);
    label->setToolTip(fileName.isEmpty() ? QString() : PlainToolTip(path));
    const QString caption =
        label == m_ui->lblTemplateDriverDesc ? CaptionOf(m_ui->lblTemplateDriver) : CaptionOf(m_ui->lblFactoryDriver);
    label->setAccessibleDescription(fileName.isEmpty() ? caption : caption + QStringLiteral(", ") + path);
}

void MainWindow::ApplyValueColours()
{
    if (!m_ui->lblGoalTimeDesc)
        return; // a change while the form is still being built
    const QPalette window = palette();
    const QColor background = window.color(QPalette::Window);
    SetTextColour(m_ui->lblSaveStatusDesc, window, ReadableOn(SaveStatusColour, background));
    for (QLabel* label : {m_ui->lblCarDesc, m_ui->lblLocationDesc, m_ui->lblMissionDesc})
        SetTextColour(label, window, ReadableOn(DetailColour, background));
    SetTextColour(m_ui->lblGoalTimeDesc, window, ReadableOn(GoalTimeColour, background));
    SetTextColour(m_ui->lblSaveEffectDesc, window,
                  m_saveEffectWarns ? ReadableOn(WarningColour, background) : window.color(QPalette::WindowText));
}

namespace {

bool SameChoice(const MissionChoice& a, const MissionChoice& b)
{
    return a.kind == b.kind && a.indexes == b.indexes && a.reason == b.reason;
}

} // namespace

void MainWindow::FollowFiles(ListFollows list)
{
    // Before a template is chosen there is nothing to tell.
    if (!SavePanelEnabled())
        return;

    // Another Kelmora that chose a new template has put that template's bytes in the program data
    // file: compared with them, this window's factory driver file would read as played on. Looked
    // at when the player comes back to the window; start-up and a template choice have just read or
    // written the settings, and a save finds out for itself.
    m_settingsGone = false;
    if (list == ListFollows::IfFileChanged) {
        m_otherTemplate.clear();
        RunState stored;
        // Settings that cannot be read say nothing of what they name; a save tells why. Those edited
        // by hand to a relative folder, one without its closing separator or an empty name name no
        // template a save could use.
        m_settingsGone = !LoadSettings(stored) && (!stored.SettingsValid || !UsableSettings(stored));
        if (!m_settingsGone && stored.SettingsValid &&
            (stored.SavedataFolder != m_state.SavedataFolder ||
             stored.TemplateDriverFile != m_state.TemplateDriverFile))
            // By its name, unless this window's template has that name too: then by its whole path.
            m_otherTemplate = stored.TemplateDriverFile.compare(m_state.TemplateDriverFile, Qt::CaseInsensitive) == 0
                                  ? QDir::toNativeSeparators(stored.SavedataFolder + stored.TemplateDriverFile)
                                  : stored.TemplateDriverFile;
    }

    const SavegameStore store = m_services.store();
    MissionStatusTable block{};
    QByteArray copyDigest;
    const std::optional<Problem> problem = store.TemplateBlock(m_state, block, nullptr, &copyDigest);
    m_templateBlock = problem ? std::nullopt : std::optional<MissionStatusTable>(block);
    m_templateProblem = problem;

    const MissionChoice choice = store.FactoryDriverChoice(m_state, m_templateBlock, copyDigest);
    // A save never makes the file up: one removed since (by another run's choice, say) is made anew by
    // choosing the template again.
    m_factoryGone =
        !m_state.FactoryDriverFile.isEmpty() &&
        EntryAt(QDir::toNativeSeparators(m_state.SavedataFolder + m_state.FactoryDriverFile)) == EntryKind::Missing;
    const bool changed = !m_seenChoice || !SameChoice(*m_seenChoice, choice);
    m_seenChoice = choice;
    const bool set = choice.kind == MissionChoice::Kind::Set && !choice.indexes.isEmpty();
    switch (list) {
    case ListFollows::Always:
        m_ui->cbxMissions->setCurrentIndex(set ? choice.indexes.constFirst() : 0);
        break;
    case ListFollows::IfFileChanged:
        // A row the player picked but has not saved stays, unless the file itself changed; one that
        // gives the file's bytes stays as well.
        if (changed && set && !choice.indexes.contains(SelectedMissionIndex()))
            m_ui->cbxMissions->setCurrentIndex(choice.indexes.constFirst());
        break;
    case ListFollows::Never:
        break;
    }
    ShowFactoryState(choice);
    ShowSaveEffect();
}

void MainWindow::ShowFactoryState(const MissionChoice& choice)
{
    // Each state in full and in a short form for a line that a save report already fills.
    QString state;
    QString shortState;
    QString sentence;
    switch (choice.kind) {
    case MissionChoice::Kind::Set: {
        if (choice.indexes.isEmpty())
            break;
        const int first = choice.indexes.constFirst() + 1;
        const int last = choice.indexes.constLast() + 1;
        sentence = tr("The factory driver file is set to Mission #%1").arg(first);
        state = tr("set to Mission #%1").arg(first);
        shortState = tr("set to #%1").arg(first);
        // Missions whose saves give the same bytes follow each other.
        if (choice.indexes.size() > 1) {
            sentence += tr(" (a save of any mission from #%1 to #%2 gives the same bytes)").arg(first).arg(last);
            state = tr("set to Missions #%1\u2013#%2").arg(first).arg(last);
            shortState = tr("set to #%1\u2013#%2").arg(first).arg(last);
        }
        break;
    }
    case MissionChoice::Kind::PlayedOn:
        sentence = tr("The factory driver file has been played on or changed since the last save: no "
                      "mission's save gives its bytes");
        state = MissionChoiceText(choice);
        shortState = tr("played on");
        break;
    case MissionChoice::Kind::AsTemplate:
        sentence = tr("The factory driver file is %1").arg(MissionChoiceText(choice));
        state = MissionChoiceText(choice);
        shortState = tr("as the template");
        break;
    case MissionChoice::Kind::Unknown:
        sentence = tr("Which mission the factory driver file is set to cannot be told: %1").arg(choice.reason);
        state = tr("mission unknown");
        shortState = tr("unknown");
        break;
    }
    // Right after a save of this session the status says it all, as long as the file still holds
    // that save's bytes: the template's own, where the save changed none of them (a mission the
    // template has not reached), need no "as the template" beside it.
    const auto holdsTheSave = [&] {
        if (!m_savedIndex)
            return false;
        if (choice.kind == MissionChoice::Kind::Set)
            return choice.indexes.contains(*m_savedIndex);
        if (choice.kind != MissionChoice::Kind::AsTemplate || !m_templateBlock)
            return false;
        MissionStatusTable saved = *m_templateBlock;
        ApplyMissionSelection(saved, *m_savedIndex);
        return saved == *m_templateBlock;
    };
    if (holdsTheSave())
        state.clear();
    if (!m_otherTemplate.isEmpty()) {
        state.clear();
        sentence.clear();
    }
    m_factoryState = state;
    m_factoryShortState = state.isEmpty() ? QString() : shortState;
    m_factoryStateSentence = sentence;
    m_ui->lblSaveStatusDesc->setToolTip(PlainToolTip(sentence));
    LayOutSaveStatus();
}

void MainWindow::LayOutSaveStatus()
{
    QLabel* status = m_ui->lblSaveStatusDesc;
    QLabel* state = m_ui->lblFactoryStateDesc;
    const int room = status->parentWidget()->maximumWidth() - status->x();
    if (m_factoryState.isEmpty()) {
        state->hide();
        state->clear();
        status->resize(qMax(status->sizeHint().width(), room), status->height());
        return;
    }
    // Right after the status text, on the same line: in full where it fits, else in short, and
    // only then cut off. The whole sentence is one hover or one screen reader question away.
    const int statusWidth = qMin(status->sizeHint().width(), room);
    status->resize(statusWidth, status->height());
    state->setGeometry(status->x() + statusWidth, status->y(), room - statusWidth, status->height());
    const QString separator = QStringLiteral(" \u00b7 ");
    QString text = separator + m_factoryState;
    if (state->fontMetrics().horizontalAdvance(text) > state->width())
        text = state->fontMetrics().elidedText(separator + m_factoryShortState, Qt::ElideRight, state->width());
    state->setText(text);
    state->setToolTip(PlainToolTip(m_factoryStateSentence));
    state->setAccessibleName(m_factoryStateSentence);
    state->show();
}

QString MainWindow::UnreadableDataFileText()
{
    return tr("What a save gives the game cannot be told: the program data file cannot be read");
}

QString MainWindow::ForeignDataFileText()
{
    return tr("What a save gives the game cannot be told: the program data file is not this template's");
}

QString MainWindow::SettingsGoneText()
{
    return tr("The settings name no usable template driver now: choose the template driver again to save");
}

QString MainWindow::FactoryGoneText()
{
    return tr("The factory driver file is gone: choose the template driver again to make a new copy");
}

QString MainWindow::AnotherDriversFileText()
{
    return tr("The factory driver file may be another driver's: choose the template driver again");
}

void MainWindow::ShowSaveEffect()
{
    QLabel* line = m_ui->lblSaveEffectDesc;
    const int index = SelectedMissionIndex();
    QString text;
    QString detail;
    bool warns = true;
    if (!SavePanelEnabled() || index < 0) {
        warns = false;
    } else if (!m_otherTemplate.isEmpty()) {
        text = tr("The settings now name %1 as the template driver: start Kelmora again to save for it")
                   .arg(m_otherTemplate);
    } else if (m_settingsGone) {
        text = SettingsGoneText();
    } else if (m_factoryGone) {
        text = FactoryGoneText();
    } else if (m_seenChoice && m_seenChoice->anotherDriver) {
        text = AnotherDriversFileText();
        detail = m_seenChoice->reason;
    } else if (!m_templateBlock) {
        // Read, but refused as another template's, it was no file that could not be read.
        const bool foreign = m_templateProblem && m_templateProblem->failure == Failure::DataFileNotTheTemplates;
        text = foreign ? ForeignDataFileText() : UnreadableDataFileText();
        if (foreign)
            detail = QStringLiteral("%1 [%2]").arg(m_templateProblem->path, m_templateProblem->reason);
        else if (m_templateProblem)
            detail = MessageFor(*m_templateProblem).text;
    } else {
        // Of the selected mission, before it is saved: no claim of what the file gives now.
        text = SaveEffectText(*m_templateBlock, index, SaveTense::Ahead);
        warns = SaveFallsShort(*m_templateBlock, index);
    }
    line->setText(text);
    line->setToolTip(PlainToolTip(detail));
    line->setAccessibleName(text);
    line->setVisible(!text.isEmpty());
    m_saveEffectWarns = warns;
    ApplyValueColours();
}

void MainWindow::ChooseTemplateFile(const QString& path)
{
    const QFileInfo dropped(path);
    m_lastDialogFolder = dropped.absolutePath();
    ChooseTemplate({QDir::toNativeSeparators(dropped.absoluteFilePath()), dropped.fileName()});
}

void MainWindow::ChooseListedFile(const QString& path)
{
    // A savegame gone since the list was made is refused, and the program goes on: the player is
    // told, and the list, opened again, looks again.
    if (!QFileInfo::exists(path)) {
        m_services.Present({{Failure::TemplateNotFound, QDir::toNativeSeparators(path), {}}});
        return;
    }
    ChooseTemplateFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedSavegame(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DraggedSavegame(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Chosen once the drop is over: the choice may show modal messages, and the program the file
    // came from waits for the drop's answer.
    QMetaObject::invokeMethod(
        this, [this, path] { ChooseTemplateFile(path); }, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Another Kelmora, kelmora-cli or the game may have changed the files while the player was away.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FollowFiles(ListFollows::IfFileChanged);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::StyleChange)
        ApplyValueColours();
}

void MainWindow::sbrMain_PanelClick(int panel)
{
    switch (panel) {
    case SavePanel: {
        const SaveOutcome outcome = [&] {
            const BusyCursor busy;
            return m_services.store().Save(m_state, SavePanelEnabled(), SelectedMissionIndex(), m_services.clock);
        }();
        m_services.Present(outcome.problems);
        if (outcome.saved()) {
            m_savedIndex = SelectedMissionIndex();
            SetSaveStatusText(outcome.statusText);
        }
        // The list stays at the player's choice, whatever the file now says.
        if (outcome.attempted)
            FollowFiles(ListFollows::Never);
        break;
    }
    case ExitPanel:
        close();
        break;
    default:
        break;
    }
}

void MainWindow::mnuFile_SelectNewTemplateDriver_Click()
{
    HideMainWindow();
    const std::optional<ChosenFile> choice = RunOpenDialog(InitialDialogFolder(m_state));
    if (!choice || choice->FileTitle.isEmpty()) {
        // A cancelled dialog changes nothing, and the last save stays as it was.
        ShowMainWindow();
        return;
    }
    ChooseTemplate(*choice);
}

void MainWindow::ChooseTemplate(const ChosenFile& choice)
{
    const SelectionOutcome outcome = [&] {
        const BusyCursor busy;
        return SelectNewTemplateDriver(m_state, m_services.store(), choice);
    }();
    m_services.Present(outcome.problems);
    switch (outcome.result) {
    case SelectionOutcome::Result::ProgramEnded:
        m_services.programExit.EndProgram();
        return;
    case SelectionOutcome::Result::Selected:
        // A fresh copy: no save of this session is in it, and the stored template is this one.
        m_savedIndex.reset();
        m_otherTemplate.clear();
        SetTemplateDriverText(outcome.templateText);
        SetFactoryDriverText(outcome.factoryText);
        EnableMissionList();
        EnableSavePanel();
        break;
    case SelectionOutcome::Result::Refused:
        break;
    }
    ShowMainWindow();
    // The selected mission survives a new template; what it gives may not.
    FollowFiles(ListFollows::Never);
}

void MainWindow::mnuFile_FindSavegames_Click()
{
    if (!m_find) {
        m_find = new FindSavegamesWindow(SavegamePlaces(m_services.places), this);
        m_find->setModal(true);
        // The same choice as the open dialog's, once the list is gone.
        connect(m_find, &FindSavegamesWindow::chosen, this, &MainWindow::ChooseListedFile);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void MainWindow::mnuFile_RestoreFactoryDriver_Click()
{
    // Restoring touches only the file it restores: the labels, the list and the run's state stay.
    if (!m_restore) {
        m_restore = new RestoreWindow(m_services, this);
        m_restore->setModal(true);
        connect(m_restore, &RestoreWindow::restored, this, [this] { FollowFiles(ListFollows::IfFileChanged); });
    }
    m_restore->show();
    m_restore->raise();
    m_restore->activateWindow();
}

void MainWindow::mnuFile_Exit_Click()
{
    close();
}

void MainWindow::mnuHelp_about_Click()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::mnuHelp_ViewReadme_Click()
{
    const QString title = tr("Error - Viewing Aborted");
    const QString readme = ReadmePath(m_services.programFolder);
    const LookupResult lookup = LookUpFiles(readme);
    if (!lookup.failed() && !lookup.found()) {
        m_services.messages.ShowMessage({tr("Could not open 'Readme-KELMORA.TXT'"), title, MessageIcon::Exclamation});
        return;
    }
    const QString editor = TextViewer();
    const auto failed = [this, title](const QString& reason) {
        m_services.messages.ShowMessage(
            {tr("Could not open 'Readme-KELMORA.TXT' [%1]").arg(reason), title, MessageIcon::Exclamation});
    };
    if (lookup.failed() || !m_services.launcher.Start(editor, readme, this, failed)) {
        m_services.messages.ShowMessage(
            {tr("Could not execute '%1'").arg(editor.toUpper()), title, MessageIcon::Exclamation});
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void MainWindow::Form_Unload()
{
    m_services.programExit.EndProgram();
}

bool MainWindow::SavePanelEnabled() const
{
    return m_panels[SavePanel - 1]->isEnabled();
}

int MainWindow::SelectedMissionIndex() const
{
    return m_ui->cbxMissions->currentIndex();
}

void MainWindow::SetSaveStatusText(const QString& text)
{
    m_ui->lblSaveStatusDesc->setText(text);
    LayOutSaveStatus();
}

void MainWindow::HideMainWindow()
{
    hide();
}

void MainWindow::ShowMainWindow()
{
    show();
    raise();
    activateWindow();
}

std::optional<ChosenFile> MainWindow::RunOpenDialog(const QString& initialFolder)
{
    // With no usable folder of its own the dialog starts where it last was in this run.
    if (!initialFolder.isEmpty())
        m_lastDialogFolder = initialFolder;
    const QList<SavegamePlace> prefixes = WindowsPrefixes(m_services.places);
    const QString path = m_services.openDialog.GetOpenFileName(
        this, tr("Select Driver Savegame File"),
        m_lastDialogFolder.isEmpty() ? FirstDialogFolder() : m_lastDialogFolder,
        tr("Driver Savegames (*.sav)") + QStringLiteral(";;") + tr("All Files (*)"), prefixes);
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo chosen(path);
    m_lastDialogFolder = chosen.absolutePath();
    return ChosenFile{path, chosen.fileName()};
}

void MainWindow::SetTemplateDriverText(const QString& text)
{
    SetFileText(m_ui->lblTemplateDriverDesc, text, m_state.TemplateDriverFile);
}

void MainWindow::SetFactoryDriverText(const QString& text)
{
    SetFileText(m_ui->lblFactoryDriverDesc, text, m_state.FactoryDriverFile);
}

void MainWindow::EnableMissionList()
{
    m_ui->cbxMissions->setEnabled(true);
}

void MainWindow::EnableSavePanel()
{
    m_panels[SavePanel - 1]->setEnabled(true);
}

} // namespace kelmora
