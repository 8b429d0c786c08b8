// The main window's colours in light and dark themes, and the contrast rule behind them.
#include "Appearance.h"
#include "MainWindow.h"
#include "PackedImages.h"

#include "UiFixture.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <QTextDocumentFragment>

using namespace kelmora;
using namespace kelmora::test;

namespace {

// The dark palette many desktops pair with Fusion.
QPalette DarkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

const char* const ValueLabels[] = {"lblSaveStatusDesc", "lblCarDesc", "lblLocationDesc", "lblMissionDesc",
                                   "lblGoalTimeDesc"};

QColor DescribedColour(const QString& label)
{
    if (label == "lblSaveStatusDesc")
        return SaveStatusColour;
    return label == "lblGoalTimeDesc" ? GoalTimeColour : DetailColour;
}

// A new application palette, passed on to the widgets as the running program's event loop would:
// Qt holds the change back while no event loop runs, as in a test.
void ChangeApplicationPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    for (QWidget* widget : QApplication::allWidgets()) {
        QEvent change(QEvent::ApplicationPaletteChange);
        QApplication::sendEvent(widget, &change);
    }
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void testContrastRatio_data();
    void testContrastRatio();
    void testReadableOn_data();
    void testReadableOn();
    void testFollowsTheTheme();
    void testPictures_data();
    void testPictures();
    void testPictureDrawnAtAnyScale();
    void testPackedIcon();
    void testTextShownAsItIs();

private:
    // Each value label's text colour against what is behind it; exact colours where `described`.
    void checkValueLabels(const QWidget& window, bool described);

    QPalette m_lightPalette;
};

void TestAppearance::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    m_lightPalette = QApplication::style()->standardPalette();
    QApplication::setPalette(m_lightPalette);
}

void TestAppearance::cleanup()
{
    QApplication::setPalette(m_lightPalette);
}

void TestAppearance::testContrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same") << QColor(64, 0, 0) << QColor(64, 0, 0) << 1.0;
    // Published reference values: #777 on white is 4.48, #767676 the first grey to pass.
    QTest::newRow("#777777") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("#767676") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
}

void TestAppearance::testContrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(ContrastRatio(a, b))));
}

void TestAppearance::testReadableOn_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("described"); // the colours stay exactly as described

    QTest::newRow("white") << QColor(Qt::white) << true;
    QTest::newRow("classic light grey") << QColor(240, 240, 240) << true;
    QTest::newRow("Fusion dark") << QColor(53, 53, 53) << false;
    QTest::newRow("near black") << QColor(20, 20, 24) << false;
    QTest::newRow("black") << QColor(Qt::black) << false;
    QTest::newRow("middle grey") << QColor(118, 118, 118) << false;
    QTest::newRow("dark blue") << QColor(0, 0, 96) << false;
    QTest::newRow("dark red") << QColor(64, 0, 0) << false;
}

void TestAppearance::testReadableOn()
{
    QFETCH(QColor, background);
    QFETCH(bool, described);
    for (const QColor& colour : {SaveStatusColour, DetailColour, GoalTimeColour}) {
        const QColor shown = ReadableOn(colour, background);
        const QString what = colour.name() + " on " + background.name() + " gives " + shown.name();
        QVERIFY2(ContrastRatio(shown, background) >= MinimumTextContrast, qPrintable(what));
        if (described)
            QCOMPARE(shown, colour);
        // Still the same hue: green stays green, red red, blue blue.
        else if (shown != QColor(Qt::white) && shown != QColor(Qt::black))
            QVERIFY2(qAbs(shown.hslHue() - colour.hslHue()) <= 2, qPrintable(what));
    }
}

void TestAppearance::testFollowsTheTheme()
{
    // Started on a dark desktop, then switched to light and back while open.
    QApplication::setPalette(DarkPalette());
    UiFixture fixture;
    MainWindow& main = fixture.start().mainWindow();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    checkValueLabels(main, false);
    ChangeApplicationPalette(m_lightPalette);
    checkValueLabels(main, true);
    ChangeApplicationPalette(DarkPalette());
    checkValueLabels(main, false);

    // A palette of the window's own, too.
    main.setPalette(m_lightPalette);
    checkValueLabels(main, true);
}

void TestAppearance::testPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size"); // logical pixels
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("rendered"); // the rendered PNG it must look like
    // How far it may be from that PNG. Two renderers of one drawing differ most at small sizes; one
    // drawn from a smaller rendering and scaled up would be further off.
    QTest::addColumn<double>("tolerance");

    QTest::newRow("icon 16 at 100 %") << "kelmora" << 16 << 1.0 << 16 << 4.0;
    QTest::newRow("icon 32 at 100 %") << "kelmora" << 32 << 1.0 << 32 << 2.0;
    QTest::newRow("icon 32 at 150 %") << "kelmora" << 32 << 1.5 << 48 << 1.5;
    QTest::newRow("icon 32 at 200 %") << "kelmora" << 32 << 2.0 << 64 << 1.5;
    QTest::newRow("icon 128 at 200 %") << "kelmora" << 128 << 2.0 << 256 << 1.5;
    QTest::newRow("icon 24, between two renderings") << "kelmora" << 24 << 1.0 << 32 << 5.0;
    QTest::newRow("traffic light at 100 %") << "trafficlight" << 32 << 1.0 << 32 << 2.0;
    QTest::newRow("traffic light at 150 %") << "trafficlight" << 32 << 1.5 << 48 << 1.5;
    QTest::newRow("traffic light at 200 %") << "trafficlight" << 32 << 2.0 << 64 << 1.5;
    QTest::newRow("traffic light at 300 %") << "trafficlight" << 32 << 3.0 << 64 << 5.0;
}

