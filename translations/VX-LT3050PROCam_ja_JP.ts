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
    <message>
        <source>job record</source>
        <translation>ジョブ記録</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QRコード</translation>
    </message>
    <message>
        <source>stop pressed on the machine</source>
        <translation>機械で停止が押されました</translation>
    </message>
    <message>
        <source>page done</source>
        <translation>ページ完了</translation>
    </message>
    <message>
        <source>heartbeat</source>
        <translation>ハートビート</translation>
    </message>
    <message>
        <source>job control answered</source>
        <translation>ジョブ制御の応答</translation>
    </message>
    <message>
        <source>%1: not read from the machine</source>
        <translation>%1: 機械から読み取られていません</translation>
    </message>
    <message>
        <source>%1: no such setting on these pages</source>
        <translation>%1: このページにその設定はありません</translation>
    </message>
</context>
</TS>
