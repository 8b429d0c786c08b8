#pragma once

#include <QColor>
#include <QIcon>
#include <QMap>
#include <QPixmap>

namespace kelmora {

// The colours of the main window's value labels, as the program has always shown them on a light
// window background.
inline const QColor SaveStatusColour(0, 64, 0);
inline const QColor DetailColour(64, 0, 0);
inline const QColor GoalTimeColour(0, 0, 128);
// A save that will not give the game the chosen mission.
inline const QColor WarningColour(150, 60, 0);

// The least contrast between text and its background that the accessibility guidelines accept.
constexpr double MinimumTextContrast = 4.5;

// Contrast ratio of two colours, 1 to 21, from their relative luminance (WCAG 2).
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` itself where it reads well enough on `background`; otherwise the same hue, lighter on a
// dark background and darker on a light one, just far enough to reach the minimum contrast.
QColor ReadableOn(const QColor& colour, const QColor& background);

// `text` with what would change how it and the text around it are shown, each as U+FFFD: a file name
// may hold a right-to-left override, which turns "evil\u202Egnp.sav  [Never gets modified!]" into
// "evil[!deifidom steg reveN]  vas.png", or a line break, which hides the rest of a one-line label.
// `keepLines` keeps line breaks and tabs, for texts of several lines.
QString VisibleText(const QString& text, bool keepLines = false);

// `text` for a tool tip, shown as it is: a tool tip takes text that looks like markup (a folder named
// "<b>Saves</b>") for markup.
QString PlainToolTip(const QString& text);

// The icons and pictures of the resources (resources/kelmora.qrc), by name: the program icon from
// the PNGs that scripts/render-icons renders from its SVG drawing; the pictures from their drawings
// where Qt's SVG image plugin is installed, else from their PNGs.

// The PNG renderings of `name` in the resources (`name-<pixels>.png`), by their size in pixels.
QMap<int, QString> RenderedSizes(const QString& name);

// The car seen from behind, from those PNGs (16 to 256 pixels) as kelmora.runs packs them (the
// tests hold the two alike), scaled down to any size between.
QIcon ProgramIcon();

// The picture `name` ("trafficlight") at `size` logical pixels, sharp at `devicePixelRatio`.
QPixmap Picture(const QString& name, QSize size, qreal devicePixelRatio);

} // namespace kelmora
