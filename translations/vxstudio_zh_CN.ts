<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>JobFigures</name>
    <message>
        <source>Design:</source>
        <translation>设计：</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>份数：</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>页：</translation>
    </message>
    <message>
        <source>Done:</source>
        <translation>已完成：</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>已用时间：</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Expected finish:</source>
        <translation>预计完成：</translation>
    </message>
    <message>
        <source>none open</source>
        <translation>未打开</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n page(s)</source>
        <translation>
            <numerusform>%1，%n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 confirmed cut</source>
        <translation>已确认切割 %1 / %2</translation>
    </message>
    <message>
        <source>all %1 confirmed cut</source>
        <translation>全部 %1 已确认切割</translation>
    </message>
    <message>
        <source>%1 of %2 in flight</source>
        <translation>%1 / %2 已发送（未确认）</translation>
    </message>
    <message>
        <source>%1 of %2: in flight at the end, cut unknown</source>
        <translation>%1 / %2：结束时已发送，是否已切割未知</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>none being cut: waiting for a QR code</source>
        <translation>无正在切割的内容：等待二维码</translation>
    </message>
    <message>
        <source>none being cut</source>
        <translation>无正在切割的内容</translation>
    </message>
</context>
<context>
    <name>JobRecorder</name>
    <message>
        <source>the job history cannot be written: %1</source>
        <translation>无法写入任务历史：%1</translation>
    </message>
</context>
<context>
    <name>MachineChoice</name>
    <message>
        <source>TCP %1</source>
        <translation>TCP %1</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>the simulator</source>
        <translation>模拟器</translation>
    </message>
