#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

// vxctl cloud list | retry ID…|all | purge ID…|all: what a host's cloud
// outbox holds, and what an operator does with its dead letters. `service`
// gives a revived entry a service when it was recorded without one.
int run_cloud(const QString &outbox_file, const QStringList &arguments, const QString &service,
              QTextStream &out, QTextStream &err);
