#pragma once

#include <QtCore/QHash>
#include <QtCore/QString>

// Which cut file answers a QR code: the file named after the code in a
// directory (CODE or CODE.plt), or a map file of "code=file" lines (paths
// relative to the map; blank lines and lines starting with # are skipped).
// A code that could leave the directory ("/", "\", a leading ".") names
// no file.
class QrCutFiles
{
public:
    bool use_directory(const QString &directory, QString *error);
    bool use_map(const QString &map_file, QString *error);
    // The file for the code, or empty when it has none.
    QString file_for(const QString &code) const;
    QString source() const { return m_source; }

private:
    QString m_directory;
    QHash<QString, QString> m_map;
    QString m_source;
};
