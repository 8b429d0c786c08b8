#include "AboutWindow.h"
#include "ui_AboutWindow.h"

#include "Appearance.h"
#include "MainWindow.h"
#include "Translations.h"
#include "Version.h"

#include <QDate>

namespace kelmora {

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint)
    , m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowIcon(ProgramIcon());
    m_ui->picIcon->setPixmap(
        Picture(QStringLiteral("trafficlight"), m_ui->picIcon->minimumSize(), devicePixelRatioF()));
    // OK is the default button; a dialog's Escape closes it as well.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    Form_Load();
    // The layout would size the paragraph for the column's width, not its own narrower one.
    m_ui->lblDescription->setMinimumHeight(m_ui->lblDescription->heightForWidth(m_ui->lblDescription->maximumWidth()));
    adjustSize();
    CentreOnScreen(this);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load()
{
    setWindowTitle(tr("About %1").arg(QStringLiteral(KELMORA_TITLE)));
    m_ui->lblVersion->setText(
        tr("Version %1.%2.%3").arg(KELMORA_VERSION_MAJOR).arg(KELMORA_VERSION_MINOR).arg(KELMORA_VERSION_PATCH));
    // In English, the comments of the version information (KELMORA_COMMENTS) word for word.
    const QDate released = QDate::fromString(QStringLiteral(KELMORA_RELEASE_DATE), Qt::ISODate);
    //: The release date, as a QDate format: d the day, MMMM the month's name, yyyy the year.
    const QString dateFormat = tr("d MMMM yyyy");
    m_ui->lblTitle->setText(
        tr("Kelmora %1, released %2")
            .arg(QStringLiteral(KELMORA_VERSION), TranslationLocale().toString(released, dateFormat)));
    QFont bold = m_ui->lblTitle->font();
    bold.setBold(true);
    m_ui->lblTitle->setFont(bold);
}

void AboutWindow::cmdOK_Click()
{
    close();
}

} // namespace kelmora
