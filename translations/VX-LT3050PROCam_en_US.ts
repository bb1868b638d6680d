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
</context>
<context>
    <name>JobFigures</name>
    <message>
        <source>Design:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected finish:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none open</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n page(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 confirmed cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 confirmed cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 in flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2: in flight at the end, cut unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MachineChoice</name>
    <message>
        <source>TCP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MachineDialog</name>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simulator (practice; faults in the Machine menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TCP address (HOST or HOST:PORT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;USB device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no serial devices found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no TCP address (HOST or HOST:PORT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name a USB device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>vxstudio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR &amp;codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vxstudio - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1: %2, the first from page %3, on %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1: %2 on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused: the machine confirmed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resumed: the machine confirmed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queue halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queue done</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) finished</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the plugin did not load: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the &amp;rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume and re&amp;do the page in flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QR-code job...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to the queue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to the queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the &amp;queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Machine...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Desktop notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About vxstudio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About vxstudio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vxstudio %1: the operator&apos;s console of the VX-LT3050PROCam cutter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>opened %1: %n page(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>an interrupted job of this design can be resumed from page %1 (%2 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the machine chosen (%1) cannot be used: the simulator is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator runs with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>machine: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the faults apply to the simulator started after this job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused (the machine confirmed it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cutting: %1 % confirmed by the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopping: waiting for the machine to confirm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped (the machine confirmed it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the machine went silent; it confirmed the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop not confirmed: the machine may still be cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped on the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine went silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop not confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code %1: %2; skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown QR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closing once the job has ended: stopping it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeFaultsMenu</name>
    <message>
        <source>Practice &amp;faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulator: a dropped link is a reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulator: say nothing more after n pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No faults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>QR-code job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;folder of cut files named after the codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;map file of code=file lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unusable codes in a row that end the job:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &amp;queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to the queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running: the files are cut one after another</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>done: %n file(s) finished</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queue halted at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>connecting to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a job is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (path cut short: too many points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plugin is not loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open a design first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing left to cut of %1 but page %2, in flight at the interruption: whether it was cut is unknown (Resume and redo page cuts it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing left to cut of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost during the job (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job was stopped on the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the machine confirmed the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; it confirmed the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer to the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no job started: stopped before anything was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no job started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 page(s) now: it was changed since the job was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the journal %1: a resume will not know where this job stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished: %1 of %1 copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once the machine has stopped, Resume cuts from page %1 (%2 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume cuts from page %1 (%2 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume and redo page cuts page %1 again first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is left to cut unless page %1 was not cut: Resume and redo page cuts it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plugin has no page carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended after %1 QR codes in a row without a usable cut file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The operator&apos;s console of the VX-LT3050PROCam cutter: open a design, cut it on the machine
(or the simulator) and follow what the machine confirms. The machine is chosen in the
Machine menu and remembered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device plugin to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A design to open (plotter text or SVG).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vxstudio</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of the file&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest %1 jobs are shown; narrow the days to see older ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n job(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export the shown jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (Debian package libqt5sql5-sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the job history %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job history %1 is not used and is left as it is: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a database or is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written by a later version (schema %1; this one reads %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of something else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job history is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job was not written to the history: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a job ends with an outcome of its own, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job&apos;s end was not written to the history: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history holds no running job %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the job history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown: the console ended during the job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by the operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the machine stopped answering; it confirmed the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop not confirmed: it may still be cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copies ordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copies finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started (UTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended (UTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duration (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>machine&apos;s record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the presets could not be written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a preset needs a name of 1 to %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the preset &quot;%1&quot; would hold no settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no preset &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save fields as preset…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save fields as preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the material preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset “%1” saved with %2 settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no preset “%1”; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied; not put in: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset “%1” deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower left corner, x:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower left corner, y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of the square:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A square with a cross, inside the working area %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A square with a cross. The working area is unknown: check the place before cutting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 rows are shown; see the rest with vxctl trace show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace breaks off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
