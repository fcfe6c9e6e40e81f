// Parses arbitrary bytes as the body of a save's journal, past its checksum:
// nothing may crash or run away, a body is taken only when every patch lies
// inside one field of a data file's span, and what is taken reads back the
// same from a journal the game writes. Whatever the files hold, checking a
// taken journal against them never crashes.

#include "platform/DataStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The files and their fields, written out here as the formats fix them.
    const QList<platform::FileSpan> files = {
        {"hiscores.dat", 9, 49, 4}, {"names.dat", 9, 109, 10}, {"cardbacks.dat", 0, 2, 2}};
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto changes = platform::journal::parse(body, files);
    if (!changes)
        return 0;
    bool ok = true;
    for (const auto &c : *changes)
        for (const platform::Patch &p : c.patches) {
            const auto &f = *std::find_if(files.begin(), files.end(), [&](const auto &f) { return f.file == p.file; });
            const qint64 end = p.offset + p.bytes.size();
            ok = ok && !p.bytes.isEmpty() && p.offset >= f.begin && end <= f.end
                 && (p.offset - f.begin) / f.field == (end - 1 - f.begin) / f.field;
            (void)platform::journal::before(c, body.left(end + 3));
        }
    const auto again = platform::journal::checkedBody(platform::journal::encode(*changes), files);
    ok = ok && again && platform::journal::parse(*again, files) == changes;
    if (!ok)
        std::abort();
    return 0;
}
