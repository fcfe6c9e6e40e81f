// Reads the two table files from arbitrary bytes and enters a score on them
// through the score book: nothing may crash, the table written must be the one
// read with the score entered by the rules, and the bytes around the fields
// must stay.

#include "scores/ScoreBook.h"
#include "scores/ScoreTable.h"
#include "support/Fakes.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first two bytes cut the input into hiscores.dat, names.dat and the
    // score and name of the new entry.
    if (size < 2)
        return 0;
    const QByteArray all(reinterpret_cast<const char *>(data) + 2, qsizetype(size - 2));
    const qsizetype a = std::min<qsizetype>(data[0], all.size());
    const qsizetype b = std::min<qsizetype>(a + data[1], all.size());
    FakeStore store;
    store.files = {{scores::HiScoresFile, all.left(a)}, {scores::NamesFile, all.mid(a, b - a)}};
    const auto before = store.files;
    const std::int32_t score = scores::scoreAt(QByteArray(9, '\0') + all.mid(b, 4), 1);
    const QByteArray name = scores::storedName(QString::fromUtf8(all.mid(b, 24)));

    scores::Table expected = scores::tableFrom(before[scores::HiScoresFile], before[scores::NamesFile]);
    const int rank = scores::insertionRank(expected, score);
    scores::insertEntry(expected, rank, score, name);
    scores::ScoreBook book(store);
    scores::Table shown;
    QObject::connect(&book, &scores::ScoreBook::tableChanged, [&](const scores::Table &t) { shown = t; });
    book.enter(score, name);

    const QByteArray &hiscores = store.files[scores::HiScoresFile];
    const QByteArray &names = store.files[scores::NamesFile];
    bool ok = rank >= 0 && rank <= scores::Entries && scores::tableFrom(hiscores, names) == expected
              && shown == expected;
    // The first nine bytes and all beyond the fields stay; a short file grows to
    // the end of its fields.
    const std::pair<QString, int> files[] = {{scores::HiScoresFile, 49}, {scores::NamesFile, 109}};
    for (const auto &[file, end] : files) {
        const QByteArray &was = before[file], &now = store.files[file];
        ok = ok && now.size() == std::max<qsizetype>(was.size(), end)
             && now.left(9) == was.left(9).leftJustified(9, '\0') && now.mid(end) == was.mid(end);
    }
    if (!ok)
        std::abort();
    return 0;
}
