#pragma once

namespace vx::sim {

// SIGINT and SIGTERM quit the application's event loop, so that the
// simulator closes its sockets and pseudo-terminal on the way out.
// Call once, after the QCoreApplication exists.
bool quit_on_termination_signals();

} // namespace vx::sim
