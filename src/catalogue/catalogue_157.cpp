// The property set of the "157" controller family: its base set, the
// information page and the setting groups a machine picks for its pages.
#include "catalogue_builder_p.h"

using namespace vx;

namespace {

// Outside any class, the labels name this context themselves, or lupdate
// would not collect them.
constexpr const char *kContext = "VXCommonInterface";
// Offsets in 0.005 mm steps, spanning three device addresses.
constexpr Editor kOffsetAxis = double_spin_box(-1000, 1000, 0.005);
// Pressure: one controller step is 19/6 gf.
constexpr Editor kPressure = spin_box(0, 1900, 19.0 / 6);
constexpr Editor kSpeed = spin_box(10, 700);
constexpr Editor kAngle = spin_box(-360, 360);

const CatalogueRow init157[] = {
    // key               label                                                  unit  initial          kind read write len
    {"STATUS",           QT_TRANSLATE_NOOP("VXCommonInterface", "状态"),        "", int_value(0),      UnCMD, 0, 0, 0},
    {"TCP_PORT",         QT_TRANSLATE_NOOP("VXCommonInterface", "端口"),        "", int_value(9100),   UnCMD, 0, 0, 0},
    {"CONNECT_MODE",     QT_TRANSLATE_NOOP("VXCommonInterface", "连接方式"),    "", text_value(""),    UnCMD, 0, 0, 0},
    {"QRCODE_COPIES",    QT_TRANSLATE_NOOP("VXCommonInterface", "份数"), QT_TRANSLATE_NOOP("VXCommonInterface", "份"), int_value(1), CCMD, 54, 54, 1,
     no_editor(), {}, {}, true},
    {"QRCODE_FILE",      QT_TRANSLATE_NOOP("VXCommonInterface", "二维码文件"),  "", text_value(""),    CCMD, 55, 55, 1},
    {"TASK_COPIES",      QT_TRANSLATE_NOOP("VXCommonInterface", "份数"), QT_TRANSLATE_NOOP("VXCommonInterface", "份"), int_value(1), NUM, 1, 1, 1,
     no_editor(), {}, {}, true},
    {"TASK_PLT",         QT_TRANSLATE_NOOP("VXCommonInterface", "plt"),         "", text_value(""),    PLT, 1, 1, 1},
    // The three job commands share command 125 and differ in the value.
    {"TASK_STOP",        QT_TRANSLATE_NOOP("VXCommonInterface", "停止"),        "", int_value(2),      CMD, 125, 125, 1},
    {"TASK_PAUSE",       QT_TRANSLATE_NOOP("VXCommonInterface", "暂停"),        "", int_value(0),      CMD, 125, 125, 1},
    {"TASK_RESUME",      QT_TRANSLATE_NOOP("VXCommonInterface", "继续"),        "", int_value(1),      CMD, 125, 125, 1},
    {"QR_PLT",           QT_TRANSLATE_NOOP("VXCommonInterface", "QR PLT"),      "", text_value(""),    QRPLT, 1, 1, 1},
    {"FLAG_POINT",       QT_TRANSLATE_NOOP("VXCommonInterface", "设原点"),      "", int_value(1),      CMD, 87, 87, 1},
    {"BACK_FLAG_POINT",  QT_TRANSLATE_NOOP("VXCommonInterface", "回原点"),      "", int_value(1),      CMD, 93, 93, 1},
    {"TASK_MODE",        QT_TRANSLATE_NOOP("VXCommonInterface", "任务模式"),    "", int_value(0),      UnCMD, 0, 0, 0},
    {"LAST_TIME",        "",                        "", now_value(),       UnCMD, 0, 0, 0},
    // Period in seconds; its read command is the heartbeat itself.
    {"HEARTBEAT",        QT_TRANSLATE_NOOP("VXCommonInterface", "心跳"), QT_TRANSLATE_NOOP("VXCommonInterface", "秒"), int_value(2), CCMD, 1010, 1010, 1,
     no_editor(), {}, {}, true},
    {"FILE_PREVIEW",     QT_TRANSLATE_NOOP("VXCommonInterface", "预览"),        "", bytes_value(),     UnCMD, 0, 0, 0},
    {"TASK_FILE_INFO",   QT_TRANSLATE_NOOP("VXCommonInterface", "工作文件"),    "", json_value("{}"),  UnCMD, 0, 0, 0},
    {"WORK_MODE",        QT_TRANSLATE_NOOP("VXCommonInterface", "切割质量"),    "", uint_value(0),     CMD, 27, 27, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "   速度优先"), QT_TRANSLATE_NOOP("VXCommonInterface", "   平衡"), QT_TRANSLATE_NOOP("VXCommonInterface", "   精度优先")})},
    {"PU_SPEED",         QT_TRANSLATE_NOOP("VXCommonInterface", "PU 速度"),     "", uint_value(0),     CMD, 26, 26, 1, kSpeed},
    {"DEVICE_CLOUD",     QT_TRANSLATE_NOOP("VXCommonInterface", "数据上传"),    "", json_value("{}"),  UnCMD, 0, 0, 0},
};

