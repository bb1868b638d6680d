#include "job_lock.h"

#include "host_texts_p.h"
#include "log_file.h"
#include "state_directory.h"
#include "target.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Names are readable where they can be; a long host name or device path
// is hashed to stay within the file system's name limit.
QString lock_path(const Target &target)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = runtime.isEmpty() ? state_directory() + QStringLiteral("/locks")
                                             : runtime + QStringLiteral("/vxctl");
    QByteArray name = QUrl::toPercentEncoding(target.key());
    if (name.size() > 200)
        name = QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex();
    return folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".lock");
}

// "pid\nwhat\n" as the holder wrote it; the holder may not have written it
// yet in the moment after it took the lock.
QString holder_text(int fd)
{
    char buffer[4096];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    const QStringList lines = QString::fromUtf8(buffer, n > 0 ? int(n) : 0).split(QLatin1Char('\n'));
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || lines.size() < 2)
        return VxctlText::tr("the machine is in use by another vxctl (it has not said which yet)");
    return VxctlText::tr("the machine is in use by vxctl (pid %1, %2)").arg(pid).arg(lines.at(1));
}

} // namespace

JobLock::~JobLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool JobLock::take(const Target &target, const QString &what, QString *error)
{
    const QString path = lock_path(target);
    QDir().mkpath(QFileInfo(path).path());
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        *error = VxctlText::tr("cannot make the job lock %1: %2").arg(path, why);
        return false;
    }
    int taken;
    do
        taken = ::flock(fd, LOCK_EX | LOCK_NB);
    while (taken != 0 && errno == EINTR);
    if (taken != 0) {
        const int why = errno;
        *error = why == EWOULDBLOCK
            ? holder_text(fd)
            : VxctlText::tr("cannot take the job lock %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(why)));
        ::close(fd);
        return false;
    }
    const QString doing = QString(what).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray holder = QByteArray::number(qint64(::getpid())) + '\n' + doing.toUtf8() + '\n';
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, holder.constData(), size_t(holder.size()), 0) != holder.size())
        qCWarning(lcCtl).noquote() << "cannot say in" << path << "who holds the lock";
    m_fd = fd;
    qCInfo(lcCtl).noquote() << "holding" << path;
    return true;
}
