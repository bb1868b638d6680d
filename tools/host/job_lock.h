#pragma once

#include <QtCore/QString>

struct Target;

// One vxctl at a time changes a machine: a second one would take the link
// over and the first would lose its job. The holder keeps an flock on a
// file named after the target under $XDG_RUNTIME_DIR/vxctl (else the state
// directory's "locks"), with its pid and what it does written in it. The
// kernel lets go of the lock when the holder ends, crashed or not, so a
// lock file left behind holds nobody.
class JobLock
{
public:
    JobLock() = default;
    ~JobLock();
    JobLock(const JobLock &) = delete;
    JobLock &operator=(const JobLock &) = delete;

    // Takes the target's lock for this process, doing what ("job FILE");
    // false with the reason when another process holds it or it cannot be
    // made.
    bool take(const Target &target, const QString &what, QString *error);

private:
    int m_fd = -1;
};
