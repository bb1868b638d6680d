#pragma once

// The contexts the host library's texts are translated in, spelt so that
// lupdate collects them (it cannot tell a file-local helper's context).
// Hosts parse vxctl's English output, so the texts and their contexts stay
// as they are; only the console's translations carry them.

#include <QtCore/QCoreApplication>

// Texts vxctl prints and the console shows.
class VxctlText
{
    Q_DECLARE_TR_FUNCTIONS(vxctl)
};

// The working area's and the design picture's texts.
class VxhostText
{
    Q_DECLARE_TR_FUNCTIONS(vxhost)
};
