#include "platform/DataStore.h"

#include <QCryptographicHash>

#include <algorithm>

namespace platform {

QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes)
{
    const qint64 end = offset + bytes.size();
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
    return content;
}

bool FileSpan::holds(qint64 offset, qint64 length) const
{
    return length > 0 && offset >= begin && offset + length <= end
           && (offset - begin) / field == (offset + length - 1 - begin) / field;
}

namespace journal {

namespace {

QByteArray hash(const QByteArray &body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

// Reads a file's bytes from a body, one field at a time. Every read either
// moves on or fails for good; nothing is allocated beyond the body's size.
class Reader {
public:
    explicit Reader(const QByteArray &body) : body_(body) {}
    bool atEnd() const { return at_ == body_.size(); }

    // A plain decimal of at most four digits (the files' spans end by byte
    // 109), ended by `end`.
    std::optional<qint64> number(char end)
    {
        qint64 value = 0;
        int digits = 0;
        while (at_ < body_.size() && body_[at_] >= '0' && body_[at_] <= '9' && digits < 4) {
            value = value * 10 + (body_[at_++] - '0');
            ++digits;
        }
        if (digits == 0 || !take(end))
            return std::nullopt;
        return value;
    }
    // `length` bytes as they are, ended by `end`.
    std::optional<QByteArray> bytes(qint64 length, char end)
    {
        if (length > body_.size() - at_)
            return std::nullopt;
        QByteArray out = body_.mid(at_, length);
        at_ += length;
        if (!take(end))
            return std::nullopt;
        return out;
    }

private:
    bool take(char c)
    {
        if (at_ >= body_.size() || body_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    const QByteArray &body_;
    qsizetype at_ = 0;
};

} // namespace

FileChange changeOf(const QString &file, const QByteArray &before, const QList<Patch> &patches)
{
    FileChange change{file, hash(before), before.size(), patches, {}};
    for (const Patch &p : patches)
        change.replaced.append(before.mid(p.offset, p.bytes.size()));
    return change;
}

QByteArray applied(const FileChange &change, QByteArray content)
{
    for (const Patch &p : change.patches)
        content = patched(content, p.offset, p.bytes);
    return content;
}

std::optional<QByteArray> before(const FileChange &change, const QByteArray &content)
{
    QByteArray old = content;
    for (qsizetype i = 0; i < change.patches.size(); ++i)
        old = patched(old, change.patches[i].offset, change.replaced[i]);
    old.truncate(change.lengthBefore);
    if (old.size() != change.lengthBefore || hash(old) != change.hashBefore)
        return std::nullopt;
    // Each patch written wholly or not at all, and every other byte what the
    // save left there: the old bytes, or the zeros a file grows by. A patch
    // that covers a whole field would otherwise hide any table put there.
    const QByteArray after = applied(change, old);
    if (content.size() > after.size())
        return std::nullopt;
    QByteArray mix = old.leftJustified(after.size(), '\0');
    for (const Patch &p : change.patches) {
        const QByteArray now = content.mid(p.offset, p.bytes.size());
        if (now == after.mid(p.offset, now.size()))
            mix = patched(mix, p.offset, p.bytes);
    }
    if (content != mix.left(content.size()))
        return std::nullopt;
    return old;
}

QByteArray encode(const QList<FileChange> &changes)
{
    QByteArray body;
    for (const FileChange &c : changes) {
        const QByteArray name = c.file.toUtf8();
        body += QByteArray::number(name.size()) + ' ' + name + ' '
                + QByteArray::number(c.lengthBefore) + ' ' + QByteArray::number(c.patches.size())
                + ' ' + c.hashBefore + '\n';
        for (qsizetype i = 0; i < c.patches.size(); ++i) {
            const Patch &p = c.patches[i];
            body += QByteArray::number(p.offset) + ' ' + QByteArray::number(p.bytes.size()) + ' '
                    + p.bytes + ' ' + c.replaced[i] + '\n';
        }
    }
    return Magic + body + hash(body);
}

qsizetype largest(const QList<FileSpan> &files)
{
    QList<FileChange> all;
    for (const FileSpan &f : files) {
        QList<Patch> every;
        for (qint64 at = f.begin; at < f.end; at += f.field)
            every.append({f.file, at, QByteArray(std::min(f.field, f.end - at), 'x')});
        all.append(changeOf(f.file, QByteArray(f.end, 'y'), every));
    }
    return encode(all).size();
}

std::optional<QByteArray> checkedBody(const QByteArray &journal, const QList<FileSpan> &files)
{
    if (!journal.startsWith(Magic) || journal.size() < Magic.size() + HashSize
        || journal.size() > largest(files))
        return std::nullopt;
    QByteArray body = journal.mid(Magic.size(), journal.size() - Magic.size() - HashSize);
    if (hash(body) != journal.right(HashSize))
        return std::nullopt;
    return body;
}

std::optional<QList<FileChange>> parse(const QByteArray &body, const QList<FileSpan> &files)
{
    Reader in(body);
    QList<FileChange> changes;
    while (!in.atEnd()) {
        const auto nameLength = in.number(' ');
        const auto name = nameLength ? in.bytes(*nameLength, ' ') : std::nullopt;
        if (!name)
            return std::nullopt;
        // Only a bare name the game uses, once: never a path, never another file.
        const auto span = std::find_if(files.begin(), files.end(), [&](const FileSpan &f) {
            return f.file.toUtf8() == *name;
        });
        if (span == files.end()
            || std::any_of(changes.begin(), changes.end(),
                           [&](const FileChange &c) { return c.file == span->file; }))
            return std::nullopt;
        FileChange change{span->file, {}, 0, {}, {}};
        const auto length = in.number(' ');
        const auto count = length ? in.number(' ') : std::nullopt;
        const auto hashed = count ? in.bytes(HashSize, '\n') : std::nullopt;
        if (!hashed || *length > span->end || *count < 1
            || *count > (span->end - span->begin + span->field - 1) / span->field)
            return std::nullopt;
        change.lengthBefore = *length;
        change.hashBefore = *hashed;
        for (qint64 i = 0; i < *count; ++i) {
            const auto offset = in.number(' ');
            const auto size = offset ? in.number(' ') : std::nullopt;
            if (!size || !span->holds(*offset, *size))
                return std::nullopt;
            for (const Patch &p : change.patches)
                if (*offset < p.offset + p.bytes.size() && p.offset < *offset + *size)
                    return std::nullopt;
            const auto bytes = in.bytes(*size, ' ');
            const qint64 old = std::clamp<qint64>(change.lengthBefore - *offset, 0, *size);
            const auto replaced = bytes ? in.bytes(old, '\n') : std::nullopt;
            if (!replaced)
                return std::nullopt;
            change.patches.append({span->file, *offset, *bytes});
            change.replaced.append(*replaced);
        }
        changes.append(change);
    }
    return changes;
}

} // namespace journal

} // namespace platform
