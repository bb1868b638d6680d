#pragma once

// The keys under which the driver, the machine and the cloud code look up
// a device's properties. The catalogue tables spell their keys out, as the
// record of what each machine carries; a test checks that every key named
// here as a catalogue's is one a catalogue creates.
namespace vx::key {

// Created by the catalogues.
inline constexpr char CONNECT_MODE[] = "CONNECT_MODE";
inline constexpr char DEVICE_CLOUD[] = "DEVICE_CLOUD";
inline constexpr char DEVICE_ID[] = "DEVICE_ID";
inline constexpr char DEVICE_STATUS[] = "DEVICE_STATUS";
inline constexpr char FILE_PREVIEW[] = "FILE_PREVIEW";
inline constexpr char FIRMWARE[] = "FIRMWARE";
inline constexpr char GET_QRCODE[] = "GET_QRCODE";
inline constexpr char HEARTBEAT[] = "HEARTBEAT";
inline constexpr char LAST_TIME[] = "LAST_TIME";
inline constexpr char MOVE[] = "MOVE";
inline constexpr char MOVE_X[] = "MOVE_X";
inline constexpr char MOVE_Y[] = "MOVE_Y";
inline constexpr char PCB_ID[] = "PCB_ID";
inline constexpr char QRCODE_COPIES[] = "QRCODE_COPIES";
inline constexpr char STATUS[] = "STATUS";
inline constexpr char TASK[] = "TASK";
inline constexpr char TASK_COPIES[] = "TASK_COPIES";
inline constexpr char TASK_FILE_INFO[] = "TASK_FILE_INFO";
inline constexpr char TASK_MODE[] = "TASK_MODE";
inline constexpr char TASK_PLT[] = "TASK_PLT";
inline constexpr char TASK_PPLT[] = "TASK_PPLT";
inline constexpr char TASK_REPEAT[] = "TASK_REPEAT";
inline constexpr char TCP_PORT[] = "TCP_PORT";
inline constexpr char WORK_MODE[] = "WORK_MODE";

inline constexpr const char *kCatalogueKeys[] = {
    CONNECT_MODE, DEVICE_CLOUD, DEVICE_ID, DEVICE_STATUS, FILE_PREVIEW, FIRMWARE, GET_QRCODE, HEARTBEAT,
    LAST_TIME, MOVE, MOVE_X, MOVE_Y, PCB_ID, QRCODE_COPIES, STATUS, TASK, TASK_COPIES, TASK_FILE_INFO,
    TASK_MODE, TASK_PLT, TASK_PPLT, TASK_REPEAT, TCP_PORT, WORK_MODE};

// Created by the driver itself: the addresses the host gives, and the
// time a job started.
inline constexpr char USB[] = "USB";
inline constexpr char TCP[] = "TCP";
inline constexpr char TASK_START_TIME[] = "TASK_START_TIME";
// Looked up, but carried by no machine of this plugin.
inline constexpr char SET_MARK[] = "SET_MARK";

} // namespace vx::key
