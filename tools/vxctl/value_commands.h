#pragma once

#include <QtCore/QStringList>
#include <QtCore/QTextStream>

class DeviceSession;

// vxctl get KEY… / get --all: reads settings from the machine and prints them.
int run_get(DeviceSession &session, const QStringList &keys, bool all, int timeout_ms,
            QTextStream &out, QTextStream &err);

// vxctl set KEY=VALUE…: writes settings and reads them back.
int run_set(DeviceSession &session, const QStringList &assignments, int timeout_ms,
            QTextStream &out, QTextStream &err);
