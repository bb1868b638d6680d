// A command that exists only in a vxctl built for the tests: one file and
// one row, as every command of vxctl is.
#include "command_table.h"

#include <QtCore/QCommandLineParser>

namespace {

int run_echo(const Invocation &call)
{
    const QString words = call.arguments.join(QLatin1Char(' '));
    call.out << (call.options.isSet(QStringLiteral("loud")) ? words.toUpper() : words) << '\n';
    return 0;
}

[[maybe_unused]] const bool registered = add_command(
    {"echo", "echo WORDS...\tsay the words back", Command::Console, Command::Nothing,
     {1, kNoLimit, "echo takes words"}, run_echo, {{"loud", "echo: in capitals."}}});

} // namespace
