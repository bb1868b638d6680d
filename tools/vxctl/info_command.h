#pragma once

#include <QtCore/QTextStream>

class PluginHost;

// Prints what a host learns from the plugin: build date, metadata, the
// model, and every property of a fresh instance with its frames.
int run_info(const PluginHost &host, QTextStream &out);