constexpr Editor kLineEdit = line_edit();
constexpr Editor kLabel = label();
const CatalogueRow info_157[] = {
    {"FIRMWARE",         QT_TRANSLATE_NOOP("VXCommonInterface", "固件版本"),  "", text_value(""), CCMD, 0, 0, 1, kLineEdit},
    {"DEVICE_ID",        QT_TRANSLATE_NOOP("VXCommonInterface", "机器编号"),  "", text_value(""), CCMD, 0, 44, 1, kLineEdit},
    {"PCB_ID",           QT_TRANSLATE_NOOP("VXCommonInterface", "PCB编号"),   "", text_value(""), CCMD, 0, 46, 1, kLineEdit},
    {"PCB_VERSION",      QT_TRANSLATE_NOOP("VXCommonInterface", "PCB版本"),   "", text_value(""), CCMD, 0, 48, 1, kLineEdit},
    {"DEVICE_CONFIG_NO", QT_TRANSLATE_NOOP("VXCommonInterface", "配置号"),    "", text_value(""), UnCMD, 0, 0, 0, kLabel},
    {"DEVICE_UNIQUE_ID", QT_TRANSLATE_NOOP("VXCommonInterface", "Unique ID"), "", text_value(""), CCMD, 57, 0, 1, kLabel},
    {"DEVICE_MODEL",     QT_TRANSLATE_NOOP("VXCommonInterface", "型号"),      "", text_value("VX-RS1800PROCam"), UnCMD, 0, 0, 0,
     kLabel},
    // One read fills all six members, in the reply's field order.
    {"DEVICE_INFO",      QT_TRANSLATE_NOOP("VXCommonInterface", "机器信息"),  "", key_list(),     CCMD, 2, 0, 1, no_editor(),
     {"DEVICE_MODEL", "DEVICE_ID", "PCB_ID", "PCB_VERSION", "FIRMWARE", "DEVICE_CONFIG_NO"}},
};

const CatalogueRow camera_offset_157[] = {
    {"CAMERA_OFFSET_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", uint_value(0), CMD, 11, 11, 3, kOffsetAxis},
    {"CAMERA_OFFSET_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", uint_value(0), CMD, 14, 14, 3, kOffsetAxis},
    {"CAMERA_OFFSET", QT_TRANSLATE_NOOP("VXCommonInterface", "摄像头偏移"), "(mm x mm)", invalid_value(), UnCMD, 0, 0, 0,
     group(), {"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y"}},
    // Write-only, and not part of the group.
    {"FACTORY_SET", QT_TRANSLATE_NOOP("VXCommonInterface", "出厂设置"), "", int_value(0), CCMD, 0, 67, 1},
};

constexpr Editor kWorkAreaAxis = line_edit(0.5);
const CatalogueRow work_area_157[] = {
    {"WORKAREA_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", uint_value(0), CMD, 28, 28, 1, kWorkAreaAxis},
    {"WORKAREA_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", uint_value(0), CMD, 29, 29, 1, kWorkAreaAxis},
    {"WORKAREA", QT_TRANSLATE_NOOP("VXCommonInterface", "幅宽"), "(mm x mm)", invalid_value(), UnCMD, 0, 0, 0, group(),
     {"WORKAREA_X", "WORKAREA_Y"}},
};

constexpr Editor kScaleAxis = line_edit(0.0001);
const CatalogueRow scale_157[] = {
    {"SCALE_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", uint_value(0), CMD, 24, 24, 1, kScaleAxis},
    {"SCALE_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", uint_value(0), CMD, 25, 25, 1, kScaleAxis},
    {"SCALE", QT_TRANSLATE_NOOP("VXCommonInterface", "缩放"), "", invalid_value(), UnCMD, 0, 0, 0, group(),
     {"SCALE_X", "SCALE_Y"}},
};

