#pragma once

#include <QtCore/QString>

class QByteArray;
class QFile;

// Files vxctl reads whole (job files, cut files, the config file) must be
// regular files: a FIFO would block it until a writer comes, a device or a
// socket would never end. Opened only after a look that opens nothing,
// then checked again on the open file, so nothing can be swapped in
// between. False with the reason, which names the file.
bool open_regular_file(QFile &file, const QString &path, QString *error);

// The open file's bytes from where it stands to its size, read whole;
// false when fewer came. A large file's memory is asked to be backed by
// huge pages where the system has them: a 35 MB design then takes a few
// faults instead of thousands, most of the time of reading it.
bool read_whole_file(QFile &file, QByteArray *bytes);

// The USB controller's path (--usb, usb:PATH) must be a character device (a serial port); false with the
// reason otherwise.
bool is_character_device(const QString &path, QString *error);
