#pragma once
// The game's own pictures, icons and fonts, built in as resources and rendered
// from vector at the screen's device pixel ratio.

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace art {

enum class FontFace {
    Futura,      // headings and figures: a geometric sans-serif
    Times,       // the serif of the elevens count and the high score table
    SansSerif,   // the small dialog font of buttons and plain labels
};

// Registers the bundled fonts with the application; cheap after the first call.
void registerFonts();

// A font of the given face at a size in points at 96 dpi (set as a pixel size,
// so layouts do not depend on the screen's reported dpi).
QFont font(FontFace face, double points, bool bold = true);

// Renders an SVG resource at `logical` size for a screen of `dpr`.
QPixmap render(const QString &resource, QSize logical, qreal dpr);

// The small chrome skull of the main window and the information windows.
QIcon skullIcon();
// The red heart of the menu and the browser.
QIcon heartIcon();
// Toolbar icon 1 to 6: back, forward, stop, refresh, home, search; a null
// icon for any other number.
QIcon toolbarIcon(int number);
} // namespace art