</context>
<context>
    <name>MachineDialog</name>
    <message>
        <source>Machine</source>
        <translation>机器</translation>
    </message>
    <message>
        <source>&amp;Simulator (practice; faults in the Machine menu)</source>
        <translation>模拟器(&amp;S)（练习用；故障在“机器”菜单中）</translation>
    </message>
    <message>
        <source>&amp;TCP address (HOST or HOST:PORT)</source>
        <translation>TCP 地址(&amp;T)（HOST 或 HOST:PORT）</translation>
    </message>
    <message>
        <source>&amp;USB device</source>
        <translation>USB 设备(&amp;U)</translation>
    </message>
    <message>
        <source>no serial devices found</source>
        <translation>未找到串口设备</translation>
    </message>
    <message>
        <source>%1 is no TCP address (HOST or HOST:PORT)</source>
        <translation>%1 不是 TCP 地址（HOST 或 HOST:PORT）</translation>
    </message>
    <message>
        <source>name a USB device</source>
        <translation>请指定 USB 设备</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>vxstudio</source>
        <translation>vxstudio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>File cut</source>
        <translation>已切割文件</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>跳过原因</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>日志(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Queue</source>
        <translation>队列(&amp;Q)</translation>
    </message>
    <message>
        <source>QR &amp;codes</source>
        <translation>二维码(&amp;C)</translation>
    </message>
    <message>
        <source>no job history this time: %1</source>
        <translation>本次无任务历史：%1</translation>
    </message>
    <message>
        <source>vxstudio - %1</source>
        <translation>vxstudio - %1</translation>
    </message>
    <message>
        <source>job %1: %2, the first from page %3, on %4</source>
        <translation>任务 %1：%2，第一份从第 %3 页开始，在 %4 上</translation>
    </message>
    <message>
        <source>job %1: %2 on %3</source>
        <translation>任务 %1：%2，在 %3 上</translation>
    </message>
    <message>
        <source>paused: the machine confirmed it</source>
        <translation>已暂停：机器已确认</translation>
    </message>
    <message>
        <source>resumed: the machine confirmed it</source>
        <translation>已继续：机器已确认</translation>
    </message>
    <message>
        <source>Queue halted</source>
        <translation>队列已中止</translation>
    </message>
    <message>
        <source>Queue done</source>
        <translation>队列完成</translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) finished</source>
        <translation>
            <numerusform>%n 个任务已完成</numerusform>
        </translation>
    </message>
    <message>
        <source>the plugin did not load: %1</source>
        <translation>插件未能加载：%1</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>继续(&amp;U)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Resume the &amp;rest</source>
        <translation>继续剩余部分(&amp;R)</translation>
    </message>
    <message>
        <source>Resume and re&amp;do the page in flight</source>
        <translation>继续并重切未确认的页(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;QR-code job...</source>
        <translation>二维码任务(&amp;Q)...</translation>
    </message>
    <message>
        <source>&amp;Add to the queue...</source>
        <translation>添加到队列(&amp;A)...</translation>
    </message>
    <message>
        <source>Add to the queue</source>
        <translation>添加到队列</translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation>设计文件 (*.plt *.hpgl *.svg);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Run the &amp;queue</source>
        <translation>运行队列(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>连接(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>断开连接(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Machine...</source>
        <translation>选择机器(&amp;M)...</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the sheet</source>
        <translation>显示整张图纸(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Desktop notifications</source>
        <translation>桌面通知(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史(&amp;H)...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>设置(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Test cut...</source>
        <translation>试切(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About vxstudio</source>
        <translation>关于 vxstudio(&amp;A)</translation>
    </message>
    <message>
        <source>About vxstudio</source>
        <translation>关于 vxstudio</translation>
    </message>
    <message>
        <source>vxstudio %1: the operator&apos;s console of the VX-LT3050PROCam cutter.</source>
        <translation>vxstudio %1：VX-LT3050PROCam 切割机的操作台。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>任务(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>机器(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>份数：</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message numerus="yes">
        <source>opened %1: %n page(s)</source>
        <translation>
            <numerusform>已打开 %1：%n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>an interrupted job of this design can be resumed from page %1 (%2 left)</source>
        <translation>此设计的中断任务可从第 %1 页继续（剩余 %2）</translation>
    </message>
    <message>
        <source>Open a design</source>
        <translation>打开设计</translation>
    </message>
    <message>
        <source>the machine chosen (%1) cannot be used: the simulator is used</source>
        <translation>所选机器（%1）无法使用：改用模拟器</translation>
    </message>
    <message>
        <source>the simulator runs with %1</source>
        <translation>模拟器以 %1 运行</translation>
    </message>
    <message>
        <source>machine: %1</source>
        <translation>机器：%1</translation>
    </message>
    <message>
        <source>the faults apply to the simulator started after this job</source>
        <translation>故障将应用于本任务之后启动的模拟器</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>starting...</source>
        <translation>正在开始...</translation>
    </message>
    <message>
        <source>paused (the machine confirmed it)</source>
        <translation>已暂停（机器已确认）</translation>
    </message>
    <message>
        <source>cutting: %1 % confirmed by the machine</source>
        <translation>切割中：机器已确认 %1 %</translation>
    </message>
    <message>
        <source>stopping: waiting for the machine to confirm...</source>
        <translation>正在停止：等待机器确认...</translation>
    </message>
    <message>
        <source>no job</source>
        <translation>无任务</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>stopped (the machine confirmed it)</source>
        <translation>已停止（机器已确认）</translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation>已在机器上停止</translation>
    </message>
    <message>
        <source>the machine went silent; it confirmed the stop</source>
        <translation>机器停止了应答；机器已确认停止</translation>
    </message>
    <message>
        <source>stop not confirmed: the machine may still be cutting</source>
        <translation>停止未确认：机器可能仍在切割</translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation>连接已断开：机器是否已停止未知</translation>
    </message>
    <message>
        <source>the test cut cannot be written to %1: %2</source>
        <translation>无法将试切写入 %1：%2</translation>
    </message>
    <message>
        <source>test cut: a %1 mm square with a cross at %2, %3 mm</source>
        <translation>试切：带十字的 %1 mm 方框，位于 %2, %3 mm</translation>
    </message>
    <message>
        <source>Job finished</source>
        <translation>任务完成</translation>
    </message>
    <message>
        <source>Stopped on the machine</source>
        <translation>已在机器上停止</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>The machine went silent</source>
        <translation>机器停止了应答</translation>
    </message>
    <message>
        <source>Stop not confirmed</source>
        <translation>停止未确认</translation>
    </message>
    <message>
        <source>QR code %1: %2</source>
        <translation>二维码 %1：%2</translation>
    </message>
    <message>
        <source>QR code %1: %2; skipped</source>
        <translation>二维码 %1：%2；已跳过</translation>
    </message>
    <message>
        <source>Unknown QR code</source>
        <translation>未知二维码</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>closing once the job has ended: stopping it</source>
        <translation>任务结束后关闭：正在停止任务</translation>
    </message>
    <message>
        <source>waiting for the machine to read a QR code: nothing is being cut</source>
        <translation>等待机器读取二维码：当前没有切割任何内容</translation>
    </message>
    <message>
        <source>the machine stopped answering: it may still be cutting</source>
        <translation>机器停止应答：它可能仍在切割</translation>
    </message>
    <message>
        <source>The machine stopped answering</source>
        <translation>机器停止应答</translation>
    </message>
</context>
<context>
    <name>PracticeFaultsMenu</name>
    <message>
        <source>Practice &amp;faults</source>
        <translation>练习用故障(&amp;F)</translation>
    </message>
    <message>
        <source>Simulator: a dropped link is a reset.</source>
        <translation>模拟器：断开连接即复位</translation>
    </message>
    <message>
        <source>Simulator: say nothing more after n pages.</source>
        <translation>模拟器：n 页后不再应答</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Practice faults</source>
        <translation>练习用故障</translation>
    </message>
    <message>
        <source>No faults</source>
        <translation>无故障</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>QR-code job</source>
        <translation>二维码任务</translation>
    </message>
    <message>
        <source>A &amp;folder of cut files named after the codes</source>
        <translation>以代码命名的切割文件所在文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>A &amp;map file of code=file lines</source>
        <translation>由“代码=文件”行组成的对照文件(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>对照文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Cut files:</source>
        <translation>切割文件：</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>份数：</translation>
    </message>
    <message>
        <source>Unusable codes in a row that end the job:</source>
        <translation>连续多少个不可用代码即结束任务：</translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>Run &amp;queue</source>
        <translation>运行队列(&amp;Q)</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>份数：</translation>
    </message>
    <message>
        <source>Add to the queue</source>
        <translation>添加到队列</translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation>设计文件 (*.plt *.hpgl *.svg);;所有文件 (*)</translation>
    </message>
    <message>
        <source> - cutting</source>
        <translation> - 切割中</translation>
    </message>
    <message>
        <source> - finished</source>
        <translation> - 已完成</translation>
    </message>
    <message>
        <source> - ended early</source>
        <translation> - 提前结束</translation>
    </message>
    <message>
        <source>%1 x %2%3</source>
        <translation>%1 x %2%3</translation>
    </message>
    <message>
        <source>running: the files are cut one after another</source>
        <translation>运行中：逐个切割文件</translation>
    </message>
    <message numerus="yes">
        <source>done: %n file(s) finished</source>
        <translation>
            <numerusform>完成：%n 个文件已完成</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 未开始</translation>
    </message>
    <message>
        <source>queue halted at %1: %2</source>
        <translation>队列在 %1 处中止：%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>connecting to %1...</source>
        <translation>正在连接 %1...</translation>
    </message>
    <message>
        <source>the simulator</source>
        <translation>模拟器</translation>
    </message>
    <message>
        <source>link lost (%1)</source>
        <translation>连接已断开（%1）</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>已连接到 %1</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>a job is running</source>
        <translation>有任务正在运行</translation>
    </message>
    <message>
        <source> (path cut short: too many points)</source>
        <translation> （路径被截短：点数过多）</translation>
    </message>
    <message>
        <source>the plugin is not loaded</source>
        <translation>插件未加载</translation>
    </message>
    <message>
        <source>open a design first</source>
        <translation>请先打开设计</translation>
    </message>
    <message>
        <source>nothing left to cut of %1 but page %2, in flight at the interruption: whether it was cut is unknown (Resume and redo page cuts it)</source>
        <translation>%1 只剩中断时已发送的第 %2 页：是否已切割未知（“继续并重切未确认的页”会切割它）</translation>
    </message>
    <message>
        <source>nothing left to cut of %1</source>
        <translation>%1 已无剩余可切割内容</translation>
    </message>
    <message>
        <source>link lost during the job (%1)</source>
        <translation>任务期间连接断开（%1）</translation>
    </message>
    <message>
        <source>the job was stopped on the machine</source>
        <translation>任务已在机器上停止</translation>
    </message>
    <message>
        <source>the machine confirmed the stop</source>
        <translation>机器已确认停止</translation>
    </message>
    <message>
        <source>; it confirmed the stop</source>
        <translation>；机器已确认停止</translation>
    </message>
    <message>
        <source>no answer to the stop</source>
        <translation>停止无应答</translation>
    </message>
    <message>
        <source>link lost: %1</source>
        <translation>连接已断开：%1</translation>
    </message>
    <message>
        <source>no job started: stopped before anything was sent</source>
        <translation>未开始任务：在发送任何内容前已停止</translation>
    </message>
    <message>
        <source>no job started: %1</source>
        <translation>未开始任务：%1</translation>
    </message>
    <message>
        <source>%1 has %2 page(s) now: it was changed since the job was interrupted</source>
        <translation>%1 现有 %2 页：任务中断后已被更改</translation>
    </message>
    <message>
        <source>cannot write the journal %1: a resume will not know where this job stands</source>
        <translation>无法写入日志 %1：继续时将无法得知此任务的进度</translation>
    </message>
    <message>
        <source>finished: %1 of %1 copies</source>
        <translation>已完成：%1 / %1 份</translation>
    </message>
    <message>
        <source>once the machine has stopped, Resume cuts from page %1 (%2 left)</source>
        <translation>机器停止后，“继续”将从第 %1 页开始切割（剩余 %2）</translation>
    </message>
    <message>
        <source>Resume cuts from page %1 (%2 left)</source>
        <translation>“继续”将从第 %1 页开始切割（剩余 %2）</translation>
    </message>
    <message>
        <source>Resume and redo page cuts page %1 again first</source>
        <translation>“继续并重切未确认的页”会先重新切割第 %1 页</translation>
    </message>
    <message>
        <source>nothing is left to cut unless page %1 was not cut: Resume and redo page cuts it</source>
        <translation>除非第 %1 页未被切割，否则已无剩余内容：“继续并重切未确认的页”会切割它</translation>
    </message>
    <message>
        <source>the plugin has no page carrier</source>
        <translation>插件没有用于发送页面的属性</translation>
    </message>
    <message>
        <source>ended after %1 QR codes in a row without a usable cut file</source>
        <translation>连续 %1 个二维码没有可用的切割文件，已结束</translation>
    </message>
    <message>
        <source>no file being cut: waiting for the machine to read a QR code</source>
        <translation>无正在切割的文件：等待机器读取二维码</translation>
    </message>
    <message>
        <source>no file being cut</source>
        <translation>无正在切割的文件</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The operator&apos;s console of the VX-LT3050PROCam cutter: open a design, cut it on the machine
(or the simulator) and follow what the machine confirms. The machine is chosen in the
Machine menu and remembered.</source>
        <translation>VX-LT3050PROCam 切割机的操作台：打开设计，在机器（或模拟器）上切割，
并跟踪机器所确认的内容。机器在“机器”菜单中选择，
并会被记住。</translation>
    </message>
    <message>
        <source>The device plugin to load.</source>
        <translation>要加载的设备插件。</translation>
    </message>
    <message>
        <source>A design to open (plotter text or SVG).</source>
        <translation>要打开的设计（绘图仪文本或 SVG）。</translation>
    </message>
</context>
<context>
    <name>vxctl</name>
    <message>
        <source>cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>answered; it cannot be read back</source>
        <translation>已应答；无法读回</translation>
    </message>
    <message>
        <source>no answer; it cannot be read back</source>
        <translation>无应答；无法读回</translation>
    </message>
    <message>
        <source>the read back was refused, result %1</source>
        <translation>读回被拒绝，结果 %1</translation>
    </message>
    <message>
        <source>the read back came without a value</source>
        <translation>读回的应答没有值</translation>
    </message>
    <message>
        <source>no answer when read back</source>
        <translation>读回时无应答</translation>
    </message>
    <message>
        <source>%1 (result %2)</source>
        <translation>%1（结果 %2）</translation>
    </message>
    <message>
        <source>%1 (the machine holds %2)</source>
        <translation>%1（机器保存的是 %2）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 设置</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>用户设置</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1: not read from the machine</source>
        <translation>%1：未从机器读取</translation>
    </message>
    <message>
        <source>%1: no such setting on these pages</source>
        <translation>%1：这些页面上没有此设置</translation>
    </message>
    <message>
        <source>%1 takes %2; got “%3”</source>
        <translation>%1 接受 %2；输入的是“%3”</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>（未读取）</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>Writing: %1</source>
        <translation>正在写入：%1</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>已写入：%1。</translation>
    </message>
    <message>
        <source>Refused by the machine: %1.</source>
        <translation>被机器拒绝：%1。</translation>
    </message>
    <message>
        <source>Not kept by the machine: %1.</source>
        <translation>机器未保存：%1。</translation>
    </message>
    <message>
        <source>Sent, but unknown whether the machine holds it: %1.</source>
        <translation>已发送，但机器是否保存未知：%1。</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>未发送：%1。</translation>
    </message>
    <message>
        <source>Nothing was changed; nothing was sent.</source>
        <translation>没有更改；未发送任何内容。</translation>
    </message>
    <message>
        <source>“%1” is not taken: this field takes %2. Apply does not send it.</source>
        <translation>“%1”不被接受：此栏接受 %2。“应用”不会发送它。</translation>
    </message>
    <message>
        <source>the plugin has no link %1 (it has %2)</source>
        <translation>插件没有链接 %1（它有 %2）</translation>
    </message>
    <message>
        <source>the plugin handed out no device instance</source>
        <translation>插件未提供设备实例</translation>
    </message>
    <message>
        <source>the device did not start connecting</source>
        <translation>设备未开始连接</translation>
    </message>
    <message>
        <source>no connection to %1 within %2 s</source>
        <translation>%2 秒内未能连接到 %1</translation>
    </message>
    <message>
        <source>cannot connect to %1 (%2)</source>
        <translation>无法连接到 %1（%2）</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark dropped</source>
        <translation>已删除 UTF-8 字节顺序标记</translation>
    </message>
    <message>
        <source>1 command closed</source>
        <translation>已闭合 1 条命令</translation>
    </message>
    <message>
        <source>%1 commands closed</source>
        <translation>已闭合 %1 条命令</translation>
    </message>
    <message>
        <source>1 empty command dropped</source>
        <translation>已删除 1 条空命令</translation>
    </message>
    <message>
        <source>%1 empty commands dropped</source>
        <translation>已删除 %1 条空命令</translation>
    </message>
    <message>
        <source>1 page advance written &quot;PG;&quot;</source>
        <translation>1 处换页已写为 &quot;PG;&quot;</translation>
    </message>
    <message>
        <source>%1 page advances written &quot;PG;&quot;</source>
        <translation>%1 处换页已写为 &quot;PG;&quot;</translation>
    </message>
    <message>
        <source>trailing form feed dropped</source>
        <translation>已删除末尾的换页符</translation>
    </message>
    <message>
        <source>trailing ESC dropped</source>
        <translation>已删除末尾的 ESC</translation>
    </message>
    <message>
        <source>trailing Ctrl-Z dropped</source>
        <translation>已删除末尾的 Ctrl-Z</translation>
    </message>
    <message>
        <source>byte 0x%1 at offset %2: binary data</source>
        <translation>偏移 %2 处的字节 0x%1：二进制数据</translation>
    </message>
    <message>
        <source>byte 0x%1 at offset %2: invalid UTF-8</source>
        <translation>偏移 %2 处的字节 0x%1：无效的 UTF-8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 has parameters that are no numbers</source>
        <translation>偏移 %2 处的 &quot;%1&quot; 含有不是数字的参数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 is no plotter command</source>
        <translation>偏移 %2 处的 &quot;%1&quot; 不是绘图仪命令</translation>
    </message>
    <message>
        <source>the label at offset %1 has no end: it ends at ETX, which no job can hold (ETX ends a frame); set a printable terminator with DT first (DT@;)</source>
        <translation>偏移 %1 处的标签没有结尾：它以 ETX 结束，而任何任务都不能包含 ETX（ETX 会结束一帧）；请先用 DT 设置可打印的终止符（DT@;）</translation>
    </message>
    <message>
        <source>the label at offset %1 has no end: no &quot;%2&quot; (set by DT) follows it</source>
        <translation>偏移 %1 处的标签没有结尾：其后没有 &quot;%2&quot;（由 DT 设置）</translation>
    </message>
    <message>
        <source>cannot read the journal %1: %2</source>
        <translation>无法读取日志 %1：%2</translation>
    </message>
    <message>
        <source>no journal of an unfinished job for %1 on %2</source>
        <translation>没有 %1 在 %2 上未完成任务的日志</translation>
    </message>
    <message>
        <source>no file or machine named</source>
        <translation>未指定文件或机器</translation>
    </message>
    <message>
        <source>the journal %1 is corrupt (%2): nothing is resumed from it</source>
        <translation>日志 %1 已损坏（%2）：不会据此继续任何内容</translation>
    </message>
    <message>
        <source>the journal %1 is of another file, %2, not %3</source>
        <translation>日志 %1 属于另一个文件 %2，而不是 %3</translation>
    </message>
    <message>
        <source>the journal %1 is of the job on %2, not on %3</source>
        <translation>日志 %1 属于 %2 上的任务，而不是 %3 上的</translation>
    </message>
    <message>
        <source>%1 changed since the job was interrupted (%2)</source>
        <translation>%1 在任务中断后已被更改（%2）</translation>
    </message>
    <message>
        <source>the journal %1 does not fit %2 (%3 pages): it says page %4 of %5, %6 copies left</source>
        <translation>日志 %1 与 %2（%3 页）不符：其中记录为第 %4 / %5 页，剩余 %6 份</translation>
    </message>
    <message>
        <source>the machine is in use by another vxctl (it has not said which yet)</source>
        <translation>机器正被另一个 vxctl 使用（尚未说明是哪一个）</translation>
    </message>
    <message>
        <source>the machine is in use by vxctl (pid %1, %2)</source>
        <translation>机器正被 vxctl 使用（pid %1，%2）</translation>
    </message>
    <message>
        <source>cannot make the job lock %1: %2</source>
        <translation>无法创建任务锁 %1：%2</translation>
    </message>
    <message>
        <source>cannot take the job lock %1: %2</source>
        <translation>无法获取任务锁 %1：%2</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 份</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <translation>%1 份</translation>
    </message>
    <message>
        <source>the machine stopped answering (nothing heard for %1 s)</source>
        <translation>机器停止应答（%1 秒内未收到任何信息）</translation>
    </message>
    <message>
        <source>%1 has a page of %2 bytes; the plugin frames pages up to %3 bytes</source>
        <translation>%1 有一页为 %2 字节；插件可成帧的页最多 %3 字节</translation>
    </message>
    <message>
        <source>%1 has a page of %2 bytes; the controller takes pages up to %3 bytes (--max-page)</source>
        <translation>%1 有一页为 %2 字节；控制器接受的页最多 %3 字节（--max-page）</translation>
    </message>
    <message>
        <source>the machine did not confirm the stop: it may still be cutting page %1 of %2</source>
        <translation>机器未确认停止：可能仍在切割第 %1 / %2 页</translation>
    </message>
    <message>
        <source>%1 of %2 copies done; %3</source>
        <translation>已完成 %1 / %2 份；%3</translation>
    </message>
    <message>
        <source>link lost after %1 of %2 copies (page %3 of %4): whether the machine stopped is unknown</source>
        <translation>在 %1 / %2 份之后（第 %3 / %4 页）连接断开：机器是否已停止未知</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 copies (page %3 of %4)</source>
        <translation>在 %1 / %2 份之后（第 %3 / %4 页）已停止</translation>
    </message>
    <message>
        <source>copy %1 of %2, begun at page %3</source>
        <translation>第 %1 / %2 份（从第 %3 页开始）</translation>
    </message>
    <message>
        <source>copy %1 of %2</source>
        <translation>第 %1 / %2 份</translation>
    </message>
    <message>
        <source>%1: no page of it is confirmed cut</source>
        <translation>%1：没有已确认切割的页</translation>
    </message>
    <message>
        <source>%1: page %2 is confirmed cut</source>
        <translation>%1：第 %2 页已确认切割</translation>
    </message>
    <message>
        <source>%1: pages %2 to %3 are confirmed cut</source>
        <translation>%1：第 %2 至 %3 页已确认切割</translation>
    </message>
    <message>
        <source>page %1 was in flight: whether it was cut is unknown</source>
        <translation>第 %1 页已发送（未确认）：是否已切割未知</translation>
    </message>
    <message>
        <source>nothing is left to cut unless page %1 was not cut: %2 --resume --redo-page cuts it</source>
        <translation>除非第 %1 页未被切割，否则已无剩余可切割内容：%2 --resume --redo-page 会切割该页</translation>
    </message>
    <message>
        <source>copy %1 of %2 whole</source>
        <translation>第 %1 / %2 份整份</translation>
    </message>
    <message>
        <source>copies %1 to %2 of %2 whole</source>
        <translation>第 %1 至 %2 / %2 份整份</translation>
    </message>
    <message>
        <source>page %1 of copy %2 of %3</source>
        <translation>第 %2 / %3 份的第 %1 页</translation>
    </message>
    <message>
        <source>pages %1 to %2 of copy %3 of %4</source>
        <translation>第 %3 / %4 份的第 %1 至 %2 页</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>，然后 %1</translation>
    </message>
    <message>
        <source>once the machine has stopped, resume cuts %1: %2</source>
        <translation>机器停止后，继续将切割 %1：%2</translation>
    </message>
    <message>
        <source>resume cuts %1: %2</source>
        <translation>继续将切割 %1：%2</translation>
    </message>
    <message>
        <source>  (or: %1 --resume; add --redo-page to cut page %2 again first)</source>
        <translation>  （或：%1 --resume；加 --redo-page 可先重新切割第 %2 页）</translation>
    </message>
    <message>
        <source>no cut file for it in %1</source>
        <translation>%1 中没有它的切割文件</translation>
    </message>
    <message>
        <source>%1 has a page larger than the controller takes</source>
        <translation>%1 有一页超出控制器可接受的大小</translation>
    </message>
    <message>
        <source>nothing heard from the machine for %1 s: stopping...</source>
        <translation>%1 秒内未收到机器的任何信息：正在停止...</translation>
    </message>
    <message>
        <source>stopping...</source>
        <translation>正在停止...</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>无法写入记录文件 %1：%2</translation>
    </message>
    <message>
        <source>
not sent: the white space after page %1 (as a page it would feed a blank sheet)</source>
        <translation>
未发送：第 %1 页之后的空白（作为一页会送出一张空白纸）</translation>
    </message>
    <message>
        <source>
changed to what the machine takes: %1</source>
        <translation>
已改为机器接受的形式：%1</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>偏移 %2 处的 %1</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>另有 %1 个</translation>
    </message>
    <message>
        <source>
sent as they are but not measured (the figures leave them out): %1</source>
        <translation>
原样发送但未测量（数据中未计入）：%1</translation>
    </message>
    <message>
        <source>
a polygon too large to follow: the path and the time are more than shown</source>
        <translation>
多边形过大无法跟踪：路径和时间多于所示</translation>
    </message>
    <message>
        <source>%1 is too large: the plugin takes jobs up to 1 GiB</source>
        <translation>%1 过大：插件接受的任务最多 1 GiB</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 holds no plotter commands</source>
        <translation>%1 不含绘图仪命令</translation>
    </message>
    <message>
        <source>%1 is not plotter text: %2</source>
        <translation>%1 不是绘图仪文本：%2</translation>
    </message>
    <message>
        <source>%1: page %2 holds nothing but white space: it would feed a blank sheet</source>
        <translation>%1：第 %2 页只有空白：会送出一张空白纸</translation>
    </message>
    <message>
        <source>plugin not found: %1</source>
        <translation>未找到插件：%1</translation>
    </message>
    <message>
        <source>cannot load plugin %1: %2</source>
        <translation>无法加载插件 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a device plugin</source>
        <translation>%1 不是设备插件</translation>
    </message>
    <message>
        <source>--qr takes a directory; %1 is none</source>
        <translation>--qr 需要一个目录；%1 不是目录</translation>
    </message>
    <message>
        <source>%1:%2: expected code=file</source>
        <translation>%1:%2：应为 code=file</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>字符设备</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>块设备</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>普通文件</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 是%2，不是普通文件</translation>
    </message>
    <message>
        <source>cannot use %1 as the USB controller: %2</source>
        <translation>无法将 %1 用作 USB 控制器：%2</translation>
    </message>
    <message>
        <source>%1 is %2, not a character device: the USB controller is a serial port such as /dev/ttyACM0</source>
        <translation>%1 是%2，不是字符设备：USB 控制器是 /dev/ttyACM0 这样的串口</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>%1 takes %2 values separated by commas (%3); got %4</source>
        <translation>%1 需要 %2 个以逗号分隔的值（%3）；得到的是 %4</translation>
    </message>
    <message>
        <source>%1 takes text without &apos;;&apos; or control characters; got %2</source>
        <translation>%1 需要不含 &apos;;&apos; 或控制字符的文本；得到的是 %2</translation>
    </message>
    <message>
        <source>%1 takes %2; got %3</source>
        <translation>%1 需要%2；得到的是 %3</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <translation>第 %2 行：%1</translation>
    </message>
    <message>
        <source>%1 is SVG: name it *.svg so that vxctl starts with what draws it</source>
        <translation>%1 是 SVG：请将其命名为 *.svg，以便 vxctl 用绘制它的方式读取</translation>
    </message>
    <message>
        <source>%1 is not SVG that Qt&apos;s SVG module reads: %2</source>
        <translation>%1 不是 Qt 的 SVG 模块能读取的 SVG：%2</translation>
    </message>
    <message>
        <source>no drawing found</source>
        <translation>未找到图形</translation>
    </message>
    <message>
        <source>%1 (%2, not understood)</source>
        <translation>%1（%2，无法理解）</translation>
    </message>
    <message>
        <source>%1 has no size: give its svg element width and height or a viewBox</source>
        <translation>%1 没有尺寸：请为其 svg 元素指定 width 和 height 或 viewBox</translation>
    </message>
    <message>
        <source>%1 is too large: as plotter text it is more than the plugin&apos;s 1 GiB</source>
        <translation>%1 过大：转为绘图仪文本后超过插件的 1 GiB</translation>
    </message>
    <message>
        <source>%1 outline(s) of %2 taken as cut lines (%3 x %4 mm); fills, strokes and colours ignored</source>
        <translation>已将 %2 的 %1 条轮廓作为切割线（%3 x %4 mm）；填充、描边和颜色均被忽略</translation>
    </message>
    <message>
        <source>; %1 pictures not cut</source>
        <translation>；%1 张图片不切割</translation>
    </message>
    <message>
        <source>; not cut: %1 top-level group(s) without an id (give each an id, or --pages-by none)</source>
        <translation>；不切割：%1 个没有 id 的顶层组（为每个组指定 id，或用 --pages-by none）</translation>
    </message>
    <message>
        <source>; nothing to cut in: %1</source>
        <translation>；其中没有可切割的内容：%1</translation>
    </message>
    <message>
        <source>; not cut: %1 element(s) outside any top-level group (--pages-by none cuts them)</source>
        <translation>；不切割：%1 个不在任何顶层组中的元素（--pages-by none 会切割它们）</translation>
    </message>
    <message>
        <source>; Qt&apos;s SVG module could not read: %1</source>
        <translation>；Qt 的 SVG 模块无法读取：%1</translation>
    </message>
    <message>
        <source>cannot start the simulator %1: %2</source>
        <translation>无法启动模拟器 %1：%2</translation>
    </message>
    <message>
        <source>the simulator did not start listening</source>
        <translation>模拟器未开始监听</translation>
    </message>
    <message>
        <source>unexpected simulator output: %1</source>
        <translation>模拟器的意外输出：%1</translation>
    </message>
    <message>
        <source>%1:%2: only &quot;target = tcp:HOST[:PORT] | usb:PATH | link:KIND:ADDRESS | sim&quot; is known</source>
        <translation>%1:%2：只认识 &quot;target = tcp:HOST[:PORT] | usb:PATH | link:KIND:ADDRESS | sim&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not tcp:HOST[:PORT], usb:PATH, link:KIND:ADDRESS or sim</source>
        <translation>%1：&quot;%2&quot; 不是 tcp:HOST[:PORT]、usb:PATH、link:KIND:ADDRESS 或 sim</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>job control %1</source>
        <translation>任务控制 %1</translation>
    </message>
    <message>
        <source>one more copy</source>
        <translation>再来一份</translation>
    </message>
    <message>
        <source>job text</source>
        <translation>任务文本</translation>
    </message>
    <message>
        <source>status request</source>
        <translation>状态查询</translation>
    </message>
    <message>
        <source>write %1</source>
        <translation>写入 %1</translation>
    </message>
    <message>
        <source>read %1</source>
        <translation>读取 %1</translation>
    </message>
    <message>
        <source>malformed: dropped by the plugin</source>
        <translation>格式错误：被插件丢弃</translation>
    </message>
    <message>
        <source>job record: a repeat, ignored</source>
        <translation>任务记录：重复，已忽略</translation>
    </message>
    <message>
        <source>job record: status %1, %2 of %3 copies, %4%</source>
        <translation>任务记录：状态 %1，%2 / %3 份，%4%</translation>
    </message>
    <message>
        <source>QR code %1 to the host</source>
        <translation>二维码 %1 发往主机</translation>
    </message>
    <message>
        <source>refused (result %1): no property changes</source>
        <translation>被拒绝（结果 %1）：属性未改变</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>no property takes it</source>
        <translation>没有接受它的属性</translation>
    </message>
    <message>
        <source>lines left out here: the recording fell behind</source>
        <translation>此处缺少若干行：记录未能跟上</translation>
    </message>
    <message>
        <source>closed by the host</source>
        <translation>已被主机关闭</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>链接 %1</translation>
    </message>
    <message>
        <source>message &quot;%1&quot;</source>
        <translation>消息 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>trace of %1</source>
        <translation>%1 的跟踪</translation>
    </message>
    <message>
        <source>an unnamed target</source>
        <translation>未命名的目标</translation>
    </message>
    <message>
        <source>by %1 %2</source>
        <translation>由 %1 %2 记录</translation>
    </message>
    <message>
        <source>plugin built %1</source>
        <translation>插件构建于 %1</translation>
    </message>
    <message>
        <source>started %1</source>
        <translation>开始于 %1</translation>
    </message>
    <message>
        <source>time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>帧</translation>
    </message>
    <message>
        <source>code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>items</source>
        <translation>项</translation>
    </message>
    <message>
        <source>what the plugin made of it</source>
        <translation>插件的理解</translation>
    </message>
</context>
<context>
    <name>vxhost</name>
    <message>
        <source>1 page</source>
        <translation>1 页</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 页</translation>
    </message>
    <message>
        <source>the first %1 drawn</source>
        <translation>绘制了前 %1 页</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>size: nothing is cut</source>
        <translation>尺寸：没有要切割的内容</translation>
    </message>
    <message>
        <source>size: %1 x %2 mm</source>
        <translation>尺寸：%1 x %2 mm</translation>
    </message>
    <message>
        <source>area: %1 x %2 mm</source>
        <translation>工作区域：%1 x %2 mm</translation>
    </message>
    <message>
        <source>area: unknown</source>
        <translation>工作区域：未知</translation>
    </message>
    <message>
        <source>      (%1)</source>
        <translation>      (%1)</translation>
    </message>
    <message>
        <source>path: %1 mm cut</source>
        <translation>路径：切割 %1 mm</translation>
    </message>
    <message>
        <source>      %1 mm with the pen up</source>
        <translation>      抬笔 %1 mm</translation>
    </message>
    <message>
        <source>time: %1 per copy</source>
        <translation>时间：每份 %1</translation>
    </message>
    <message>
        <source>time: unknown (no speed)</source>
        <translation>时间：未知（无速度）</translation>
    </message>
    <message>
        <source>      at %1 mm/s</source>
        <translation>      以 %1 mm/s</translation>
    </message>
    <message>
        <source>solid: pen down, dashed: pen up</source>
        <translation>实线：落笔，虚线：抬笔</translation>
    </message>
    <message>
        <source>ring: where the page starts</source>
        <translation>圆圈：页的起点</translation>
    </message>
    <message>
        <source>cannot write the picture %1: %2</source>
        <translation>无法写入图片 %1：%2</translation>
    </message>
    <message>
        <source>unknown (%1): the design is not checked against it</source>
        <translation>未知（%1）：设计未与之核对</translation>
    </message>
    <message>
        <source>%1 x %2 mm (%3)</source>
        <translation>%1 x %2 mm（%3）</translation>
    </message>
    <message>
        <source>the machine did not tell its working area</source>
        <translation>机器未告知其工作区域</translation>
    </message>
    <message>
        <source>the machine has no working-area settings</source>
        <translation>机器没有工作区域设置</translation>
    </message>
    <message>
        <source>the machine&apos;s settings</source>
        <translation>机器的设置</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>--area</source>
        <translation>--area</translation>
    </message>
    <message>
        <source>%1, no --area</source>
        <translation>%1，无 --area</translation>
    </message>
    <message>
        <source>%1 does not fit the working area: the design reaches from %2,%3 to %4,%5 mm (%6 x %7 mm), the working area is 0,0 to %8,%9 mm (%10)</source>
        <translation>%1 超出工作区域：设计范围从 %2,%3 到 %4,%5 mm（%6 x %7 mm），工作区域为 0,0 到 %8,%9 mm（%10）</translation>
    </message>
</context>
<context>
    <name>vxstudio</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>机器</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>份数</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>跟踪记录</translation>
    </message>
    <message>
        <source>Open trace</source>
        <translation>打开跟踪记录</translation>
    </message>
    <message>
        <source>Job history</source>
        <translation>任务历史</translation>
    </message>
    <message>
        <source>part of the file&apos;s name</source>
        <translation>文件名的一部分</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>The newest %1 jobs are shown; narrow the days to see older ones.</source>
        <translation>显示最新的 %1 个任务；缩小日期范围可查看更早的任务。</translation>
    </message>
    <message numerus="yes">
        <source>%n job(s).</source>
        <translation>
            <numerusform>%n 个任务。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) exported to %1.</source>
        <translation>
            <numerusform>已将 %n 个任务导出到 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the shown jobs</source>
        <translation>导出显示的任务</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (Debian package libqt5sql5-sqlite)</source>
        <translation>未安装 Qt 的 SQLite 驱动（Debian 软件包 libqt5sql5-sqlite）</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
    </message>
    <message>
        <source>cannot open the job history %1: %2</source>
        <translation>无法打开任务历史 %1：%2</translation>
    </message>
    <message>
        <source>the job history %1 is not used and is left as it is: %2</source>
        <translation>不使用任务历史 %1，保持原样：%2</translation>
    </message>
    <message>
        <source>it is not a database or is damaged (%1)</source>
        <translation>不是数据库或已损坏（%1）</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>已损坏（%1）</translation>
    </message>
    <message>
        <source>it was written by a later version (schema %1; this one reads %2)</source>
        <translation>由更新的版本写入（架构 %1；此版本读取 %2）</translation>
    </message>
    <message>
        <source>it is a database of something else</source>
        <translation>是其他用途的数据库</translation>
    </message>
    <message>
        <source>the job history is not open</source>
        <translation>任务历史未打开</translation>
    </message>
    <message>
        <source>the job was not written to the history: %1</source>
        <translation>任务未写入历史：%1</translation>
    </message>
    <message>
        <source>a job ends with an outcome of its own, not &quot;%1&quot;</source>
        <translation>任务以其自身的结果结束，而不是“%1”</translation>
    </message>
    <message>
        <source>the job&apos;s end was not written to the history: %1</source>
        <translation>任务结束未写入历史：%1</translation>
    </message>
    <message>
        <source>the history holds no running job %1</source>
        <translation>历史中没有正在运行的任务 %1</translation>
    </message>
    <message>
        <source>the job history cannot be read: %1</source>
        <translation>无法读取任务历史：%1</translation>
    </message>
    <message>
        <source>running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>unknown: the console ended during the job</source>
        <translation>未知：任务期间操作台已退出</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation>连接已断开：机器是否已停止未知</translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation>已在机器上停止</translation>
    </message>
    <message>
        <source>stopped by the operator</source>
        <translation>由操作员停止</translation>
    </message>
    <message>
        <source>the machine stopped answering; it confirmed the stop</source>
        <translation>机器停止了应答；机器已确认停止</translation>
    </message>
    <message>
        <source>stop not confirmed: it may still be cutting</source>
        <translation>停止未确认：可能仍在切割</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>id</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>machine</source>
        <translation>机器</translation>
    </message>
    <message>
        <source>copies ordered</source>
        <translation>订购份数</translation>
    </message>
    <message>
        <source>copies finished</source>
        <translation>完成份数</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>started (UTC)</source>
        <translation>开始（UTC）</translation>
    </message>
    <message>
        <source>ended (UTC)</source>
        <translation>结束（UTC）</translation>
    </message>
    <message>
        <source>duration (s)</source>
        <translation>用时（秒）</translation>
    </message>
    <message>
        <source>machine&apos;s record</source>
        <translation>机器记录</translation>
    </message>
    <message>
        <source>trace</source>
        <translation>跟踪记录</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was exported</source>
        <translation>无法写入 %1：%2；未导出任何内容</translation>
    </message>
    <message>
        <source>the presets could not be written to %1</source>
        <translation>预设未能写入 %1</translation>
    </message>
    <message>
        <source>a preset needs a name of 1 to %1 characters</source>
        <translation>预设需要 1 到 %1 个字符的名称</translation>
    </message>
    <message>
        <source>the preset &quot;%1&quot; would hold no settings</source>
        <translation>预设“%1”将不含任何设置</translation>
    </message>
    <message>
        <source>there is no preset &quot;%1&quot;</source>
        <translation>没有预设“%1”</translation>
    </message>
    <message>
        <source>Apply preset</source>
        <translation>应用预设</translation>
    </message>
    <message>
        <source>Save fields as preset…</source>
        <translation>将栏中的值保存为预设…</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>Material preset:</source>
        <translation>材料预设：</translation>
    </message>
    <message>
        <source>Save fields as preset</source>
        <translation>将栏中的值保存为预设</translation>
    </message>
    <message>
        <source>Name of the material preset:</source>
        <translation>材料预设名称：</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>未保存：%1。</translation>
    </message>
    <message>
        <source>Preset “%1” saved with %2 settings.</source>
        <translation>预设“%1”已保存，含 %2 项设置。</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>未包含：%1。</translation>
    </message>
    <message>
        <source>There is no preset “%1”; nothing was sent.</source>
        <translation>没有预设“%1”；未发送任何内容。</translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied:</source>
        <translation>预设“%1”已填入各栏，然后应用：</translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied; not put in: %2.</source>
        <translation>预设“%1”已填入各栏，然后应用；未填入：%2。</translation>
    </message>
    <message>
        <source>Not deleted: %1.</source>
        <translation>未删除：%1。</translation>
    </message>
    <message>
        <source>Preset “%1” deleted.</source>
        <translation>预设“%1”已删除。</translation>
    </message>
    <message>
        <source>Test cut</source>
        <translation>试切</translation>
    </message>
    <message>
        <source>Lower left corner, x:</source>
        <translation>左下角 x：</translation>
    </message>
    <message>
        <source>Lower left corner, y:</source>
        <translation>左下角 y：</translation>
    </message>
    <message>
        <source>Size of the square:</source>
        <translation>方框大小：</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切割</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A square with a cross, inside the working area %1.</source>
        <translation>带十字的方框，位于工作区域 %1 之内。</translation>
    </message>
    <message>
        <source>A square with a cross. The working area is unknown: check the place before cutting.</source>
        <translation>带十字的方框。工作区域未知：切割前请检查位置。</translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation>跟踪记录 %1</translation>
    </message>
    <message>
        <source>Only the first %1 rows are shown; see the rest with vxctl trace show.</source>
        <translation>仅显示前 %1 行；其余请用 vxctl trace show 查看。</translation>
    </message>
    <message>
        <source>The trace breaks off: %1</source>
        <translation>跟踪记录中断：%1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
</TS>
