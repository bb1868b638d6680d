// The property set of the "437" controller family.
#include "catalogue_builder_p.h"

using namespace vx;

namespace {

// Outside any class, the labels name this context themselves, or lupdate
// would not collect them.
constexpr const char *kContext = "VXCommonInterface";

const CatalogueRow init437[] = {
    // key              label                                                    unit  initial            kind read write len
    {"STATUS",          QT_TRANSLATE_NOOP("VXCommonInterface", "状态"),          "", int_value(0),        UnCMD, 0, 0, 0},
    {"DEVICE_STATUS",   QT_TRANSLATE_NOOP("VXCommonInterface", "电机状态"),      "", text_value(""),      CCMD, 4, 0, 1},
    {"TCP_PORT",        QT_TRANSLATE_NOOP("VXCommonInterface", "端口"),          "", int_value(9100),     UnCMD, 0, 0, 0},
    {"FILE_PREVIEW",    QT_TRANSLATE_NOOP("VXCommonInterface", "预览"),          "", bytes_value(),       UnCMD, 0, 0, 0},
    {"TASK_FILE_INFO",  QT_TRANSLATE_NOOP("VXCommonInterface", "工作文件"),      "", json_value("{}"),    UnCMD, 0, 0, 0},
    {"GET_QRCODE",      QT_TRANSLATE_NOOP("VXCommonInterface", "获取二维码"),    "", invalid_value(),     CCMD, 11, 0, 1},
    {"QRCODE_FILE",     QT_TRANSLATE_NOOP("VXCommonInterface", "二维码文件"),    "", text_value(""),      CCMD, 55, 55, 1},
    {"TASK_COPIES",     QT_TRANSLATE_NOOP("VXCommonInterface", "份数"), QT_TRANSLATE_NOOP("VXCommonInterface", "份"), int_value(1),   CCMD, 30, 30, 1,
     no_editor(), {}, {}, true},
    {"TASK_PPLT",       QT_TRANSLATE_NOOP("VXCommonInterface", "pplt"),          "", text_value(""),      PPLT, 0, 1, 1},
    {"TASK_STOP",       QT_TRANSLATE_NOOP("VXCommonInterface", "停止"),          "", int_value(2),        CCMD, 27, 27, 1},
    {"TASK_PAUSE",      QT_TRANSLATE_NOOP("VXCommonInterface", "暂停"),          "", int_value(0),        CCMD, 27, 27, 1},
    {"TASK_RESUME",     QT_TRANSLATE_NOOP("VXCommonInterface", "继续"),          "", int_value(1),        CCMD, 27, 27, 1},
    {"TASK_MODE",       QT_TRANSLATE_NOOP("VXCommonInterface", "任务模式"),      "", int_value(0),        CCMD, 32, 32, 1},
    {"LAST_TIME",       "",                          "", now_value(),         UnCMD, 0, 0, 0},
    {"CONNECT_MODE",    QT_TRANSLATE_NOOP("VXCommonInterface", "连接方式"),      "", text_value(""),      UnCMD, 0, 0, 0},
    {"DEVICE_CLOUD",    QT_TRANSLATE_NOOP("VXCommonInterface", "数据上传"),      "", json_value("{}"),    UnCMD, 0, 0, 0},
    {"WORK_MODE",       QT_TRANSLATE_NOOP("VXCommonInterface", "切割质量"),      "", uint_value(0),       CCMD, 64, 23, 1,
     combo_box({QT_TRANSLATE_NOOP("VXCommonInterface", "   速度优先"), QT_TRANSLATE_NOOP("VXCommonInterface", "   平衡"), QT_TRANSLATE_NOOP("VXCommonInterface", "   精度优先")})},
};

constexpr Editor kLineEdit = line_edit();
const CatalogueRow info_437[] = {
    {"FIRMWARE",    QT_TRANSLATE_NOOP("VXCommonInterface", "固件版本"), "", text_value(""), CCMD, 51, 0, 1, kLineEdit},
    {"DEVICE_ID",   QT_TRANSLATE_NOOP("VXCommonInterface", "机器编号"), "", text_value(""), CCMD, 45, 44, 1, kLineEdit},
    {"PCB_ID",      QT_TRANSLATE_NOOP("VXCommonInterface", "PCB编号"),  "", text_value(""), CCMD, 47, 46, 1, kLineEdit},
    {"PCB_VERSION", QT_TRANSLATE_NOOP("VXCommonInterface", "PCB版本"),  "", text_value(""), CCMD, 49, 48, 1, kLineEdit},
};

constexpr Editor kCameraOffsetAxis = double_spin_box(-1000.0, 1000.0);
const CatalogueRow camera_offset_437[] = {
    {"CAMERA_OFFSET_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", double_value(0.0), UnCMD, 0, 0, 0, kCameraOffsetAxis},
    {"CAMERA_OFFSET_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", double_value(0.0), UnCMD, 0, 0, 0, kCameraOffsetAxis},
    {"CAMERA_OFFSET", QT_TRANSLATE_NOOP("VXCommonInterface", "摄像头偏移"), "(mm x mm)", key_list(), CCMD, 16, 15, 1,
     group(), {"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y"}},
};

constexpr Editor kWorkAreaAxis = double_spin_box(10, 10000);
const CatalogueRow work_area_437[] = {
    {"WORKAREA_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", double_value(0.0), UnCMD, 0, 0, 0, kWorkAreaAxis},
    {"WORKAREA_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", double_value(0.0), UnCMD, 0, 0, 0, kWorkAreaAxis},
    {"WORKAREA", QT_TRANSLATE_NOOP("VXCommonInterface", "幅宽"), "(mm x mm)", key_list(), CCMD, 63, 22, 1,
     group(), {"WORKAREA_X", "WORKAREA_Y"}},
};

constexpr Editor kScaleAxis = double_spin_box(0, 200);
const CatalogueRow scale_437[] = {
    {"SCALE_X", QT_TRANSLATE_NOOP("VXCommonInterface", "x"), "", double_value(1.0), CCMD, 61, 20, 1, kScaleAxis},
    {"SCALE_Y", QT_TRANSLATE_NOOP("VXCommonInterface", "y"), "", double_value(1.0), CCMD, 62, 21, 1, kScaleAxis},
    // A group for the editor only: no command, no key list.
    {"SCALE", QT_TRANSLATE_NOOP("VXCommonInterface", "缩放"), "", invalid_value(), UnCMD, 0, 0, 0,
     group(), {"SCALE_X", "SCALE_Y"}},
};

} // namespace

static const bool kRegistered = register_catalogues(kContext, {
    named("init437", init437), named("info_437", info_437), named("camera_offset_437", camera_offset_437),
    named("work_area_437", work_area_437), named("scale_437", scale_437)});
