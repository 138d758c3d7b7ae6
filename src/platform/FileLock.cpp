#include "platform/FileLock.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
int g_timeoutMs = 5000;

bool tryLock(QFile& file) {
#ifdef _WIN32
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED ov = {};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &ov);
#else
    // Open-file-description locks: unlike classic record locks they belong to
    // this open file, so another open of the same file in this process does
    // not share or release them.
    struct flock fl = {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
#ifdef F_OFD_SETLK
    if (::fcntl(file.handle(), F_OFD_SETLK, &fl) == 0) return true;
    if (errno != EINVAL) return false;
#endif
    return ::fcntl(file.handle(), F_SETLK, &fl) == 0;
#endif
}
}  // namespace

namespace FileLock {

bool lock(QFile& file, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    int pause = 5;
    while (true) {
        if (tryLock(file)) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(pause);
        pause = qMin(pause * 2, 100);
    }
}

void unlock(QFile& file) {
    if (!file.isOpen()) return;
#ifdef _WIN32
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED ov = {};
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &ov);
#else
    struct flock fl = {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    if (::fcntl(file.handle(), F_OFD_SETLK, &fl) == 0) return;
#endif
    ::fcntl(file.handle(), F_SETLK, &fl);
#endif
}

int defaultTimeoutMs() { return g_timeoutMs; }
void setDefaultTimeoutMs(int ms) { g_timeoutMs = ms; }

}  // namespace FileLock
