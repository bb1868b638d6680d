#include "command_table.h"
#include "global_options.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

} // namespace

QString check_help(const Invocation &call)
{
    if (!call.arguments.isEmpty() && !find_command(call.arguments.first()))
        return tr("unknown command %1 (try vxctl help)").arg(call.arguments.first());
    return QString();
}

// vxctl help [COMMAND]: the whole help, or one command's lines and options.
int run_help(const Invocation &call)
{
    QTextStream &out = call.out;
    if (call.arguments.isEmpty()) {
        out << call.options.helpText();
        return 0;
    }
    const Command &command = *find_command(call.arguments.first());
    for (const QString &line : tr(command.synopsis).split(QLatin1Char('\n'))) {
        const QString usage = line.section(QLatin1Char('\t'), 0, 0);
        if (!usage.isEmpty())
            out << "usage: vxctl [OPTIONS] " << usage << '\n';
        out << "  " << line.section(QLatin1Char('\t'), 1) << '\n';
    }
    bool heading = false;
    for (const CommandOption &option : command.options) {
        if (!option.name)
            continue;
        if (!heading)
            out << '\n' << tr("Options:") << '\n';
        heading = true;
        QString name = QStringLiteral("--") + QLatin1String(option.name);
        if (option.value_name)
            name += QStringLiteral(" <%1>").arg(QLatin1String(option.value_name));
        out << "  " << name.leftJustified(20) << ' ' << tr(option.description) << '\n';
    }
    // vxctl's own options that the command takes, a few to a line.
    out << '\n' << tr("Options of vxctl itself:") << '\n';
    const GlobalOptions global;
    QString line;
    for (const QCommandLineOption *option : global.all()) {
        if (!global.applies_to(*option, command))
            continue;
        const QString name = QStringLiteral("--") + option->names().constLast();
        if (!line.isEmpty() && line.size() + name.size() > 76) {
            out << "  " << line << ",\n";
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(", ")) + name;
    }
    out << "  " << line << '\n';
    if (command.uses_device())
        out << '\n' << tr("The machine: --tcp, --usb or --sim (vxctl help lists every option).") << '\n';
    return 0;
}
