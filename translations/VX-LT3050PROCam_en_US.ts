<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>VXCommonInterface</name>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>电机状态</source>
        <translation>Motor status</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>工作文件</source>
        <translation>Job file</translation>
    </message>
    <message>
        <source>获取二维码</source>
        <translation>Get QR code</translation>
    </message>
    <message>
        <source>二维码文件</source>
        <translation>QR code file</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>份</source>
        <translation>copies</translation>
    </message>
    <message>
        <source>pplt</source>
        <translation>Page data</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>任务模式</source>
        <translation>Job mode</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>数据上传</source>
        <translation>Cloud data</translation>
    </message>
    <message>
        <source>切割质量</source>
        <translation>Cut quality</translation>
    </message>
    <message>
        <source>   速度优先</source>
        <translation>   Speed first</translation>
    </message>
    <message>
        <source>   平衡</source>
        <translation>   Balanced</translation>
    </message>
    <message>
        <source>   精度优先</source>
        <translation>   Precision first</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>机器编号</source>
        <translation>Machine number</translation>
    </message>
    <message>
        <source>PCB编号</source>
        <translation>Board number</translation>
    </message>
    <message>
        <source>PCB版本</source>
        <translation>Board version</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>摄像头偏移</source>
        <translation>Camera offset</translation>
    </message>
    <message>
        <source>幅宽</source>
        <translation>Working area</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>plt</source>
        <translation>Job data</translation>
    </message>
    <message>
        <source>QR PLT</source>
        <translation>QR job data</translation>
    </message>
    <message>
        <source>设原点</source>
        <translation>Set origin</translation>
    </message>
    <message>
        <source>回原点</source>
        <translation>Return to origin</translation>
    </message>
    <message>
        <source>心跳</source>
        <translation>Heartbeat</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>PU 速度</source>
        <translation>PU speed</translation>
    </message>
    <message>
        <source>配置号</source>
        <translation>Configuration number</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Unique ID</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>机器信息</source>
        <translation>Machine information</translation>
    </message>
    <message>
        <source>出厂设置</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>自动送料</source>
        <translation>Automatic feed</translation>
    </message>
    <message>
        <source>   关</source>
        <translation>   Off</translation>
    </message>
    <message>
        <source>   开</source>
        <translation>   On</translation>
    </message>
    <message>
        <source>送料模式</source>
        <translation>Feed mode</translation>
    </message>
    <message>
        <source>   同步送料</source>
        <translation>   Synchronous feed</translation>
    </message>
    <message>
        <source>   异步送料</source>
        <translation>   Asynchronous feed</translation>
    </message>
    <message>
        <source>送料距离</source>
        <translation>Feed distance</translation>
    </message>
    <message>
        <source>横梁中心距离</source>
        <translation>Beam centre distance</translation>
    </message>
    <message>
        <source>气泵延时</source>
        <translation>Air pump delay</translation>
    </message>
    <message>
        <source>送料速度</source>
        <translation>Feed speed</translation>
    </message>
    <message>
        <source>送料</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>工具偏移</source>
        <translation>Tool offset</translation>
    </message>
    <message>
        <source>工具类型</source>
        <translation>Tool type</translation>
    </message>
    <message>
        <source>  拖刀</source>
        <translation>  Drag knife</translation>
    </message>
    <message>
        <source>  转刀</source>
        <translation>  Rotary knife</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>压力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>转刀校准</source>
        <translation>Rotary knife calibration</translation>
    </message>
    <message>
        <source>SP1</source>
        <translation>SP1</translation>
    </message>
    <message>
        <source>拖刀</source>
        <translation>Drag knife</translation>
    </message>
    <message>
        <source>转刀</source>
        <translation>Rotary knife</translation>
    </message>
    <message>
        <source>SP2</source>
        <translation>SP2</translation>
    </message>
    <message>
        <source>X 移动</source>
        <translation>X jog</translation>
    </message>
    <message>
        <source>Y 移动</source>
        <translation>Y jog</translation>
    </message>
    <message>
        <source>当前任务</source>
        <translation>Current job</translation>
    </message>
</context>
<context>
    <name>VXDeviceInterface</name>
    <message>
        <source>USB 地址</source>
        <translation>USB path</translation>
    </message>
    <message>
        <source>IP 地址</source>
        <translation>IP address</translation>
    </message>
</context>
<context>
    <name>VXLT3050PROCam</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>当前任务</source>
        <translation>Current job</translation>
    </message>
    <message>
        <source>摄像头偏移</source>
        <translation>Camera offset</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>压力</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>LT3050传送带平板机</source>
        <translation>LT3050 conveyor flatbed cutter</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Jog</translation>
    </message>
    <message>
        <source>重复上次</source>
        <translation>Repeat last job</translation>
    </message>
    <message>
        <source>设置WIFI</source>
        <translation>Wi-Fi setup</translation>
    </message>
</context>
<context>
    <name>vxctl</name>
    <message>
        <source>%1 settings</source>
        <translation>%1 settings</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>User settings</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>cannot create %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>answered; it cannot be read back</source>
        <translation>answered; it cannot be read back</translation>
    </message>
    <message>
        <source>no answer; it cannot be read back</source>
        <translation>no answer; it cannot be read back</translation>
    </message>
    <message>
        <source>the read back was refused, result %1</source>
        <translation>the read back was refused, result %1</translation>
    </message>
    <message>
        <source>the read back came without a value</source>
        <translation>the read back came without a value</translation>
    </message>
    <message>
        <source>no answer when read back</source>
        <translation>no answer when read back</translation>
    </message>
    <message>
        <source>%1 (result %2)</source>
        <translation>%1 (result %2)</translation>
    </message>
    <message>
        <source>%1 (the machine holds %2)</source>
        <translation>%1 (the machine holds %2)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 takes %2; got “%3”</source>
        <translation>%1 takes %2; got “%3”</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>Writing: %1</source>
        <translation>Writing: %1</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Written: %1.</translation>
    </message>
    <message>
        <source>Refused by the machine: %1.</source>
        <translation>Refused by the machine: %1.</translation>
    </message>
    <message>
        <source>Not kept by the machine: %1.</source>
        <translation>Not kept by the machine: %1.</translation>
    </message>
    <message>
        <source>Sent, but unknown whether the machine holds it: %1.</source>
        <translation>Sent, but unknown whether the machine holds it: %1.</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>Not sent: %1.</translation>
    </message>
    <message>
        <source>Nothing was changed; nothing was sent.</source>
        <translation>Nothing was changed; nothing was sent.</translation>
    </message>
    <message>
        <source>“%1” is not taken: this field takes %2. Apply does not send it.</source>
        <translation>“%1” is not taken: this field takes %2. Apply does not send it.</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(not read)</translation>
    </message>
    <message>
        <source>job record</source>
        <translation>job record</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>stop pressed on the machine</source>
        <translation>stop pressed on the machine</translation>
    </message>
    <message>
        <source>page done</source>
        <translation>page done</translation>
    </message>
    <message>
        <source>heartbeat</source>
        <translation>heartbeat</translation>
    </message>
    <message>
        <source>job control answered</source>
        <translation>job control answered</translation>
    </message>
    <message>
        <source>%1: not read from the machine</source>
        <translation>%1: not read from the machine</translation>
    </message>
    <message>
        <source>%1: no such setting on these pages</source>
        <translation>%1: no such setting on these pages</translation>
    </message>
</context>
</TS>
