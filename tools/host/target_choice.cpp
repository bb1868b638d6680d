#include "target_choice.h"

#include "host_texts_p.h"
#include "regular_file.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>

namespace {

// "target=" of the config file: empty when there is no file or no such
// line; false with the error for a file that is no regular file, a line
// that is not "key=value" or an unknown key. A "#" at the start of a line
// or after white space starts a comment.
bool configured_target(QString *text, QString *error)
{
    const QString path = config_file_path();
    if (!QFileInfo::exists(path))
        return true;
    QFile file;
    if (!open_regular_file(file, path, error))
        return false;
    static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).remove(comment).trimmed();
        if (line.isEmpty())
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.left(equals).trimmed() != QLatin1String("target")) {
            *error = VxctlText::tr("%1:%2: only \"target = tcp:HOST[:PORT] | usb:PATH | link:KIND:ADDRESS | sim\" is known")
                         .arg(path).arg(number);
            return false;
        }
        *text = line.mid(equals + 1).trimmed();
    }
    return true;
}

} // namespace

QString config_file_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vxctl/config");
}

bool configured_choice(TargetChoice *choice, QString *error)
{
    Target &target = choice->target;
    QString text = qEnvironmentVariable("VXCTL_TARGET");
    QString origin = QStringLiteral("VXCTL_TARGET");
    choice->source = TargetChoice::Environment;
    if (text.isEmpty()) {
        if (!configured_target(&text, error))
            return false;
        origin = config_file_path();
        choice->source = TargetChoice::ConfigFile;
    }
    if (text.isEmpty()) {
        choice->source = TargetChoice::Implicit;
    } else if (!Target::parse(text, &target)) {
        *error = VxctlText::tr("%1: \"%2\" is not tcp:HOST[:PORT], usb:PATH, link:KIND:ADDRESS or sim").arg(origin, text);
        return false;
    }
    return true;
}
