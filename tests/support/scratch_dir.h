#pragma once

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QString>

// A template for QTemporaryDir in memory where the machine has it: the
// outbox syncs its file at every change of journal, which on a disk costs
// milliseconds a time and nothing the tests look at.
inline QString scratch_template(const QString &name)
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return root + QLatin1Char('/') + name + QStringLiteral("-XXXXXX");
}
