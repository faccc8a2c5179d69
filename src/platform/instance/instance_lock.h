// The single-instance rule: one lock file per user, held from the start of
// the program to its end. A second start finds it held and ends silently.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace instance {

class InstanceLock {
public:
    // Name is the lock's file name inside LockFolder().
    explicit InstanceLock(const QString& Name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False exactly when another live process holds the lock. A lock left by
    // a process that has died is taken over. When the lock file cannot be
    // written at all (no writable folder), the program runs unguarded: that
    // is better than refusing to start.
    bool TryAcquire();
    bool Held() const;
    QString FileName() const { return m_fileName; }

    // The user's runtime folder, or /tmp when there is none.
    static QString LockFolder();

private:
    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace instance
