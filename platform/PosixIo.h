#pragma once
// Whole reads and writes at an offset of a descriptor, for the files the game
// keeps on a POSIX system: an interrupted call goes on where it stopped.

#include <QByteArray>

#include <cerrno>
#include <unistd.h>

namespace platform {

// Reads up to `length` bytes at `offset`; fewer at the end of the file.
inline bool readAt(int fd, qint64 offset, qint64 length, QByteArray &out)
{
    out.resize(length);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return true;
}

inline bool writeAt(int fd, qint64 offset, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                   off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace platform
