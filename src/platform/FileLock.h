#pragma once
// An advisory lock on an open file, held while a handler works on a record
// file, so that two copies of the program sharing a folder over the office
// network never lose or mix an append.
#include <QFile>

namespace FileLock {

// Waits up to timeoutMs for an exclusive lock on the whole file. The lock
// belongs to this open file and ends when it is closed or unlock() is called.
bool lock(QFile& file, int timeoutMs);
void unlock(QFile& file);

// How long a handler waits for a file another copy of the program is using.
int defaultTimeoutMs();
void setDefaultTimeoutMs(int ms);

}  // namespace FileLock
