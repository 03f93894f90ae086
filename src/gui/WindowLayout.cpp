#include "gui/WindowLayout.h"

using namespace Qt::StringLiterals;

namespace WindowLayout {

bool fontSizeWarningApplies(const FontWarningFacts &facts)
{
    return facts.windows7OrLater && facts.sansSerifFontEntry.left(11).toUpper() == u"SSERIFF.FON"
        && facts.twipsPerPixel == 15 && !facts.alreadyShown;
}

FontWarningFacts platformFontWarningFacts(int logicalDpi, bool alreadyShown)
{
    FontWarningFacts facts;
    facts.windows7OrLater = false;
    facts.sansSerifFontEntry.clear();
    facts.twipsPerPixel = logicalDpi > 0 ? 1440 / logicalDpi : 15;
    facts.alreadyShown = alreadyShown;
    return facts;
}

} // namespace WindowLayout