constexpr Editor kSpinBox = spin_box();
const CatalogueRow feed_157[] = {
    {"AUTO_FEED",   QT_TRANSLATE_NOOP("VXCommonInterface", "自动送料"),     "",     uint_value(0), CMD, 134, 134, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "   关"), QT_TRANSLATE_NOOP("VXCommonInterface", "   开")})},
    {"FEED_MODEL",  QT_TRANSLATE_NOOP("VXCommonInterface", "送料模式"),     "",     uint_value(0), CMD, 133, 133, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "   同步送料"), QT_TRANSLATE_NOOP("VXCommonInterface", "   异步送料")})},
    {"FEED_LENGTH", QT_TRANSLATE_NOOP("VXCommonInterface", "送料距离"),     "mm",   uint_value(0), CMD, 135, 135, 1, kSpinBox},
    {"FEED_CENTER", QT_TRANSLATE_NOOP("VXCommonInterface", "横梁中心距离"), "mm",   uint_value(0), CMD, 136, 136, 1, kSpinBox},
    {"FAN_DELAY",   QT_TRANSLATE_NOOP("VXCommonInterface", "气泵延时"),     "ms",   uint_value(0), CMD, 137, 137, 1, spin_box(0, 10000)},
    {"FEED_SPEED",  QT_TRANSLATE_NOOP("VXCommonInterface", "送料速度"),     "mm/s", uint_value(0), CMD, 138, 138, 1, kSpinBox},
    // The page shows the feed speed before the pump delay.
    {"FEED",        QT_TRANSLATE_NOOP("VXCommonInterface", "送料"),         "",     invalid_value(), UnCMD, 0, 0, 0, tabs(),
     {"AUTO_FEED", "FEED_MODEL", "FEED_LENGTH", "FEED_CENTER", "FEED_SPEED", "FAN_DELAY"}},
};

const CatalogueRow tool_space_157[] = {
    {"TOOL_SPACE_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", uint_value(0), CMD, 5, 5, 3, kOffsetAxis},
    {"TOOL_SPACE_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", uint_value(0), CMD, 8, 8, 3, kOffsetAxis},
    {"TOOL_SPACE", QT_TRANSLATE_NOOP("VXCommonInterface", "工具偏移"), "(mm x mm)", invalid_value(), UnCMD, 0, 0, 0, group(),
     {"TOOL_SPACE_X", "TOOL_SPACE_Y"}},
};

const CatalogueRow sp1_157[] = {
    {"SP1_TOOL",     QT_TRANSLATE_NOOP("VXCommonInterface", "工具类型"), "",       uint_value(0), CMD, 128, 128, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "  拖刀"), QT_TRANSLATE_NOOP("VXCommonInterface", "  转刀")})},
    {"SP1_SPEED",    QT_TRANSLATE_NOOP("VXCommonInterface", "速度"),     "(mm/s)", uint_value(0), CMD, 1, 1, 1, kSpeed},
    {"SP1_PRESSURE", QT_TRANSLATE_NOOP("VXCommonInterface", "压力"),     "(gf)",   uint_value(0), CMD, 2, 2, 1, kPressure},
    {"SP1_ANGLE",    QT_TRANSLATE_NOOP("VXCommonInterface", "转刀校准"), "(°)",    uint_value(0), CMD, 131, 131, 1, kAngle},
    {"SP1",          QT_TRANSLATE_NOOP("VXCommonInterface", "SP1"),      "",       invalid_value(), UnCMD, 0, 0, 0, tabs(),
     {"SP1_TOOL", "SP1_SPEED", "SP1_PRESSURE", "SP1_ANGLE"}},
};

const CatalogueRow sp2_157[] = {
    {"SP2_SPEED",    QT_TRANSLATE_NOOP("VXCommonInterface", "速度"),     "(mm/s)", uint_value(0), CMD, 3, 3, 1, kSpeed},
    {"SP2_PRESSURE", QT_TRANSLATE_NOOP("VXCommonInterface", "压力"),     "(gf)",   uint_value(0), CMD, 4, 4, 1, kPressure},
    {"SP2_TOOL",     QT_TRANSLATE_NOOP("VXCommonInterface", "工具类型"), "",       uint_value(0), CMD, 129, 129, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "拖刀"), QT_TRANSLATE_NOOP("VXCommonInterface", "转刀")})},
    {"SP2_ANGLE",    QT_TRANSLATE_NOOP("VXCommonInterface", "转刀校准"), "(°)",    uint_value(0), CMD, 132, 132, 1, kAngle},
    // The page shows the tool type first.
    {"SP2",          QT_TRANSLATE_NOOP("VXCommonInterface", "SP2"),      "",       invalid_value(), UnCMD, 0, 0, 0, tabs(),
     {"SP2_TOOL", "SP2_SPEED", "SP2_PRESSURE", "SP2_ANGLE"}},
};

const CatalogueRow move_157[] = {
    {"MOVE_X", QT_TRANSLATE_NOOP("VXCommonInterface", "X 移动"), "", int_value(0), CMD, 82, 82, 1},
    {"MOVE_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "Y 移动"), "", int_value(0), CMD, 83, 83, 1},
};

} // namespace

static const bool kRegistered = register_catalogues(kContext, {
    named("init157", init157), named("info_157", info_157), named("camera_offset_157", camera_offset_157),
    named("work_area_157", work_area_157), named("scale_157", scale_157), named("feed_157", feed_157),
    named("tool_space_157", tool_space_157), named("sp1_157", sp1_157), named("sp2_157", sp2_157),
    named("move_157", move_157)});
