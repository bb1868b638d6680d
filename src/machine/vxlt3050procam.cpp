#include "vxlt3050procam.h"

#include "catalogue_builder_p.h"
#include "language_p.h"
#include "translation_lookup_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>

#include <dlfcn.h>

using namespace vx;

namespace {
constexpr const char *kContext = "VXLT3050PROCam";
constexpr int kIconCodePoint = 0xE626;

// The installed translations, found from the file this code was loaded
// from, so that an installation works under any prefix.
QString installed_translations_dir()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void *>(&installed_translations_dir), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname))
        .dir()
        .absoluteFilePath(QStringLiteral(VX_PLUGINDIR_TO_TRANSLATIONSDIR));
}
} // namespace

// Each machine object installs its own translator; destroying the object
// removes it again. The host application's own copy comes first.
VXLT3050PROCam::VXLT3050PROCam(QObject *parent)
    : VXCommonInterface(parent)
{
    const QString file =
        QStringLiteral("VX-LT3050PROCam_%1.qm").arg(vx::language_code_for(QLocale::system().name()));
    // Without one, the labels read as written.
    vx::load_translation(m_translator, file, installed_translations_dir());
    QCoreApplication::installTranslator(&m_translator);
}

VXDeviceInterface *VXLT3050PROCam::initInstance()
{
    static const CatalogueRow scale[] = {
        {"SCALE_X", QT_TR_NOOP("x"), "", double_value(1.0), CCMD, 61, 20, 1, double_spin_box(99.0, 100.99)},
        {"SCALE_Y", QT_TR_NOOP("y"), "", double_value(1.0), CCMD, 62, 21, 1, double_spin_box(99.0, 100.99)},
        {"SCALE", QT_TR_NOOP("缩放"), "", invalid_value(), UnCMD, 0, 0, 0, group(), {"SCALE_X", "SCALE_Y"}},
    };
    static const CatalogueRow task_and_head[] = {
        {"TASK", QT_TR_NOOP("当前任务"), "",
         json_value(R"({"Finished":0,"Status":0,"TaskCopies":0,"Percent":100})"), UnCMD, 0, 0, 0},
        {"CAMERA_OFFSET_X", QT_TR_NOOP("x"), "", double_value(0.0), UnCMD, 0, 0, 0,
         double_spin_box(-2.0, 2.0)},
        {"CAMERA_OFFSET_Y", QT_TR_NOOP("y"), "", double_value(0.0), UnCMD, 0, 0, 0,
         double_spin_box(-22.0, -18.0)},
        {"CAMERA_OFFSET", QT_TR_NOOP("摄像头偏移"), "(mm x mm)", key_list(), CCMD, 18, 17, 1,
         group(), {"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y"}},
        {"SPEED", QT_TR_NOOP("速度"), "(mm/s)", uint_value(0), CCMD, 7, 6, 1, spin_box(10, 300), {}, {"0"}},
        {"PRESSURE", QT_TR_NOOP("压力"), "(gf)", uint_value(0), CCMD, 9, 8, 1, spin_box(0, 900), {}, {"0"}},
    };
    static const CatalogueRow model_and_commands[] = {
        {"DEVICE_MODEL", QT_TR_NOOP("型号"), "", text_value("VX-LT3050PROCam"), UnCMD, 0, 0, 0, label()},
        {"DEVICE_MODEL_NAME", QT_TR_NOOP("名称"), "", translated_text(QT_TR_NOOP("LT3050传送带平板机")),
         UnCMD, 0, 0, 0, label()},
        {"MOVE", QT_TR_NOOP("移动"), "", text_value(""), CCMD, 0, 65, 1},
        // Same write number as TASK_COPIES: asks the machine for one more copy.
        {"TASK_REPEAT", QT_TR_NOOP("重复上次"), "", int_value(1), CCMD, 0, 30, 1},
        {"SET_WIFI", QT_TR_NOOP("设置WIFI"), "", int_value(1), CCMD, 0, 0, 1},
    };

    auto *device = new VXLT3050PROCam(nullptr);
    add_catalogue(device, kContext, scale);
    fill_catalogue(device, "init437");
    add_catalogue(device, kContext, task_and_head);
    fill_catalogue(device, "info_437");
    add_catalogue(device, kContext, model_and_commands);
    return device;
}

QStringList VXLT3050PROCam::userProperty()
{
    return {QStringLiteral("WORK_MODE"), QStringLiteral("PRESSURE"), QStringLiteral("SPEED"),
            QStringLiteral("SCALE"), QStringLiteral("CAMERA_OFFSET")};
}

// "DEVICE_INFO" is listed for hosts that show it, though this machine has none.
QStringList VXLT3050PROCam::sysProperty()
{
    return {QStringLiteral("DEVICE_MODEL_NAME"), QStringLiteral("DEVICE_INFO"),
            QStringLiteral("FIRMWARE"), QStringLiteral("DEVICE_ID"), QStringLiteral("PCB_ID"),
            QStringLiteral("PCB_VERSION")};
}

int VXLT3050PROCam::icon()
{
    return kIconCodePoint;
}
