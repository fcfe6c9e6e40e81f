// Parses arbitrary bytes as the body of a save's journal, past its checksum:
// nothing may crash or run away, a body is taken only when every patch names a
// data file and lies inside the bytes the game writes, and what is taken
// reads back the same from a journal the game writes.

#include "platform/DataStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The files and their spans, written out here as the formats fix them.
    const QList<platform::FileSpan> files = {
        {"hiscores.dat", 9, 49}, {"names.dat", 9, 109}, {"cardbacks.dat", 0, 2}};
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto patches = platform::journal::parse(body, files);
    if (!patches)
        return 0;
    bool ok = patches->size() <= platform::journal::MaxPatches;
    for (const platform::Patch &p : *patches) {
        const bool inside = (p.file == "hiscores.dat" && p.offset >= 9 && p.offset + p.bytes.size() <= 49)
                            || (p.file == "names.dat" && p.offset >= 9 && p.offset + p.bytes.size() <= 109)
                            || (p.file == "cardbacks.dat" && p.offset >= 0 && p.offset + p.bytes.size() <= 2);
        ok = ok && inside && !p.bytes.isEmpty();
    }
    const auto again = platform::journal::checkedBody(platform::journal::encode(*patches));
    ok = ok && again && platform::journal::parse(*again, files) == patches;
    if (!ok)
        std::abort();
    return 0;
}
