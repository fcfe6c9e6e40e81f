#pragma once
// Every card of the game, face or back, and every place on the table that
// shows one, is 75 x 100 logical pixels.

namespace cards {

inline constexpr int CardWidth = 75;
inline constexpr int CardHeight = 100;
// The corners of every card are rounded to this radius.
inline constexpr double CornerRadius = 4.0;

} // namespace cards
