<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <translation>開いていません</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n page(s)</source>
        <translation>
            <numerusform>%1、%n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 confirmed cut</source>
        <translation>%1 / %2 カット確認済み</translation>
    </message>
    <message>
        <source>all %1 confirmed cut</source>
        <translation>全 %1 カット確認済み</translation>
    </message>
    <message>
        <source>%1 of %2 in flight</source>
        <translation>%1 / %2 送出済み（未確認）</translation>
    </message>
    <message>
        <source>%1 of %2: in flight at the end, cut unknown</source>
        <translation>%1 / %2: 終了時に送出済み、カットされたかは不明</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>none being cut: waiting for a QR code</source>
        <translation>カット中のものなし: QRコード待ち</translation>
    </message>
    <message>
        <source>none being cut</source>
        <translation>カット中のものなし</translation>
    </message>
</context>
<context>
    <name>JobRecorder</name>
    <message>
        <source>the job history cannot be written: %1</source>
        <translation>ジョブ履歴に書き込めません: %1</translation>
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
        <translation>シミュレーター(&amp;S)（練習用。故障は「機械」メニュー）</translation>
    </message>
    <message>
        <source>&amp;TCP address (HOST or HOST:PORT)</source>
        <translation>TCPアドレス(&amp;T)（HOST または HOST:PORT）</translation>
    </message>
    <message>
        <source>&amp;USB device</source>
        <translation>USBデバイス(&amp;U)</translation>
    </message>
    <message>
        <source>no serial devices found</source>
        <translation>シリアルデバイスが見つかりません</translation>
    </message>
    <message>
        <source>%1 is no TCP address (HOST or HOST:PORT)</source>
        <translation>%1 はTCPアドレスではありません（HOST または HOST:PORT）</translation>
    </message>
    <message>
        <source>name a USB device</source>
        <translation>USBデバイスを指定してください</translation>
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
        <translation>時刻</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QRコード</translation>
    </message>
    <message>
        <source>File cut</source>
        <translation>カットしたファイル</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>スキップの理由</translation>
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
        <source>no job history this time: %1</source>
        <translation>今回はジョブ履歴なし: %1</translation>
    </message>
    <message>
        <source>vxstudio - %1</source>
        <translation>vxstudio - %1</translation>
    </message>
    <message>
        <source>job %1: %2, the first from page %3, on %4</source>
        <translation>ジョブ %1: %2、1部目はページ %3 から、%4 で</translation>
    </message>
    <message>
        <source>job %1: %2 on %3</source>
        <translation>ジョブ %1: %2、%3 で</translation>
    </message>
    <message>
        <source>paused: the machine confirmed it</source>
        <translation>一時停止: 機械が確認しました</translation>
    </message>
    <message>
        <source>resumed: the machine confirmed it</source>
        <translation>再開: 機械が確認しました</translation>
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
        <translation>
            <numerusform>%n 件のジョブが完了</numerusform>
        </translation>
    </message>
    <message>
        <source>the plugin did not load: %1</source>
        <translation>プラグインを読み込めませんでした: %1</translation>
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
        <translation>キューに追加</translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation>デザイン (*.plt *.hpgl *.svg);;すべてのファイル (*)</translation>
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
        <source>&amp;Test cut...</source>
        <translation>テストカット(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About vxstudio</source>
        <translation>vxstudio について(&amp;A)</translation>
    </message>
    <message>
        <source>About vxstudio</source>
        <translation>vxstudio について</translation>
    </message>
    <message>
        <source>vxstudio %1: the operator&apos;s console of the VX-LT3050PROCam cutter.</source>
        <translation>vxstudio %1: VX-LT3050PROCam カッターのオペレーターコンソール。</translation>
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
        <translation>開けません: %1</translation>
    </message>
    <message numerus="yes">
        <source>opened %1: %n page(s)</source>
        <translation>
            <numerusform>%1 を開きました: %n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>an interrupted job of this design can be resumed from page %1 (%2 left)</source>
        <translation>このデザインの中断したジョブはページ %1 から再開できます（残り %2）</translation>
    </message>
    <message>
        <source>Open a design</source>
        <translation>デザインを開く</translation>
    </message>
    <message>
        <source>the machine chosen (%1) cannot be used: the simulator is used</source>
        <translation>選択した機械（%1）は使えません: シミュレーターを使います</translation>
    </message>
    <message>
        <source>the simulator runs with %1</source>
        <translation>シミュレーターは %1 で動作します</translation>
    </message>
    <message>
        <source>machine: %1</source>
        <translation>機械: %1</translation>
    </message>
    <message>
        <source>the faults apply to the simulator started after this job</source>
        <translation>故障はこのジョブの後に起動するシミュレーターに適用されます</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>starting...</source>
        <translation>開始中...</translation>
    </message>
    <message>
        <source>paused (the machine confirmed it)</source>
        <translation>一時停止中（機械が確認）</translation>
    </message>
    <message>
        <source>cutting: %1 % confirmed by the machine</source>
        <translation>カット中: 機械が確認したのは %1 %</translation>
    </message>
    <message>
        <source>stopping: waiting for the machine to confirm...</source>
        <translation>停止中: 機械の確認を待っています...</translation>
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
        <translation>機械の応答が途絶えました。停止は確認されました</translation>
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
        <source>the test cut cannot be written to %1: %2</source>
        <translation>テストカットを %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>test cut: a %1 mm square with a cross at %2, %3 mm</source>
        <translation>テストカット: 十字入りの %1 mm 角、位置 %2, %3 mm</translation>
    </message>
    <message>
        <source>Job finished</source>
        <translation>ジョブ完了</translation>
    </message>
    <message>
        <source>Stopped on the machine</source>
        <translation>機械側で停止されました</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>接続が切れました</translation>
    </message>
    <message>
        <source>The machine went silent</source>
        <translation>機械の応答が途絶えました</translation>
    </message>
    <message>
        <source>Stop not confirmed</source>
        <translation>停止は確認されていません</translation>
    </message>
    <message>
        <source>QR code %1: %2</source>
        <translation>QRコード %1: %2</translation>
    </message>
    <message>
        <source>QR code %1: %2; skipped</source>
        <translation>QRコード %1: %2。スキップしました</translation>
    </message>
    <message>
        <source>Unknown QR code</source>
        <translation>不明なQRコード</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>closing once the job has ended: stopping it</source>
        <translation>ジョブの終了後に閉じます: ジョブを停止しています</translation>
    </message>
    <message>
        <source>waiting for the machine to read a QR code: nothing is being cut</source>
        <translation>機械がQRコードを読むのを待っています: 何もカットしていません</translation>
    </message>
    <message>
        <source>the machine stopped answering: it may still be cutting</source>
        <translation>機械が応答しなくなりました: まだカット中かもしれません</translation>
    </message>
    <message>
        <source>The machine stopped answering</source>
        <translation>機械が応答しなくなりました</translation>
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
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Practice faults</source>
        <translation>練習用の故障</translation>
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
        <translation>コード名のカットファイルのフォルダー(&amp;F)</translation>
    </message>
    <message>
        <source>A &amp;map file of code=file lines</source>
        <translation>コード=ファイル の行からなる対応ファイル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>対応ファイル</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Cut files:</source>
        <translation>カットファイル:</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数:</translation>
    </message>
    <message>
        <source>Unusable codes in a row that end the job:</source>
        <translation>ジョブを終了する連続した使用不能コードの数:</translation>
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
        <translation>キューに追加</translation>
    </message>
    <message>
        <source>Designs (*.plt *.hpgl *.svg);;All files (*)</source>
        <translation>デザイン (*.plt *.hpgl *.svg);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source> - cutting</source>
        <translation> - カット中</translation>
    </message>
    <message>
        <source> - finished</source>
        <translation> - 完了</translation>
    </message>
    <message>
        <source> - ended early</source>
        <translation> - 途中で終了</translation>
    </message>
    <message>
        <source>%1 x %2%3</source>
        <translation>%1 x %2%3</translation>
    </message>
    <message>
        <source>running: the files are cut one after another</source>
        <translation>実行中: ファイルを順にカットします</translation>
    </message>
    <message numerus="yes">
        <source>done: %n file(s) finished</source>
        <translation>
            <numerusform>完了: %n 件のファイルが完了</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 は開始されませんでした</translation>
    </message>
    <message>
        <source>queue halted at %1: %2</source>
        <translation>キューは %1 で止まりました: %2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>connecting to %1...</source>
        <translation>%1 に接続中...</translation>
    </message>
    <message>
        <source>the simulator</source>
        <translation>シミュレーター</translation>
    </message>
    <message>
        <source>link lost (%1)</source>
        <translation>接続が切れました（%1）</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>%1 に接続しました</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>a job is running</source>
        <translation>ジョブの実行中です</translation>
    </message>
    <message>
        <source> (path cut short: too many points)</source>
        <translation> (パスを途中で打ち切り: 点が多すぎます)</translation>
    </message>
    <message>
        <source>the plugin is not loaded</source>
        <translation>プラグインが読み込まれていません</translation>
    </message>
    <message>
        <source>open a design first</source>
        <translation>先にデザインを開いてください</translation>
    </message>
    <message>
        <source>nothing left to cut of %1 but page %2, in flight at the interruption: whether it was cut is unknown (Resume and redo page cuts it)</source>
        <translation>%1 でカットが残っているのは中断時に送出済みだったページ %2 だけです: カットされたかは不明です（「途中のページからやり直して再開」でカットします）</translation>
    </message>
    <message>
        <source>nothing left to cut of %1</source>
        <translation>%1 でカットが残っているものはありません</translation>
    </message>
    <message>
        <source>link lost during the job (%1)</source>
        <translation>ジョブ中に接続が切れました（%1）</translation>
    </message>
    <message>
        <source>the job was stopped on the machine</source>
        <translation>ジョブは機械側で停止されました</translation>
    </message>
    <message>
        <source>the machine confirmed the stop</source>
        <translation>機械が停止を確認しました</translation>
    </message>
    <message>
        <source>; it confirmed the stop</source>
        <translation>。停止は確認されました</translation>
    </message>
    <message>
        <source>no answer to the stop</source>
        <translation>停止に応答がありません</translation>
    </message>
    <message>
        <source>link lost: %1</source>
        <translation>接続が切れました: %1</translation>
    </message>
    <message>
        <source>no job started: stopped before anything was sent</source>
        <translation>ジョブは開始されていません: 何も送信する前に停止しました</translation>
    </message>
    <message>
        <source>no job started: %1</source>
        <translation>ジョブは開始されていません: %1</translation>
    </message>
    <message>
        <source>%1 has %2 page(s) now: it was changed since the job was interrupted</source>
        <translation>%1 は現在 %2 ページです: ジョブの中断後に変更されています</translation>
    </message>
    <message>
        <source>cannot write the journal %1: a resume will not know where this job stands</source>
        <translation>ジャーナル %1 に書き込めません: 再開時にこのジョブの進み具合がわかりません</translation>
    </message>
    <message>
        <source>finished: %1 of %1 copies</source>
        <translation>完了: %1 / %1 部</translation>
    </message>
    <message>
        <source>once the machine has stopped, Resume cuts from page %1 (%2 left)</source>
        <translation>機械が停止したら、「再開」でページ %1 からカットします（残り %2）</translation>
    </message>
    <message>
        <source>Resume cuts from page %1 (%2 left)</source>
        <translation>「再開」でページ %1 からカットします（残り %2）</translation>
    </message>
    <message>
        <source>Resume and redo page cuts page %1 again first</source>
        <translation>「途中のページからやり直して再開」はまずページ %1 をもう一度カットします</translation>
    </message>
    <message>
        <source>nothing is left to cut unless page %1 was not cut: Resume and redo page cuts it</source>
        <translation>ページ %1 がカットされていない場合を除き、カットするものは残っていません: 「途中のページからやり直して再開」でカットします</translation>
    </message>
    <message>
        <source>the plugin has no page carrier</source>
        <translation>プラグインにページ送出用のプロパティがありません</translation>
    </message>
    <message>
        <source>ended after %1 QR codes in a row without a usable cut file</source>
        <translation>使えるカットファイルのないQRコードが %1 回続いたため終了しました</translation>
    </message>
    <message>
        <source>no file being cut: waiting for the machine to read a QR code</source>
        <translation>カット中のファイルなし: 機械がQRコードを読むのを待っています</translation>
    </message>
    <message>
        <source>no file being cut</source>
        <translation>カット中のファイルなし</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The operator&apos;s console of the VX-LT3050PROCam cutter: open a design, cut it on the machine
(or the simulator) and follow what the machine confirms. The machine is chosen in the
Machine menu and remembered.</source>
        <translation>VX-LT3050PROCam カッターのオペレーターコンソール: デザインを開き、機械（またはシミュレーター）で
カットし、機械が確認した内容を追います。機械は「機械」メニューで選び、
記憶されます。</translation>
    </message>
    <message>
        <source>The device plugin to load.</source>
        <translation>読み込むデバイスプラグイン。</translation>
    </message>
    <message>
        <source>A design to open (plotter text or SVG).</source>
        <translation>開くデザイン（プロッターテキストまたはSVG）。</translation>
    </message>
</context>
<context>
    <name>vxctl</name>
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
        <source>%1: not read from the machine</source>
        <translation>%1: 機械から読み取られていません</translation>
    </message>
    <message>
        <source>%1: no such setting on these pages</source>
        <translation>%1: このページにその設定はありません</translation>
    </message>
    <message>
        <source>%1 takes %2; got “%3”</source>
        <translation>%1 は %2 です。入力値「%3」</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>（未取得）</translation>
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
        <source>the plugin has no link %1 (it has %2)</source>
        <translation>プラグインにリンク %1 はありません（あるのは %2）</translation>
    </message>
    <message>
        <source>the plugin handed out no device instance</source>
        <translation>プラグインがデバイスのインスタンスを渡しませんでした</translation>
    </message>
    <message>
        <source>the device did not start connecting</source>
        <translation>デバイスが接続を開始しませんでした</translation>
    </message>
    <message>
        <source>no connection to %1 within %2 s</source>
        <translation>%2 秒以内に %1 に接続できませんでした</translation>
    </message>
    <message>
        <source>cannot connect to %1 (%2)</source>
        <translation>%1 に接続できません（%2）</translation>
    </message>
    <message>
        <source>UTF-8 byte-order mark dropped</source>
        <translation>UTF-8 のバイト順マークを削除</translation>
    </message>
    <message>
        <source>1 command closed</source>
        <translation>1 個のコマンドを閉じました</translation>
    </message>
    <message>
        <source>%1 commands closed</source>
        <translation>%1 個のコマンドを閉じました</translation>
    </message>
    <message>
        <source>1 empty command dropped</source>
        <translation>空のコマンド 1 個を削除</translation>
    </message>
    <message>
        <source>%1 empty commands dropped</source>
        <translation>空のコマンド %1 個を削除</translation>
    </message>
    <message>
        <source>1 page advance written &quot;PG;&quot;</source>
        <translation>ページ送り 1 個を &quot;PG;&quot; と書き換え</translation>
    </message>
    <message>
        <source>%1 page advances written &quot;PG;&quot;</source>
        <translation>ページ送り %1 個を &quot;PG;&quot; と書き換え</translation>
    </message>
    <message>
        <source>trailing form feed dropped</source>
        <translation>末尾の改ページ文字を削除</translation>
    </message>
    <message>
        <source>trailing ESC dropped</source>
        <translation>末尾の ESC を削除</translation>
    </message>
    <message>
        <source>trailing Ctrl-Z dropped</source>
        <translation>末尾の Ctrl-Z を削除</translation>
    </message>
    <message>
        <source>byte 0x%1 at offset %2: binary data</source>
        <translation>オフセット %2 のバイト 0x%1: バイナリデータです</translation>
    </message>
    <message>
        <source>byte 0x%1 at offset %2: invalid UTF-8</source>
        <translation>オフセット %2 のバイト 0x%1: 不正な UTF-8 です</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 has parameters that are no numbers</source>
        <translation>オフセット %2 の &quot;%1&quot; に数値でないパラメーターがあります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at offset %2 is no plotter command</source>
        <translation>オフセット %2 の &quot;%1&quot; はプロッターコマンドではありません</translation>
    </message>
    <message>
        <source>the label at offset %1 has no end: it ends at ETX, which no job can hold (ETX ends a frame); set a printable terminator with DT first (DT@;)</source>
        <translation>オフセット %1 のラベルに終わりがありません: ETX で終わっていますが、ETX はフレームを終わらせるためどのジョブにも入れられません。先に DT で印字可能な終端文字を設定してください（DT@;）</translation>
    </message>
    <message>
        <source>the label at offset %1 has no end: no &quot;%2&quot; (set by DT) follows it</source>
        <translation>オフセット %1 のラベルに終わりがありません: 後ろに &quot;%2&quot;（DT で設定）がありません</translation>
    </message>
    <message>
        <source>cannot read the journal %1: %2</source>
        <translation>ジャーナル %1 を読めません: %2</translation>
    </message>
    <message>
        <source>no journal of an unfinished job for %1 on %2</source>
        <translation>%2 上の %1 について、未完了ジョブのジャーナルはありません</translation>
    </message>
    <message>
        <source>no file or machine named</source>
        <translation>ファイルも機械も指定されていません</translation>
    </message>
    <message>
        <source>the journal %1 is corrupt (%2): nothing is resumed from it</source>
        <translation>ジャーナル %1 は壊れています（%2）: そこからは何も再開しません</translation>
    </message>
    <message>
        <source>the journal %1 is of another file, %2, not %3</source>
        <translation>ジャーナル %1 は別のファイル %2 のもので、%3 のものではありません</translation>
    </message>
    <message>
        <source>the journal %1 is of the job on %2, not on %3</source>
        <translation>ジャーナル %1 は %2 上のジョブのもので、%3 上のものではありません</translation>
    </message>
    <message>
        <source>%1 changed since the job was interrupted (%2)</source>
        <translation>%1 はジョブの中断後に変更されています（%2）</translation>
    </message>
    <message>
        <source>the journal %1 does not fit %2 (%3 pages): it says page %4 of %5, %6 copies left</source>
        <translation>ジャーナル %1 は %2（%3 ページ）に合いません: ページ %4 / %5、残り %6 部と記録されています</translation>
    </message>
    <message>
        <source>the machine is in use by another vxctl (it has not said which yet)</source>
        <translation>機械は別の vxctl が使用中です（どれかはまだ伝えられていません）</translation>
    </message>
    <message>
        <source>the machine is in use by vxctl (pid %1, %2)</source>
        <translation>機械は vxctl が使用中です（pid %1、%2）</translation>
    </message>
    <message>
        <source>cannot make the job lock %1: %2</source>
        <translation>ジョブのロック %1 を作れません: %2</translation>
    </message>
    <message>
        <source>cannot take the job lock %1: %2</source>
        <translation>ジョブのロック %1 を取得できません: %2</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 部</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <translation>%1 部</translation>
    </message>
    <message>
        <source>the machine stopped answering (nothing heard for %1 s)</source>
        <translation>機械が応答しなくなりました（%1 秒間何も届いていません）</translation>
    </message>
    <message>
        <source>%1 has a page of %2 bytes; the plugin frames pages up to %3 bytes</source>
        <translation>%1 には %2 バイトのページがあります。プラグインがフレームにできるページは %3 バイトまでです</translation>
    </message>
    <message>
        <source>%1 has a page of %2 bytes; the controller takes pages up to %3 bytes (--max-page)</source>
        <translation>%1 には %2 バイトのページがあります。コントローラーが受け付けるページは %3 バイトまでです（--max-page）</translation>
    </message>
    <message>
        <source>the machine did not confirm the stop: it may still be cutting page %1 of %2</source>
        <translation>機械は停止を確認していません: まだページ %1 / %2 をカット中かもしれません</translation>
    </message>
    <message>
        <source>%1 of %2 copies done; %3</source>
        <translation>%1 / %2 部完了。%3</translation>
    </message>
    <message>
        <source>link lost after %1 of %2 copies (page %3 of %4): whether the machine stopped is unknown</source>
        <translation>%1 / %2 部の後（ページ %3 / %4）で接続が切れました: 機械が停止したかは不明です</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 copies (page %3 of %4)</source>
        <translation>%1 / %2 部の後（ページ %3 / %4）で停止しました</translation>
    </message>
    <message>
        <source>copy %1 of %2, begun at page %3</source>
        <translation>%1 / %2 部目（ページ %3 から開始）</translation>
    </message>
    <message>
        <source>copy %1 of %2</source>
        <translation>%1 / %2 部目</translation>
    </message>
    <message>
        <source>%1: no page of it is confirmed cut</source>
        <translation>%1: カット確認済みのページはありません</translation>
    </message>
    <message>
        <source>%1: page %2 is confirmed cut</source>
        <translation>%1: ページ %2 はカット確認済みです</translation>
    </message>
    <message>
        <source>%1: pages %2 to %3 are confirmed cut</source>
        <translation>%1: ページ %2 から %3 はカット確認済みです</translation>
    </message>
    <message>
        <source>page %1 was in flight: whether it was cut is unknown</source>
        <translation>ページ %1 は送出済み（未確認）でした: カットされたかは不明です</translation>
    </message>
    <message>
        <source>nothing is left to cut unless page %1 was not cut: %2 --resume --redo-page cuts it</source>
        <translation>ページ %1 がカットされていなければ、カットが残っているものはありません: %2 --resume --redo-page でそのページをカットします</translation>
    </message>
    <message>
        <source>copy %1 of %2 whole</source>
        <translation>%1 / %2 部目の全体</translation>
    </message>
    <message>
        <source>copies %1 to %2 of %2 whole</source>
        <translation>%1〜%2 / %2 部目の全体</translation>
    </message>
    <message>
        <source>page %1 of copy %2 of %3</source>
        <translation>%2 / %3 部目のページ %1</translation>
    </message>
    <message>
        <source>pages %1 to %2 of copy %3 of %4</source>
        <translation>%3 / %4 部目のページ %1 から %2</translation>
    </message>
    <message>
        <source>, then %1</source>
        <translation>、続いて %1</translation>
    </message>
    <message>
        <source>once the machine has stopped, resume cuts %1: %2</source>
        <translation>機械が停止したら、再開でカットするのは %1: %2</translation>
    </message>
    <message>
        <source>resume cuts %1: %2</source>
        <translation>再開でカットするのは %1: %2</translation>
    </message>
    <message>
        <source>  (or: %1 --resume; add --redo-page to cut page %2 again first)</source>
        <translation>  （または: %1 --resume。先にページ %2 をもう一度カットするには --redo-page を付けます）</translation>
    </message>
    <message>
        <source>no cut file for it in %1</source>
        <translation>%1 にそのカットファイルがありません</translation>
    </message>
    <message>
        <source>%1 has a page larger than the controller takes</source>
        <translation>%1 にはコントローラーが受け付けるより大きいページがあります</translation>
    </message>
    <message>
        <source>nothing heard from the machine for %1 s: stopping...</source>
        <translation>%1 秒間機械から何も届いていません: 停止中...</translation>
    </message>
    <message>
        <source>stopping...</source>
        <translation>停止中...</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>ログ %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>
not sent: the white space after page %1 (as a page it would feed a blank sheet)</source>
        <translation>
送信しません: ページ %1 の後の空白（ページとして送ると白紙を 1 枚送ります）</translation>
    </message>
    <message>
        <source>
changed to what the machine takes: %1</source>
        <translation>
機械が受け付ける形に変更: %1</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>オフセット %2 の %1</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>
sent as they are but not measured (the figures leave them out): %1</source>
        <translation>
そのまま送信しますが測定していません（数値には含まれません）: %1</translation>
    </message>
    <message>
        <source>
a polygon too large to follow: the path and the time are more than shown</source>
        <translation>
たどれないほど大きい多角形: パスと時間は表示より長くなります</translation>
    </message>
    <message>
        <source>%1 is too large: the plugin takes jobs up to 1 GiB</source>
        <translation>%1 は大きすぎます: プラグインが受け付けるジョブは 1 GiB までです</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 holds no plotter commands</source>
        <translation>%1 にプロッターコマンドがありません</translation>
    </message>
    <message>
        <source>%1 is not plotter text: %2</source>
        <translation>%1 はプロッターのテキストではありません: %2</translation>
    </message>
    <message>
        <source>%1: page %2 holds nothing but white space: it would feed a blank sheet</source>
        <translation>%1: ページ %2 は空白だけです: 白紙を 1 枚送ることになります</translation>
    </message>
    <message>
        <source>plugin not found: %1</source>
        <translation>プラグインが見つかりません: %1</translation>
    </message>
    <message>
        <source>cannot load plugin %1: %2</source>
        <translation>プラグイン %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a device plugin</source>
        <translation>%1 はデバイスのプラグインではありません</translation>
    </message>
    <message>
        <source>--qr takes a directory; %1 is none</source>
        <translation>--qr にはディレクトリを指定します。%1 はディレクトリではありません</translation>
    </message>
    <message>
        <source>%1:%2: expected code=file</source>
        <translation>%1:%2: code=file の形が必要です</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ディレクトリ</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>キャラクターデバイス</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>通常ファイル</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 は%2で、通常ファイルではありません</translation>
    </message>
    <message>
        <source>cannot use %1 as the USB controller: %2</source>
        <translation>%1 を USB コントローラーとして使えません: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a character device: the USB controller is a serial port such as /dev/ttyACM0</source>
        <translation>%1 は%2で、キャラクターデバイスではありません: USB コントローラーは /dev/ttyACM0 のようなシリアルポートです</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>%1 takes %2 values separated by commas (%3); got %4</source>
        <translation>%1 にはカンマ区切りの値を %2 個指定します（%3）。指定されたのは %4</translation>
    </message>
    <message>
        <source>%1 takes text without &apos;;&apos; or control characters; got %2</source>
        <translation>%1 には &apos;;&apos; や制御文字を含まないテキストを指定します。指定されたのは %2</translation>
    </message>
    <message>
        <source>%1 takes %2; got %3</source>
        <translation>%1 には%2を指定します。指定されたのは %3</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <translation>%2 行目で %1</translation>
    </message>
    <message>
        <source>%1 is SVG: name it *.svg so that vxctl starts with what draws it</source>
        <translation>%1 は SVG です: vxctl が描画に合った方法で読むよう *.svg という名前にしてください</translation>
    </message>
    <message>
        <source>%1 is not SVG that Qt&apos;s SVG module reads: %2</source>
        <translation>%1 は Qt の SVG モジュールが読める SVG ではありません: %2</translation>
    </message>
    <message>
        <source>no drawing found</source>
        <translation>図形が見つかりません</translation>
    </message>
    <message>
        <source>%1 (%2, not understood)</source>
        <translation>%1（%2、解釈できません）</translation>
    </message>
    <message>
        <source>%1 has no size: give its svg element width and height or a viewBox</source>
        <translation>%1 に大きさがありません: svg 要素に width と height か viewBox を指定してください</translation>
    </message>
    <message>
        <source>%1 is too large: as plotter text it is more than the plugin&apos;s 1 GiB</source>
        <translation>%1 は大きすぎます: プロッターのテキストにするとプラグインの上限 1 GiB を超えます</translation>
    </message>
    <message>
        <source>%1 outline(s) of %2 taken as cut lines (%3 x %4 mm); fills, strokes and colours ignored</source>
        <translation>%2 の輪郭 %1 個をカット線としました（%3 x %4 mm）。塗り、線、色は無視します</translation>
    </message>
    <message>
        <source>; %1 pictures not cut</source>
        <translation>。画像 %1 個はカットしません</translation>
    </message>
    <message>
        <source>; not cut: %1 top-level group(s) without an id (give each an id, or --pages-by none)</source>
        <translation>。カットしません: id のない最上位グループ %1 個（それぞれに id を付けるか、--pages-by none）</translation>
    </message>
    <message>
        <source>; nothing to cut in: %1</source>
        <translation>。カットするものがありません: %1</translation>
    </message>
    <message>
        <source>; not cut: %1 element(s) outside any top-level group (--pages-by none cuts them)</source>
        <translation>。カットしません: どの最上位グループにも入っていない要素 %1 個（--pages-by none でカットします）</translation>
    </message>
    <message>
        <source>; Qt&apos;s SVG module could not read: %1</source>
        <translation>。Qt の SVG モジュールが読めなかったもの: %1</translation>
    </message>
    <message>
        <source>cannot start the simulator %1: %2</source>
        <translation>シミュレーター %1 を起動できません: %2</translation>
    </message>
    <message>
        <source>the simulator did not start listening</source>
        <translation>シミュレーターが待ち受けを始めませんでした</translation>
    </message>
    <message>
        <source>unexpected simulator output: %1</source>
        <translation>シミュレーターの予期しない出力: %1</translation>
    </message>
    <message>
        <source>%1:%2: only &quot;target = tcp:HOST[:PORT] | usb:PATH | link:KIND:ADDRESS | sim&quot; is known</source>
        <translation>%1:%2: 使えるのは &quot;target = tcp:HOST[:PORT] | usb:PATH | link:KIND:ADDRESS | sim&quot; だけです</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not tcp:HOST[:PORT], usb:PATH, link:KIND:ADDRESS or sim</source>
        <translation>%1: &quot;%2&quot; は tcp:HOST[:PORT]、usb:PATH、link:KIND:ADDRESS、sim のどれでもありません</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>job control %1</source>
        <translation>ジョブ制御 %1</translation>
    </message>
    <message>
        <source>one more copy</source>
        <translation>もう 1 部</translation>
    </message>
    <message>
        <source>job text</source>
        <translation>ジョブのテキスト</translation>
    </message>
    <message>
        <source>status request</source>
        <translation>状態の問い合わせ</translation>
    </message>
    <message>
        <source>write %1</source>
        <translation>%1 を書き込み</translation>
    </message>
    <message>
        <source>read %1</source>
        <translation>%1 を読み出し</translation>
    </message>
    <message>
        <source>malformed: dropped by the plugin</source>
        <translation>不正な形式: プラグインが破棄</translation>
    </message>
    <message>
        <source>job record: a repeat, ignored</source>
        <translation>ジョブの記録: 繰り返しのため無視</translation>
    </message>
    <message>
        <source>job record: status %1, %2 of %3 copies, %4%</source>
        <translation>ジョブの記録: 状態 %1、%2 / %3 部、%4%</translation>
    </message>
    <message>
        <source>QR code %1 to the host</source>
        <translation>QR コード %1 をホストへ</translation>
    </message>
    <message>
        <source>refused (result %1): no property changes</source>
        <translation>拒否（結果 %1）: プロパティは変わりません</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>no property takes it</source>
        <translation>受け付けるプロパティがありません</translation>
    </message>
    <message>
        <source>lines left out here: the recording fell behind</source>
        <translation>ここで行が抜けています: 記録が追いつきませんでした</translation>
    </message>
    <message>
        <source>closed by the host</source>
        <translation>ホストが閉じました</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>リンク %1</translation>
    </message>
    <message>
        <source>message &quot;%1&quot;</source>
        <translation>メッセージ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>trace of %1</source>
        <translation>%1 のトレース</translation>
    </message>
    <message>
        <source>an unnamed target</source>
        <translation>名前のない接続先</translation>
    </message>
    <message>
        <source>by %1 %2</source>
        <translation>%1 %2 による</translation>
    </message>
    <message>
        <source>plugin built %1</source>
        <translation>プラグインのビルド %1</translation>
    </message>
    <message>
        <source>started %1</source>
        <translation>開始 %1</translation>
    </message>
    <message>
        <source>time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>items</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>what the plugin made of it</source>
        <translation>プラグインの解釈</translation>
    </message>
</context>
<context>
    <name>vxhost</name>
    <message>
        <source>1 page</source>
        <translation>1 ページ</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>the first %1 drawn</source>
        <translation>最初の %1 ページを描画</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>ページ %1</translation>
    </message>
    <message>
        <source>size: nothing is cut</source>
        <translation>サイズ: カットするものはありません</translation>
    </message>
    <message>
        <source>size: %1 x %2 mm</source>
        <translation>サイズ: %1 x %2 mm</translation>
    </message>
    <message>
        <source>area: %1 x %2 mm</source>
        <translation>作業領域: %1 x %2 mm</translation>
    </message>
    <message>
        <source>area: unknown</source>
        <translation>作業領域: 不明</translation>
    </message>
    <message>
        <source>      (%1)</source>
        <translation>      (%1)</translation>
    </message>
    <message>
        <source>path: %1 mm cut</source>
        <translation>パス: カット %1 mm</translation>
    </message>
    <message>
        <source>      %1 mm with the pen up</source>
        <translation>      ペンを上げて %1 mm</translation>
    </message>
    <message>
        <source>time: %1 per copy</source>
        <translation>時間: 1 部あたり %1</translation>
    </message>
    <message>
        <source>time: unknown (no speed)</source>
        <translation>時間: 不明（速度なし）</translation>
    </message>
    <message>
        <source>      at %1 mm/s</source>
        <translation>      %1 mm/s で</translation>
    </message>
    <message>
        <source>solid: pen down, dashed: pen up</source>
        <translation>実線: ペンを下げる、破線: ペンを上げる</translation>
    </message>
    <message>
        <source>ring: where the page starts</source>
        <translation>円: ページの始まり</translation>
    </message>
    <message>
        <source>cannot write the picture %1: %2</source>
        <translation>画像 %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>unknown (%1): the design is not checked against it</source>
        <translation>不明（%1）: デザインは作業領域と照合されていません</translation>
    </message>
    <message>
        <source>%1 x %2 mm (%3)</source>
        <translation>%1 x %2 mm（%3）</translation>
    </message>
    <message>
        <source>the machine did not tell its working area</source>
        <translation>機械が作業領域を伝えませんでした</translation>
    </message>
    <message>
        <source>the machine has no working-area settings</source>
        <translation>機械に作業領域の設定がありません</translation>
    </message>
    <message>
        <source>the machine&apos;s settings</source>
        <translation>機械の設定</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>--area</source>
        <translation>--area</translation>
    </message>
    <message>
        <source>%1, no --area</source>
        <translation>%1、--area なし</translation>
    </message>
    <message>
        <source>%1 does not fit the working area: the design reaches from %2,%3 to %4,%5 mm (%6 x %7 mm), the working area is 0,0 to %8,%9 mm (%10)</source>
        <translation>%1 は作業領域に収まりません: デザインは %2,%3 から %4,%5 mm まで（%6 x %7 mm）、作業領域は 0,0 から %8,%9 mm まで（%10）です</translation>
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
        <translation>開始</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>機械</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>部数</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>トレース</translation>
    </message>
    <message>
        <source>Open trace</source>
        <translation>トレースを開く</translation>
    </message>
    <message>
        <source>Job history</source>
        <translation>ジョブ履歴</translation>
    </message>
    <message>
        <source>part of the file&apos;s name</source>
        <translation>ファイル名の一部</translation>
    </message>
    <message>
        <source>From</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSVに書き出す…</translation>
    </message>
    <message>
        <source>The newest %1 jobs are shown; narrow the days to see older ones.</source>
        <translation>新しい順に %1 件のジョブを表示しています。古いものを見るには日付を絞り込んでください。</translation>
    </message>
    <message numerus="yes">
        <source>%n job(s).</source>
        <translation>
            <numerusform>%n 件のジョブ。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) exported to %1.</source>
        <translation>
            <numerusform>%n 件のジョブを %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the shown jobs</source>
        <translation>表示中のジョブを書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSVファイル (*.csv)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (Debian package libqt5sql5-sqlite)</source>
        <translation>QtのSQLiteドライバーがインストールされていません（Debianパッケージ libqt5sql5-sqlite）</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 はファイルではありません</translation>
    </message>
    <message>
        <source>cannot open the job history %1: %2</source>
        <translation>ジョブ履歴 %1 を開けません: %2</translation>
    </message>
    <message>
        <source>the job history %1 is not used and is left as it is: %2</source>
        <translation>ジョブ履歴 %1 は使わず、そのままにします: %2</translation>
    </message>
    <message>
        <source>it is not a database or is damaged (%1)</source>
        <translation>データベースではないか、壊れています（%1）</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>壊れています（%1）</translation>
    </message>
    <message>
        <source>it was written by a later version (schema %1; this one reads %2)</source>
        <translation>新しいバージョンで書かれています（スキーマ %1。このバージョンが読めるのは %2）</translation>
    </message>
    <message>
        <source>it is a database of something else</source>
        <translation>別の用途のデータベースです</translation>
    </message>
    <message>
        <source>the job history is not open</source>
        <translation>ジョブ履歴が開かれていません</translation>
    </message>
    <message>
        <source>the job was not written to the history: %1</source>
        <translation>ジョブは履歴に書き込まれませんでした: %1</translation>
    </message>
    <message>
        <source>a job ends with an outcome of its own, not &quot;%1&quot;</source>
        <translation>ジョブは「%1」ではなく、固有の結果で終わります</translation>
    </message>
    <message>
        <source>the job&apos;s end was not written to the history: %1</source>
        <translation>ジョブの終了は履歴に書き込まれませんでした: %1</translation>
    </message>
    <message>
        <source>the history holds no running job %1</source>
        <translation>履歴に実行中のジョブ %1 はありません</translation>
    </message>
    <message>
        <source>the job history cannot be read: %1</source>
        <translation>ジョブ履歴を読み取れません: %1</translation>
    </message>
    <message>
        <source>running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>unknown: the console ended during the job</source>
        <translation>不明: ジョブ中にコンソールが終了しました</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>link lost: whether the machine stopped is unknown</source>
        <translation>接続が切れました: 機械が停止したかどうかは不明です</translation>
    </message>
    <message>
        <source>stopped on the machine</source>
        <translation>機械側で停止されました</translation>
    </message>
    <message>
        <source>stopped by the operator</source>
        <translation>オペレーターが停止しました</translation>
    </message>
    <message>
        <source>the machine stopped answering; it confirmed the stop</source>
        <translation>機械が応答しなくなりました。停止は確認されました</translation>
    </message>
    <message>
        <source>stop not confirmed: it may still be cutting</source>
        <translation>停止は確認されていません: まだカット中かもしれません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>machine</source>
        <translation>機械</translation>
    </message>
    <message>
        <source>copies ordered</source>
        <translation>注文部数</translation>
    </message>
    <message>
        <source>copies finished</source>
        <translation>完了部数</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>started (UTC)</source>
        <translation>開始（UTC）</translation>
    </message>
    <message>
        <source>ended (UTC)</source>
        <translation>終了（UTC）</translation>
    </message>
    <message>
        <source>duration (s)</source>
        <translation>所要時間（秒）</translation>
    </message>
    <message>
        <source>machine&apos;s record</source>
        <translation>機械の記録</translation>
    </message>
    <message>
        <source>trace</source>
        <translation>トレース</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was exported</source>
        <translation>%1 に書き込めません: %2。何も書き出していません</translation>
    </message>
    <message>
        <source>the presets could not be written to %1</source>
        <translation>プリセットを %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>a preset needs a name of 1 to %1 characters</source>
        <translation>プリセットには 1～%1 文字の名前が必要です</translation>
    </message>
    <message>
        <source>the preset &quot;%1&quot; would hold no settings</source>
        <translation>プリセット「%1」には設定が含まれません</translation>
    </message>
    <message>
        <source>there is no preset &quot;%1&quot;</source>
        <translation>プリセット「%1」はありません</translation>
    </message>
    <message>
        <source>Apply preset</source>
        <translation>プリセットを適用</translation>
    </message>
    <message>
        <source>Save fields as preset…</source>
        <translation>欄の値をプリセットとして保存…</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>プリセットを削除</translation>
    </message>
    <message>
        <source>Material preset:</source>
        <translation>素材プリセット:</translation>
    </message>
    <message>
        <source>Save fields as preset</source>
        <translation>欄の値をプリセットとして保存</translation>
    </message>
    <message>
        <source>Name of the material preset:</source>
        <translation>素材プリセットの名前:</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>保存されていません: %1。</translation>
    </message>
    <message>
        <source>Preset “%1” saved with %2 settings.</source>
        <translation>プリセット「%1」を %2 個の設定で保存しました。</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>除外: %1。</translation>
    </message>
    <message>
        <source>There is no preset “%1”; nothing was sent.</source>
        <translation>プリセット「%1」はありません。何も送信していません。</translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied:</source>
        <translation>プリセット「%1」を欄に入れてから適用しました:</translation>
    </message>
    <message>
        <source>Preset “%1” put into the fields, then applied; not put in: %2.</source>
        <translation>プリセット「%1」を欄に入れてから適用しました。入らなかったもの: %2。</translation>
    </message>
    <message>
        <source>Not deleted: %1.</source>
        <translation>削除されていません: %1。</translation>
    </message>
    <message>
        <source>Preset “%1” deleted.</source>
        <translation>プリセット「%1」を削除しました。</translation>
    </message>
    <message>
        <source>Test cut</source>
        <translation>テストカット</translation>
    </message>
    <message>
        <source>Lower left corner, x:</source>
        <translation>左下の角、x:</translation>
    </message>
    <message>
        <source>Lower left corner, y:</source>
        <translation>左下の角、y:</translation>
    </message>
    <message>
        <source>Size of the square:</source>
        <translation>正方形の大きさ:</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>A square with a cross, inside the working area %1.</source>
        <translation>十字入りの正方形。作業領域 %1 の内側です。</translation>
    </message>
    <message>
        <source>A square with a cross. The working area is unknown: check the place before cutting.</source>
        <translation>十字入りの正方形。作業領域は不明です: カットする前に位置を確認してください。</translation>
    </message>
    <message>
        <source>Trace %1</source>
        <translation>トレース %1</translation>
    </message>
    <message>
        <source>Only the first %1 rows are shown; see the rest with vxctl trace show.</source>
        <translation>最初の %1 行だけを表示しています。残りは vxctl trace show で見られます。</translation>
    </message>
    <message>
        <source>The trace breaks off: %1</source>
        <translation>トレースが途中で切れています: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告: %1</translation>
    </message>
</context>
</TS>
