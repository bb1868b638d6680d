#include "qr_cut_files.h"

#include "host_texts_p.h"
#include "regular_file.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>

bool QrCutFiles::use_directory(const QString &directory, QString *error)
{
    if (!QFileInfo(directory).isDir()) {
        *error = VxctlText::tr("--qr takes a directory; %1 is none").arg(directory);
        return false;
    }
    m_directory = directory;
    m_source = directory;
    return true;
}

bool QrCutFiles::use_map(const QString &map_file, QString *error)
{
    QFile file;
    if (!open_regular_file(file, map_file, error))
        return false;
    const QDir base = QFileInfo(map_file).absoluteDir();
    QTextStream lines(&file);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // UTF-8 whatever the locale; Qt 6 has no setCodec() and always uses UTF-8.
    lines.setCodec("UTF-8");
#endif
    for (int number = 1; !lines.atEnd(); ++number) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        const QString code = line.left(equals).trimmed();
        const QString path = line.mid(equals + 1).trimmed();
        if (equals < 1 || code.isEmpty() || path.isEmpty()) {
            *error = VxctlText::tr("%1:%2: expected code=file").arg(map_file).arg(number);
            return false;
        }
        m_map.insert(code, base.absoluteFilePath(path));
    }
    m_source = map_file;
    return true;
}

QString QrCutFiles::file_for(const QString &code) const
{
    if (!m_directory.isEmpty()) {
        if (code.isEmpty() || code.startsWith(QLatin1Char('.')) || code.contains(QLatin1Char('/'))
            || code.contains(QLatin1Char('\\')))
            return QString();
        const QDir directory(m_directory);
        for (const QString &name : {code, code + QStringLiteral(".plt")}) {
            if (QFileInfo(directory.filePath(name)).isFile())
                return directory.filePath(name);
        }
        return QString();
    }
    return m_map.value(code);
}
