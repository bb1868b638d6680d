#include "log_file.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QTextStream>

Q_LOGGING_CATEGORY(lcCtl, "vx.ctl", QtWarningMsg)

namespace {

QFile *log_file = nullptr;

void write_line(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    static const char *const kinds[] = {"debug", "warning", "critical", "fatal", "info"};
    QTextStream line(log_file);
    line << QDateTime::currentDateTime().toString(Qt::ISODateWithMs) << ' '
         << (context.category ? context.category : "default") << ' ' << kinds[type] << ": " << text << '\n';
    line.flush();
}

QtMessageHandler terminal_handler = nullptr;

void write_to_terminal(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const bool ours = context.category && qstrncmp(context.category, "vx.", 3) == 0;
    if (ours || type == QtFatalMsg)
        terminal_handler(type, context, text);
}

} // namespace

void keep_qt_notes_off_terminal()
{
    terminal_handler = qInstallMessageHandler(write_to_terminal);
}

bool start_log_file(const QString &path, QString *error)
{
    static QFile file;
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = QCoreApplication::translate("vxctl", "cannot write the log %1: %2").arg(path, file.errorString());
        return false;
    }
    log_file = &file;
    QLoggingCategory::setFilterRules(QStringLiteral("vx.*.debug=true\nvx.*.info=true"));
    qInstallMessageHandler(write_line);
    return true;
}
