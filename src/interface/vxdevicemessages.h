#pragma once

// The texts a device sends its host through VXDeviceInterface::message.
// Plugin and hosts both use these: a host compares against them, never
// against a copy of its own. Plain C++11, as hosts may be.
namespace vx { namespace message {

// DevTasK: the machine reports the job stopped, paused or resumed.
constexpr char Stop[] = "STOP";
constexpr char Pause[] = "PAUSE";
constexpr char Resume[] = "RESUME";

// DevStatus: a link's name and then its state, as in "TCP CONNECTED.".
constexpr char Connected[] = " CONNECTED.";
constexpr char Error[] = " ERROR.";
constexpr char Disconnected[] = " DISCONNECTED.";
constexpr char WebSocket[] = "WEB SOCKET"; // the cloud's link
constexpr char HeartbeatTimeout[] = "HEARTBEAT TIMEOUT 30S.";

} } // namespace vx::message
