#include "platform/instance/instance_lock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace instance {

QString InstanceLock::LockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath().isEmpty() ? QStringLiteral("/tmp") : QDir::tempPath();
}

InstanceLock::InstanceLock(const QString& Name)
    : m_fileName(QDir(LockFolder()).filePath(Name)), m_lock(std::make_unique<QLockFile>(m_fileName)) {
    // The holder is recognised by its process id, never by the lock's age:
    // an instance may run for days.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;  // QLockFile removes a held lock

bool InstanceLock::TryAcquire() {
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

bool InstanceLock::Held() const { return m_lock->isLocked(); }

}  // namespace instance
