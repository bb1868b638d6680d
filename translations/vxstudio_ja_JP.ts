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
        <translation>十字入りの正方形。作業範囲 %1 の内側です。</translation>
    </message>
    <message>
        <source>A square with a cross. The working area is unknown: check the place before cutting.</source>
        <translation>十字入りの正方形。作業範囲は不明です: カットする前に位置を確認してください。</translation>
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
