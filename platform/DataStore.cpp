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

    // A plain decimal of at most four digits (the files are 109 bytes at
    // most), ended by `end`.
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

QByteArray encode(const QList<Patch> &patches)
{
    QByteArray body;
    for (const Patch &p : patches) {
        const QByteArray name = p.file.toUtf8();
        body += QByteArray::number(name.size()) + ' ' + name + ' ' + QByteArray::number(p.offset)
                + ' ' + QByteArray::number(p.bytes.size()) + ' ' + p.bytes + '\n';
    }
    return Magic + body + hash(body);
}

std::optional<QByteArray> checkedBody(const QByteArray &journal)
{
    if (!journal.startsWith(Magic) || journal.size() < Magic.size() + HashSize
        || journal.size() > MaxSize)
        return std::nullopt;
    QByteArray body = journal.mid(Magic.size(), journal.size() - Magic.size() - HashSize);
    if (hash(body) != journal.right(HashSize))
        return std::nullopt;
    return body;
}

std::optional<QList<Patch>> parse(const QByteArray &body, const QList<FileSpan> &files)
{
    if (body.size() > MaxSize)
        return std::nullopt;
    Reader in(body);
    QList<Patch> patches;
    while (!in.atEnd()) {
        if (patches.size() == MaxPatches)
            return std::nullopt;
        const auto nameLength = in.number(' ');
        const auto name = nameLength ? in.bytes(*nameLength, ' ') : std::nullopt;
        if (!name)
            return std::nullopt;
        // Only a bare name the game uses: never a path, never another file.
        const auto span = std::find_if(files.begin(), files.end(), [&](const FileSpan &f) {
            return f.file.toUtf8() == *name;
        });
        if (span == files.end())
            return std::nullopt;
        const auto offset = in.number(' ');
        const auto length = offset ? in.number(' ') : std::nullopt;
        if (!length || *length == 0 || *offset < span->begin || *offset + *length > span->end)
            return std::nullopt;
        const auto bytes = in.bytes(*length, '\n');
        if (!bytes)
            return std::nullopt;
        patches.append({span->file, *offset, *bytes});
    }
    return patches;
}

} // namespace journal

} // namespace platform
