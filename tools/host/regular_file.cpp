#include "regular_file.h"

#include "host_texts_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>

#include <limits>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString kind_of(mode_t mode)
{
    if (S_ISDIR(mode))
        return VxctlText::tr("a directory");
    if (S_ISFIFO(mode))
        return VxctlText::tr("a FIFO");
    if (S_ISCHR(mode))
        return VxctlText::tr("a character device");
    if (S_ISBLK(mode))
        return VxctlText::tr("a block device");
    if (S_ISSOCK(mode))
        return VxctlText::tr("a socket");
    return VxctlText::tr("a regular file");
}

QString not_regular(const QString &path, mode_t mode)
{
    return VxctlText::tr("%1 is %2, not a regular file").arg(path, kind_of(mode));
}

} // namespace

bool open_regular_file(QFile &file, const QString &path, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        *error = VxctlText::tr("cannot read %1: %2").arg(path, qt_error_string(errno));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *error = not_regular(path, info.st_mode);
        return false;
    }
    // Without blocking: a FIFO put in its place since would hold open().
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = VxctlText::tr("cannot read %1: %2").arg(path, qt_error_string(errno));
        return false;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *error = not_regular(path, info.st_mode);
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *error = VxctlText::tr("cannot read %1: %2").arg(path, file.errorString());
        ::close(fd);
        return false;
    }
    return true;
}

bool read_whole_file(QFile &file, QByteArray *bytes)
{
    const qint64 size = file.size() - file.pos();
    if (size < 0 || size > std::numeric_limits<int>::max())
        return false;
    bytes->resize(int(size)); // not yet touched: no page of it is made
#ifdef MADV_HUGEPAGE
    constexpr quintptr kHuge = 2u << 20;
    const quintptr from = (quintptr(bytes->data()) + kHuge - 1) & ~(kHuge - 1);
    const quintptr to = (quintptr(bytes->data()) + quintptr(size)) & ~(kHuge - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#endif
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(bytes->data() + done, size - done);
        if (got <= 0)
            break;
        done += got;
    }
    if (done == size)
        return true;
    bytes->clear();
    return false;
}

bool is_character_device(const QString &path, QString *error)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        *error = VxctlText::tr("cannot use %1 as the USB controller: %2").arg(path, qt_error_string(errno));
        return false;
    }
    if (!S_ISCHR(info.st_mode)) {
        *error = VxctlText::tr("%1 is %2, not a character device: the USB controller is a serial port such as /dev/ttyACM0")
                     .arg(path, kind_of(info.st_mode));
        return false;
    }
    return true;
}
