#pragma once

#include <QColor>
#include <QPalette>

// Colours that stay readable in light and dark desktop palettes.
namespace Palettes {

// WCAG 2 relative luminance and contrast ratio (1 to 21).
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// `wanted` itself when it stands out from `background` by at least `ratio`; otherwise
// the same hue made lighter (on a dark background) or darker until it does.
QColor readableOn(const QColor &wanted, const QColor &background, double ratio = 4.5);

// A pale warning tint that suits the background (marks identifying tags).
QColor warningBackground(const QColor &base);

// Whether a palette is a dark one (light text on a dark window).
bool isDark(const QPalette &palette);

// Fusion's own light palette and a dark one in the same manner.
QPalette light();
QPalette dark();

// QUILLMARK_PALETTE=dark or light switches the application to the Fusion style with that
// palette, whatever the desktop says: for screenshots, tests and people who want it.
// Returns true when it switched.
bool applyFromEnvironment();
// The same for a name ("dark", "light").
bool apply(const QString &name);

} // namespace Palettes
