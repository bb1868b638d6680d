<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>VXCommonInterface</name>
    <message>
        <source>状态</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>电机状态</source>
        <translation>モーター状態</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>工作文件</source>
        <translation>作業ファイル</translation>
    </message>
    <message>
        <source>获取二维码</source>
        <translation>QRコード取得</translation>
    </message>
    <message>
        <source>二维码文件</source>
        <translation>QRコードファイル</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>部数</translation>
    </message>
    <message>
        <source>份</source>
        <translation>部</translation>
    </message>
    <message>
        <source>pplt</source>
        <translation>ページデータ</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>任务模式</source>
        <translation>ジョブモード</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>接続方式</translation>
    </message>
    <message>
        <source>数据上传</source>
        <translation>クラウドデータ</translation>
    </message>
    <message>
        <source>切割质量</source>
        <translation>カット品質</translation>
    </message>
    <message>
        <source>   速度优先</source>
        <translation>   速度優先</translation>
    </message>
    <message>
        <source>   平衡</source>
        <translation>   バランス</translation>
    </message>
    <message>
        <source>   精度优先</source>
        <translation>   精度優先</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>机器编号</source>
        <translation>機械番号</translation>
    </message>
    <message>
        <source>PCB编号</source>
        <translation>基板番号</translation>
    </message>
    <message>
        <source>PCB版本</source>
        <translation>基板バージョン</translation>
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
        <translation>カメラオフセット</translation>
    </message>
    <message>
        <source>幅宽</source>
        <translation>作業範囲</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>スケール</translation>
    </message>
    <message>
        <source>plt</source>
        <translation>ジョブデータ</translation>
    </message>
    <message>
        <source>QR PLT</source>
        <translation>QRジョブデータ</translation>
    </message>
    <message>
        <source>设原点</source>
        <translation>原点設定</translation>
    </message>
    <message>
        <source>回原点</source>
        <translation>原点復帰</translation>
    </message>
    <message>
        <source>心跳</source>
        <translation>ハートビート</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>PU 速度</source>
        <translation>PU速度</translation>
    </message>
    <message>
        <source>配置号</source>
        <translation>構成番号</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>固有ID</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>型式</translation>
    </message>
    <message>
        <source>机器信息</source>
        <translation>機械情報</translation>
    </message>
    <message>
        <source>出厂设置</source>
        <translation>工場出荷時設定</translation>
    </message>
    <message>
        <source>自动送料</source>
        <translation>自動送り</translation>
    </message>
    <message>
        <source>   关</source>
        <translation>   オフ</translation>
    </message>
    <message>
        <source>   开</source>
        <translation>   オン</translation>
    </message>
    <message>
        <source>送料模式</source>
        <translation>送りモード</translation>
    </message>
    <message>
        <source>   同步送料</source>
        <translation>   同期送り</translation>
    </message>
    <message>
        <source>   异步送料</source>
        <translation>   非同期送り</translation>
    </message>
    <message>
        <source>送料距离</source>
        <translation>送り距離</translation>
    </message>
    <message>
        <source>横梁中心距离</source>
        <translation>ビーム中心距離</translation>
    </message>
    <message>
        <source>气泵延时</source>
        <translation>エアポンプ遅延</translation>
    </message>
    <message>
        <source>送料速度</source>
        <translation>送り速度</translation>
    </message>
    <message>
        <source>送料</source>
        <translation>送り</translation>
    </message>
    <message>
        <source>工具偏移</source>
        <translation>ツールオフセット</translation>
    </message>
    <message>
        <source>工具类型</source>
        <translation>ツール種類</translation>
    </message>
    <message>
        <source>  拖刀</source>
        <translation>  ドラッグナイフ</translation>
    </message>
    <message>
        <source>  转刀</source>
        <translation>  ロータリーナイフ</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>压力</source>
        <translation>圧力</translation>
    </message>
    <message>
        <source>转刀校准</source>
        <translation>ロータリーナイフ校正</translation>
    </message>
    <message>
        <source>SP1</source>
        <translation>SP1</translation>
    </message>
    <message>
        <source>拖刀</source>
        <translation>ドラッグナイフ</translation>
    </message>
    <message>
        <source>转刀</source>
        <translation>ロータリーナイフ</translation>
    </message>
    <message>
        <source>SP2</source>
        <translation>SP2</translation>
    </message>
    <message>
        <source>X 移动</source>
        <translation>X移動</translation>
    </message>
    <message>
        <source>Y 移动</source>
        <translation>Y移動</translation>
    </message>
    <message>
        <source>当前任务</source>
        <translation>現在のジョブ</translation>
    </message>
</context>
<context>
    <name>VXDeviceInterface</name>
    <message>
        <source>USB 地址</source>
        <translation>USBパス</translation>
    </message>
    <message>
        <source>IP 地址</source>
        <translation>IPアドレス</translation>
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
        <translation>スケール</translation>
    </message>
    <message>
        <source>当前任务</source>
        <translation>現在のジョブ</translation>
    </message>
    <message>
        <source>摄像头偏移</source>
        <translation>カメラオフセット</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>压力</source>
        <translation>圧力</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>型式</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>LT3050传送带平板机</source>
        <translation>LT3050 コンベア式フラットベッドカッター</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>重复上次</source>
        <translation>前回を繰り返す</translation>
    </message>
    <message>
        <source>设置WIFI</source>
        <translation>Wi-Fi設定</translation>
    </message>
