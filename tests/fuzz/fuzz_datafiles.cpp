// Reads the three data files from arbitrary bytes, and runs a whole high score
// entry on them: nothing may crash, and what is written must read back.

#include "scores/DataFiles.h"
#include "scores/ScoreTable.h"
#include "support/FakePlatform.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first two bytes cut the input into hiscores.dat, names.dat and cardbacks.dat.
    if (size < 2)
        return 0;
    const QByteArray all(reinterpret_cast<const char *>(data) + 2, qsizetype(size - 2));
    const qsizetype a = std::min<qsizetype>(data[0], all.size());
    const qsizetype b = std::min<qsizetype>(a + data[1], all.size());
    const QByteArray hiscores = all.left(a), names = all.mid(a, b - a), cardbacks = all.mid(b);

    const scores::Table table = scores::tableFrom(hiscores, names);
    for (const scores::Entry &e : table) {
        if (e.name.size() != scores::NameLength)
            std::abort();
        if (scores::encodeName(scores::decodeName(e.name)).size() != scores::NameLength)
            std::abort();
    }
    (void)scores::cardBackFrom(cardbacks);

    // A stored file keeps its length and surplus bytes through a write.
    const QByteArray written = scores::withScores(hiscores, table);
    if (written.size() < hiscores.size() || written.mid(scores::HiScoresLength) !=
                                                hiscores.mid(scores::HiScoresLength))
        std::abort();

    // Enter a score taken from the input with a name taken from the input.
    FakePlatform platform;
    platform.files[scores::HiScoresFile] = hiscores;
    platform.files[scores::NamesFile] = names;
    platform.names.append(QString::fromUtf8(cardbacks.left(24)));
    scores::FileTrouble trouble;
    scores::Table read;
    scores::readTable(platform, read, trouble);
    const std::int32_t score = scores::scoreAt(QByteArray(9, '\0') + cardbacks.left(4), 1);
    const int rank = scores::insertionRank(read, score);
    if (rank < 0 || rank > scores::Entries)
        std::abort();
    if (rank > 0) {
        scores::insertEntry(read, rank, score, scores::storedName(platform.names.value(0)));
        scores::writeTable(platform, read, nullptr, trouble);
        const scores::Table again = scores::tableFrom(platform.files[scores::HiScoresFile],
                                                      platform.files[scores::NamesFile]);
        if (!(again == read))
            std::abort();
    }
    return 0;
}
