#pragma once

#include <QString>

// Measures and rules of the wizard window's layout that do not need a widget.
namespace WindowLayout {

// The file lists' first column is as wide as the list less this (room for the scroll
// bar); it keeps that width when the window is resized.
constexpr int listColumnInset = 53;

// What the large-font warning looks at.
struct FontWarningFacts {
    bool windows7OrLater = false; // the Windows NT family, version 6.1 or later
    QString sansSerifFontEntry; // the machine's "MS Sans Serif 8,10,12,14,18,24" font file
    int twipsPerPixel = 15; // 15 at 96 dots per inch
    bool alreadyShown = false; // bFontSizeWarningShown
};

// True when the window should warn, once, that the desktop's dialog font is too large for
// its dots per inch: a fault of one Windows version that installs the large bitmap font
// at 96 dots per inch.
bool fontSizeWarningApplies(const FontWarningFacts &facts);

// The facts as this platform has them. Linux has neither that Windows version nor its
// font table, so the warning never applies here; the rule is kept so that the stored
// bFontSizeWarningShown keeps its meaning.
FontWarningFacts platformFontWarningFacts(int logicalDpi, bool alreadyShown);

} // namespace WindowLayout