void TestAppearance::testPictures()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    QFETCH(int, rendered);
    QFETCH(double, tolerance);
    const QSize logical(size, size);
    const QPixmap shown = name == "kelmora" ? ProgramIcon().pixmap(logical, ratio) : Picture(name, logical, ratio);
    // Sharp: as many pixels as the scale asks for, shown at the logical size.
    QCOMPARE(shown.size(), logical * ratio);
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(logical));
    const double difference = DifferenceFrom(shown, QStringLiteral(":/icons/%1-%2.png").arg(name).arg(rendered));
    QVERIFY2(difference < tolerance, qPrintable(QString::number(difference)));
}

void TestAppearance::testPictureDrawnAtAnyScale()
{
    // Where Qt's SVG image plugin is installed, a scale without a rendering of its own is drawn at
    // its size, not scaled up from the largest rendering, which it would then equal.
    if (!QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("No SVG image plugin here: the renderings are the picture");
    const QPixmap shown = Picture(QStringLiteral("trafficlight"), QSize(32, 32), 3.0);
    QCOMPARE(shown.size(), QSize(96, 96));
    QCOMPARE_GT(DifferenceFrom(shown, QStringLiteral(":/icons/trafficlight-64.png")), 0.3);
}

void TestAppearance::testPackedIcon()
{
    // Pixel for pixel the PNGs, which scripts/render-icons renders and packs together: a drawing
    // changed without packing it again shows here.
    const QByteArray packed = QResource(QStringLiteral(":/icons/kelmora.runs")).uncompressedData();
    const QList<QImage> images = UnpackImages(packed);
    const QMap<int, QString> renderings = RenderedSizes(QStringLiteral("kelmora"));
    QCOMPARE(images.size(), renderings.size());
    auto rendering = renderings.cbegin();
    for (const QImage& image : images) {
        const QImage png = QImage(rendering.value()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(image == png, qPrintable(rendering.value()));
        ++rendering;
    }

    // Damaged runs give nothing rather than a wrong picture: cut short, one byte more, a run past
    // the picture's end, a run shortened to nothing, which leaves the picture short.
    QVERIFY(UnpackImages(packed.chopped(1)).isEmpty());
    QVERIFY(UnpackImages(packed + '\0').isEmpty());
    const qsizetype firstRun = 4 + 8;
    QByteArray overrun = packed, empty = packed;
    overrun[firstRun] = overrun[firstRun + 1] = char(0xff);
    empty[firstRun] = empty[firstRun + 1] = 0;
    QVERIFY(UnpackImages(overrun).isEmpty());
    QVERIFY(UnpackImages(empty).isEmpty());
}

void TestAppearance::checkValueLabels(const QWidget& window, bool described)
{
    for (const char* name : ValueLabels) {
        const auto* label = window.findChild<QLabel*>(name);
        QVERIFY(label);
        const QColor text = label->palette().color(label->foregroundRole());
        const QColor background = label->palette().color(QPalette::Window);
        QCOMPARE(background, window.palette().color(QPalette::Window));
        QVERIFY2(ContrastRatio(text, background) >= MinimumTextContrast,
                 qPrintable(QStringLiteral("%1: %2 on %3").arg(name, text.name(), background.name())));
        if (described)
            QCOMPARE(text, DescribedColour(name));
    }
}

QTEST_MAIN(TestAppearance)
// A path or a name that looks like markup is shown as it is, not as what the markup would make.
void TestAppearance::testTextShownAsItIs()
{
    for (const QString& text : {QStringLiteral("/home/ann/<b>Vantor</b> &lt;old&gt;/AFactMS.sav"),
                                QStringLiteral("<i>Ann</i>.sav\nsecond line  with two spaces")}) {
        QVERIFY(Qt::mightBeRichText(text));
        QCOMPARE(QTextDocumentFragment::fromHtml(PlainToolTip(text)).toPlainText(), text);
    }
    // Anything else is left as it is, for the tool tip to show as plain text.
    QCOMPARE(PlainToolTip(QStringLiteral("/home/ann/Vantor Saves/AFactMS.sav")),
             QStringLiteral("/home/ann/Vantor Saves/AFactMS.sav"));

    // What would turn the text around it or break its line shows as what it is; letters of any
    // script, and the joiners of an emoji, stay.
    QCOMPARE(VisibleText(QStringLiteral("a\u202Eb\u2067c\u200Fd\ne\u2028f\u0085g\th")),
             QStringLiteral("a\uFFFDb\uFFFDc\uFFFDd\uFFFDe\uFFFDf\uFFFDg\uFFFDh"));
    QCOMPARE(VisibleText(QStringLiteral("d\ne\tf\u202E"), true), QStringLiteral("d\ne\tf\uFFFD"));
    const QString names = QStringLiteral("\u0645\u062D\u0645\u062F \U0001F469\u200D\U0001F527 \u00C5sa");
    QCOMPARE(VisibleText(names), names);
}

#include "TestAppearance.moc"
