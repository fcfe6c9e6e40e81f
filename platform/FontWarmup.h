#pragma once

namespace platform {

// Starts loading the system's font configuration on another core, so that it
// is ready by the time the first window sets its fonts. Loading it takes a
// good part of the start-up time otherwise; the window system connection is
// made meanwhile. Touches nothing of the user interface.
void warmUpFonts();

} // namespace platform
