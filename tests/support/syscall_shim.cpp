// Preloaded into a process that saves the score files, this records every
// call that makes a save durable (pwrite, fsync, unlink, renameat2) on a file of
// the working folder, and can kill, stop or fail the process at
// the Nth of them. Set by the environment:
//   QUINTREL_SHIM_LOG    file that gets one line a call: "<call> <name>",
//                        the name relative to the folder ("." for the folder)
//   QUINTREL_SHIM_AT     the number (from 1) of the call to act on
//   QUINTREL_SHIM_DO     kill | stop | eio | enospc, done before the call;
//                        eio-on | enospc-on fail that call and every one after
//                        it, as a disk that has gone bad or full does
//   QUINTREL_SHIM_FLOCK  enolck | einval: every lock on the folder fails so
//   QUINTREL_SHIM_NOCREATE  any value: the folder takes no new file (EACCES)
//   QUINTREL_SHIM_NOREAD    any value: no file of the folder can be read (EIO)

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int calls = 0;

std::string folder()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

// The name of what `fd` is, relative to the folder; empty when outside it.
std::string nameOf(int fd)
{
    char link[64], target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return {};
    target[n] = '\0';
    const std::string path = target, here = folder();
    if (path == here)
        return ".";
    if (path.compare(0, here.size() + 1, here + "/") == 0)
        return path.substr(here.size() + 1);
    return {};
}

// Records the call; false with errno set when it is to fail.
bool record(const char *call, const std::string &name)
{
    if (name.empty() || name.find('/') != std::string::npos)
        return true;
    ++calls;
    if (const char *log = std::getenv("QUINTREL_SHIM_LOG")) {
        const std::string line = std::string(call) + ' ' + name + '\n';
        const int fd = ::open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
            ::close(fd);
        }
    }
    const char *at = std::getenv("QUINTREL_SHIM_AT");
    const std::string action = std::getenv("QUINTREL_SHIM_DO") ? std::getenv("QUINTREL_SHIM_DO") : "";
    const bool on = action.size() > 3 && action.compare(action.size() - 3, 3, "-on") == 0;
    if (!at || (on ? calls < std::atoi(at) : std::atoi(at) != calls))
        return true;
    if (action == "kill" || action == "stop")
        raise(action == "kill" ? SIGKILL : SIGSTOP);
    errno = action.compare(0, 3, "eio") == 0 ? EIO : ENOSPC;
    return action.compare(0, 3, "eio") != 0 && action.compare(0, 6, "enospc") != 0;
}

template <typename F> F next(const char *name) { return reinterpret_cast<F>(dlsym(RTLD_NEXT, name)); }

} // namespace

extern "C" {

ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset)
{
    if (!record("pwrite", nameOf(fd)))
        return -1;
    return next<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite")(fd, buf, count, offset);
}
int fsync(int fd)
{
    if (!record("fsync", nameOf(fd)))
        return -1;
    return next<int (*)(int)>("fsync")(fd);
}
int unlink(const char *path)
{
    if (!record("unlink", path))
        return -1;
    return next<int (*)(const char *)>("unlink")(path);
}
int renameat2(int from, const char *path, int to, const char *target, unsigned flags)
{
    if (!record("rename", path))
        return -1;
    return next<int (*)(int, const char *, int, const char *, unsigned)>("renameat2")(from, path, to, target, flags);
}
int flock(int fd, int operation)
{
    if (const char *fails = std::getenv("QUINTREL_SHIM_FLOCK"))
        return errno = std::strcmp(fails, "einval") == 0 ? EINVAL : ENOLCK, -1;
    return next<int (*)(int, int)>("flock")(fd, operation);
}
ssize_t pread(int fd, void *buf, size_t count, off_t offset)
{
    if (std::getenv("QUINTREL_SHIM_NOREAD") && !nameOf(fd).empty())
        return errno = EIO, -1;
    return next<ssize_t (*)(int, void *, size_t, off_t)>("pread")(fd, buf, count, offset);
}
// The folder takes no new file: what a folder of mode 555 does to anyone
// but the superuser, who runs the tests in CI.
int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & O_CREAT) ? mode_t(va_arg(args, int)) : 0;
    va_end(args);
    struct stat st;
    if ((flags & O_CREAT) && std::getenv("QUINTREL_SHIM_NOCREATE") && !std::strchr(path, '/')
        && lstat(path, &st) != 0) {
        errno = EACCES;
        return -1;
    }
    return next<int (*)(const char *, int, ...)>("open")(path, flags, mode);
}

} // extern "C"
