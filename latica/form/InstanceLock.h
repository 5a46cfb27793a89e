#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace form {

// The previous-instance test: a per-user lock file held while the program runs. A lock
// left by a crashed run is taken over, since its process no longer exists.
class InstanceLock {
public:
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    // True when no other copy holds the lock; the lock is then ours until destruction.
    bool acquire();
    static QString lockPath(const QString& name);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace form
