// vxctl_man_page TEMPLATE OUTPUT VERSION: writes vxctl's man page from the
// template, with its synopsis, commands and options taken from the command
// table and the global options, so that the page follows the program.
#include "command_table.h"
#include "global_options.h"

#include <QtCore/QCommandLineOption>
#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <cstdio>

namespace {

// Text as roff reads it literally: backslashes and hyphens escaped, and a
// line that would start with a request kept as text.
QString roff(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QLatin1String("\\&"));
    return escaped;
}

QString option_heading(const QStringList &names, const QString &value_name)
{
    QStringList parts;
    for (const QString &name : names)
        parts << QStringLiteral("\\fB%1\\fR").arg(roff((name.size() == 1 ? "-" : "--") + name));
    QString heading = parts.join(QLatin1String(", "));
    if (!value_name.isEmpty())
        heading += QStringLiteral(" \\fI%1\\fR").arg(roff(value_name));
    return heading;
}

QString option_entry(const QStringList &names, const QString &value_name, const QString &description,
                     const QString &default_value)
{
    QString entry = QStringLiteral(".TP\n") + option_heading(names, value_name) + '\n' + roff(description);
    if (!default_value.isEmpty() && !description.contains(QStringLiteral("(%1)").arg(default_value)))
        entry += QStringLiteral(" Default: %1.").arg(roff(default_value));
    return entry + '\n';
}

// Synopsis lines are "usage\tsummary"; a line without a usage goes on
// with the summary above it.
QList<QPair<QString, QString>> usages(const Command &command)
{
    QList<QPair<QString, QString>> lines;
    for (const QString &line : QString::fromLatin1(command.synopsis).split(QLatin1Char('\n'))) {
        const QString usage = line.section(QLatin1Char('\t'), 0, 0);
        const QString summary = line.section(QLatin1Char('\t'), 1);
        if (usage.isEmpty() && !lines.isEmpty())
            lines.last().second += QLatin1Char(' ') + summary;
        else
            lines.append({usage, summary});
    }
    return lines;
}

QString synopsis()
{
    QString text;
    for (const Command &command : commands()) {
        for (const auto &line : usages(command))
            text += QStringLiteral("\\fBvxctl\\fR [\\fIOPTIONS\\fR] %1\n.br\n").arg(roff(line.first));
    }
    return text;
}

QString command_section()
{
    QString text;
    for (const Command &command : commands()) {
        for (const auto &line : usages(command))
            text += QStringLiteral(".TP\n\\fB%1\\fR\n%2\n").arg(roff(line.first), roff(line.second));
        if (command.options.isEmpty())
            continue;
        text += QStringLiteral(".RS\n");
        for (const CommandOption &option : command.options) {
            text += option_entry({QString::fromLatin1(option.name)}, QString::fromLatin1(option.value_name),
                                 QString::fromLatin1(option.description), QString::fromLatin1(option.default_value));
        }
        text += QStringLiteral(".RE\n");
    }
    return text;
}

QString option_section()
{
    QString text;
    const GlobalOptions options;
    for (const QCommandLineOption *option : options.all()) {
        text += option_entry(option->names(), option->valueName(), option->description(),
                             option->defaultValues().join(QLatin1Char(',')));
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: vxctl_man_page TEMPLATE OUTPUT VERSION\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "vxctl_man_page: %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    QString page = QString::fromUtf8(source.readAll());
    page.replace(QLatin1String("@VERSION@"), QString::fromLocal8Bit(argv[3]))
        .replace(QLatin1String("@SYNOPSIS@\n"), synopsis())
        .replace(QLatin1String("@COMMANDS@\n"), command_section())
        .replace(QLatin1String("@OPTIONS@\n"), option_section());
    QFile target(QString::fromLocal8Bit(argv[2]));
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) || target.write(page.toUtf8()) < 0
        || !target.flush()) {
        std::fprintf(stderr, "vxctl_man_page: %s: %s\n", argv[2], qPrintable(target.errorString()));
        return 1;
    }
    return 0;
}
