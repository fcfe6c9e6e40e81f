// Drives the table with a stream of clicks, Turns, clock ticks, pauses ending,
// Take Score and Deal, and stops at the first rule that breaks.

#include "support/TablePlayer.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    TablePlayer player(data[0]);
    player.table.deal();
    for (std::size_t i = 1; i < size; ++i) {
        if (!player.step(data[i])) {
            std::fprintf(stderr, "%s\n", qPrintable(player.problem));
            std::abort();
        }
    }
    return 0;
}
