#pragma once
// The words of the table's big caption, as the player reads and hears them.

#include "game/Table.h"

#include <QString>

// "ROUND 2", "TIME LEFT BONUS", "GAME OVER"; empty for no banner.
QString bannerCaption(const game::Banner &banner);
