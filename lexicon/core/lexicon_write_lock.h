// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Only one program rewrites a lexicon file at a time: the dictionary editor of a
// running game and letterama-dict may both be asked to. The writer holds an exclusive
// lock (flock) on a lock file beside the file it writes, "SLESSICO.1.lock" for
// "SLESSICO.1"; the system releases it when the writer ends, even when it is killed,
// so a lock file left on disk never blocks anyone. A second writer does not wait: it
// is told at once that the lock is taken.
class LexiconWriteLock {
public:
    // Tries to take the lock for the lexicon `name` (the name a writer would write,
    // resolved as ProgramFolder::WriteAtomically does).
    explicit LexiconWriteLock(const QString& name);
    ~LexiconWriteLock();
    LexiconWriteLock(const LexiconWriteLock&) = delete;
    LexiconWriteLock& operator=(const LexiconWriteLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Whether another writer holds it (otherwise the lock file could not be made).
    bool Busy() const { return busy_; }
    // The lock file's path.
    const QString& Path() const { return path_; }
    // When not held and not busy: why the lock file could not be made.
    const QString& Error() const { return error_; }

    // The lock file of the lexicon `name`.
    static QString LockPathOf(const QString& name);

private:
    QString path_;
    QString error_;
    int fd_ = -1;
    bool busy_ = false;
};
