#include "trace_capture.h"

#include "log_file.h"
#include "trace_format.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

bool TraceCapture::start(const QString &file, QString *error)
{
    const QFileInfo info(file);
    m_folder = std::make_unique<QTemporaryDir>(info.absoluteDir().filePath(QStringLiteral(".vxctl-trace-XXXXXX")));
    if (!m_folder->isValid()) {
        *error = QStringLiteral("cannot record the trace in %1: %2").arg(info.absolutePath(), m_folder->errorString());
        m_folder.reset();
        return false;
    }
    m_file = info.absoluteFilePath();
    qputenv(vx::trace::kFolderVariable, QFile::encodeName(m_folder->path()));
    return true;
}

// A command that never reached the machine leaves no trace.
TraceCapture::~TraceCapture()
{
    if (!m_folder)
        return;
    qunsetenv(vx::trace::kFolderVariable);
    const QStringList written = QDir(m_folder->path()).entryList({QStringLiteral("*.jsonl")}, QDir::Files);
    if (written.isEmpty())
        return;
    QFile::remove(m_file);
    if (!QFile::rename(QDir(m_folder->path()).filePath(written.first()), m_file))
        qCWarning(lcCtl).noquote() << "cannot write the trace to" << m_file;
}