</context>
<context>
    <name>vxctl</name>
    <message>
        <source>%1 settings</source>
        <translation>%1 設定</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>ユーザー設定</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>システム設定</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>answered; it cannot be read back</source>
        <translation>応答あり。読み返しはできません</translation>
    </message>
    <message>
        <source>no answer; it cannot be read back</source>
        <translation>応答なし。読み返しはできません</translation>
    </message>
    <message>
        <source>the read back was refused, result %1</source>
        <translation>読み返しが拒否されました（結果 %1）</translation>
    </message>
    <message>
        <source>the read back came without a value</source>
        <translation>読み返しの応答に値がありません</translation>
    </message>
    <message>
        <source>no answer when read back</source>
        <translation>読み返しに応答がありません</translation>
    </message>
    <message>
        <source>%1 (result %2)</source>
        <translation>%1（結果 %2）</translation>
    </message>
    <message>
        <source>%1 (the machine holds %2)</source>
        <translation>%1（機械の値は %2）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 takes %2; got “%3”</source>
        <translation>%1 は %2 です。入力値「%3」</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>Writing: %1</source>
        <translation>書き込み中: %1</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>書き込み済み: %1。</translation>
    </message>
    <message>
        <source>Refused by the machine: %1.</source>
        <translation>機械が拒否: %1。</translation>
    </message>
    <message>
        <source>Not kept by the machine: %1.</source>
        <translation>機械に保持されず: %1。</translation>
    </message>
    <message>
        <source>Sent, but unknown whether the machine holds it: %1.</source>
        <translation>送信済み、機械が保持しているかは不明: %1。</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>未送信: %1。</translation>
    </message>
    <message>
        <source>Nothing was changed; nothing was sent.</source>
        <translation>変更はありません。何も送信していません。</translation>
    </message>
    <message>
        <source>“%1” is not taken: this field takes %2. Apply does not send it.</source>
        <translation>「%1」は受け付けられません。この欄は %2 です。適用しても送信しません。</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>（未取得）</translation>
    </message>
</context>
<context>
    <name>JobFigures</name>
    <message>
        <source>Design:</source>
        <translation>デザイン:</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>ページ:</translation>
    </message>
    <message>
        <source>Done:</source>
        <translation>完了:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>経過時間:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Expected finish:</source>
        <translation>終了予定:</translation>
    </message>
    <message>
        <source>none open</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n page(s)</source>
        <translation type="unfinished">
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
        <translation>不明</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>一時停止中</translation>
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
        <translation>シミュレーター</translation>
    </message>
</context>
<context>
    <name>MachineDialog</name>
    <message>
        <source>Machine</source>
        <translation>機械</translation>
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
        <translation>&amp;USBデバイス</translation>
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
        <translation>時刻</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QRコード</translation>
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
        <translation>ログ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Queue</source>
        <translation>キュー(&amp;Q)</translation>
    </message>
    <message>
        <source>QR &amp;codes</source>
        <translation>QRコード(&amp;C)</translation>
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
        <translation>キューが止まりました</translation>
    </message>
    <message>
        <source>Queue done</source>
        <translation>キュー完了</translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) finished</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the plugin did not load: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>再開(&amp;U)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Resume the &amp;rest</source>
        <translation>残りを再開(&amp;R)</translation>
    </message>
    <message>
        <source>Resume and re&amp;do the page in flight</source>
        <translation>途中のページからやり直して再開(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;QR-code job...</source>
        <translation>QRコードジョブ(&amp;Q)...</translation>
    </message>
    <message>
        <source>&amp;Add to the queue...</source>
        <translation>キューに追加(&amp;A)...</translation>
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
        <translation>キューを実行(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>接続を解除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Machine...</source>
        <translation>機械を選択(&amp;M)...</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the sheet</source>
        <translation>シート全体を表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Desktop notifications</source>
        <translation>デスクトップ通知(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>設定(&amp;E)...</translation>
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
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>ジョブ(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>機械(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>opened %1: %n page(s)</source>
        <translation type="unfinished">
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
        <translation>未接続</translation>
    </message>
    <message>
        <source>starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused (the machine confirmed it)</source>
        <translation>一時停止中（機械が確認）</translation>
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
        <translation>ジョブなし</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>stopped (the machine confirmed it)</source>
        <translation>停止しました（機械が確認）</translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation>機械側で停止されました</translation>
    </message>
    <message>
        <source>the machine went silent; it confirmed the stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop not confirmed: the machine may still be cutting</source>
        <translation>停止は確認されていません: 機械はまだカット中かもしれません</translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation>接続が切れました: 機械が停止したかどうかは不明です</translation>
    </message>
    <message>
        <source>Job finished</source>
        <translation>ジョブ完了</translation>
    </message>
    <message>
        <source>Stopped on the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>接続が切れました</translation>
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
        <translation>練習用の故障(&amp;F)</translation>
    </message>
    <message>
        <source>Simulator: a dropped link is a reset.</source>
        <translation>シミュレーター: 接続の切断をリセットにする</translation>
    </message>
    <message>
        <source>Simulator: say nothing more after n pages.</source>
        <translation>シミュレーター: n ページ後に応答を止める</translation>
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
        <translation>故障なし</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>QR-code job</source>
        <translation>QRコードジョブ</translation>
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
        <translation>参照(&amp;B)...</translation>
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
        <translation>部数:</translation>
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
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>削除(&amp;M)</translation>
    </message>
    <message>
        <source>Run &amp;queue</source>
        <translation>キューを実行(&amp;Q)</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数:</translation>
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) exported to %1.</source>
        <translation type="unfinished">
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
