// Cutting received bytes into frames, and the send path's status gate.
#include "frame.h"
#include "vxcommoninterface_p.h"
#include "loopback_peer.h"
#include "receive_buffer.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"
#include "test_text.h"
#include "trace_reader.h"

#include <QtCore/QRandomGenerator>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

namespace {

QList<QByteArray> cut(vx::ReceiveBuffer &buffer)
{
    QList<QByteArray> frames;
    QByteArray frame;
    while (buffer.next_frame(&frame))
        frames << frame;
    return frames;
}

} // namespace

class tst_framing : public QObject
{
    Q_OBJECT

private slots:
    void cutting_data();
    void cutting();
    void oversized_partial_frame_is_discarded();
    void garbage_flood_stays_bounded();
    void appending_while_cutting_keeps_order();
    void device_dispatches_reads_in_order();
    void zero_byte_cuts_the_text();
    void send_gate_data();
    void send_gate();
    void empty_frame_is_not_sent();
    void frames_reach_the_peer_whole_data();
    void frames_reach_the_peer_whole();
    void trace_keeps_bytes_data();
    void trace_keeps_bytes();
};

void tst_framing::cutting_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<int>("pending");

    const QByteArray a = wire("<STX>13;CCMD;4,0;<ETX>");
    const QByteArray b = wire("<STX>16;CCMD;7,0,0,150;<ETX>");
    using L = QList<QByteArray>;
    QTest::newRow("two frames in one read") << L{a + b} << L{a, b} << 0;
    QTest::newRow("frame split over two reads") << L{a.left(5), a.mid(5)} << L{a} << 0;
    QTest::newRow("split at every byte") << [&] { L r; for (char c : a) r << QByteArray(1, c); return r; }()
                                         << L{a} << 0;
    QTest::newRow("noise before a frame") << L{"garbage" + a} << L{a} << 0;
    QTest::newRow("two STX take the second") << L{wire("<STX>xx") + a} << L{a} << 0;
    QTest::newRow("bytes after the last ETX wait") << L{a + b.left(4)} << L{a} << 4;
    QTest::newRow("they complete later") << L{a + b.left(4), b.mid(4)} << L{a, b} << 0;
    QTest::newRow("ETX inside a payload ends the frame")
        << L{wire("<STX>10;PPLT;a<ETX>b<ETX>")} << L{wire("<STX>10;PPLT;a<ETX>")} << 0;
    QTest::newRow("ETX without STX is dropped") << L{wire("junk<ETX>") + a} << L{a} << 0;
    QTest::newRow("no STX anywhere keeps nothing") << L{"no frame here"} << L{} << 0;
    QTest::newRow("noise between partial and end")
        << L{a.left(6), "xyz", a.mid(6)} << L{a.left(6) + "xyz" + a.mid(6)} << 0;
    QTest::newRow("a new STX replaces a partial frame") << L{a.left(6), b} << L{b} << 0;
    QTest::newRow("empty reads") << L{"", a, ""} << L{a} << 0;
}

void tst_framing::cutting()
{
    QFETCH(QList<QByteArray>, reads);
    vx::ReceiveBuffer buffer;
    QList<QByteArray> frames;
    for (const QByteArray &read : reads) {
        buffer.append(read);
        frames << cut(buffer);
    }
    QTEST(frames, "frames");
    QTEST(buffer.pending_bytes(), "pending");
}

void tst_framing::oversized_partial_frame_is_discarded()
{
    vx::ReceiveBuffer buffer;
    buffer.append(QByteArray(1, vx::STX));
    const QByteArray chunk(64 * 1024, 'a');
    for (int i = 0; i < 20; ++i) { // 1.25 MiB without an ETX
        buffer.append(chunk);
        QVERIFY(cut(buffer).isEmpty());
        QVERIFY(buffer.pending_bytes() <= vx::ReceiveBuffer::kMaxFrameBytes);
    }
    buffer.append(wire("tail<ETX>") + wire("<STX>12;CCMD;4;<ETX>"));
    QCOMPARE(cut(buffer), QList<QByteArray>{wire("<STX>12;CCMD;4;<ETX>")});
}

void tst_framing::garbage_flood_stays_bounded()
{
    vx::ReceiveBuffer buffer;
    QRandomGenerator random(7);
    QByteArray chunk(10240, Qt::Uninitialized);
    int max_pending = 0;
    for (int i = 0; i < 800; ++i) { // 8 MiB of random bytes, then STX without ETX
        random.fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        if (i >= 400)
            chunk.fill(vx::STX);
        buffer.append(chunk);
        cut(buffer);
        max_pending = qMax(max_pending, buffer.pending_bytes());
    }
    QVERIFY(max_pending <= vx::ReceiveBuffer::kMaxFrameBytes + chunk.size());
    buffer.append(wire("<ETX><STX>12;CCMD;4;<ETX>"));
    QCOMPARE(cut(buffer).last(), wire("<STX>12;CCMD;4;<ETX>"));
}

void tst_framing::appending_while_cutting_keeps_order()
{
    vx::ReceiveBuffer buffer;
    buffer.append(wire("<STX>1<ETX><STX>2<ETX><STX>3"));
    QByteArray frame;
    QVERIFY(buffer.next_frame(&frame));
    QCOMPARE(frame, wire("<STX>1<ETX>"));
    buffer.append(wire("<ETX><STX>4<ETX>")); // arrives while frame 1 is handled
    QCOMPARE(cut(buffer), QList<QByteArray>({wire("<STX>2<ETX>"), wire("<STX>3<ETX>"), wire("<STX>4<ETX>")}));
}

void tst_framing::device_dispatches_reads_in_order()
{
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    LoopbackPeer peer;
    QVERIFY(peer.attach(device.data()));
    // Replies for SPEED, PRESSURE and the firmware in one write, split badly.
    const QByteArray replies = vx::frame("CCMD", "7,0,0,150;") + "noise" + vx::frame("CCMD", "9,0,0,300;")
                               + vx::frame("CCMD", "51,0,V3.4;");
    peer.send(replies.left(7));
    QTest::qWait(20);
    peer.send(replies.mid(7));
    QTRY_COMPARE(device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("V3.4"));
    QCOMPARE(device->property_ptr("SPEED")->value(), QVariant(150u));
    QCOMPARE(device->property_ptr("PRESSURE")->value(), QVariant(300u));
}

void tst_framing::zero_byte_cuts_the_text()
{
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    auto *driver = VXCommonInterfacePrivate::get(static_cast<VXCommonInterface *>(device.data()));
    driver->slot_usb_read(vx::frame("CCMD", QByteArray("51,0,V1", 7) + '\0' + "junk;"));
    // The text ends at the zero byte: what follows it never reaches the value.
    QCOMPARE(device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("V1"));
    driver->slot_usb_read(vx::frame("CCMD", QByteArray("7,0,0", 5) + '\0' + ",150;"));
    QCOMPARE(device->property_ptr("SPEED")->value(), QVariant(0u)); // one value for one parameter
}

void tst_framing::send_gate_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("sent");
    QTest::newRow("Idle") << int(VXDeviceInterface::Idle) << true;
    QTest::newRow("Working") << int(VXDeviceInterface::Working) << true;
    QTest::newRow("Pause") << int(VXDeviceInterface::Pause) << true;
    QTest::newRow("outside the enumeration") << 9 << true;
    QTest::newRow("Warning") << int(VXDeviceInterface::Warning) << false;
    QTest::newRow("Error") << int(VXDeviceInterface::Error) << false;
    QTest::newRow("DisConnected") << int(VXDeviceInterface::DisConnected) << false;
}

void tst_framing::send_gate()
{
    QFETCH(int, status);
    QFETCH(bool, sent);
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    LoopbackPeer peer;
    QVERIFY(peer.attach(device.data()));
    device->property_ptr("STATUS")->setValue(status);
    device->sendCMD(device->property_ptr("SPEED")->get_cmd_bytes());
    device->property_ptr("STATUS")->setValue(int(VXDeviceInterface::Working));
    device->sendCMD(device->property_ptr("PRESSURE")->get_cmd_bytes()); // a marker that always goes
    QVERIFY(peer.wait_frames(sent ? 2 : 1));
    QTest::qWait(10);
    QCOMPARE(peer.bodies(), sent ? QStringList({"7,0;", "9,0;"}) : QStringList{"9,0;"});
}

void tst_framing::empty_frame_is_not_sent()
{
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    LoopbackPeer peer;
    QVERIFY(peer.attach(device.data()));
    device->sendCMD(QByteArray());
    device->sendCMD(device->property_ptr("SET_WIFI")->set_cmd_bytes()); // no command: empty
    device->sendCMD(device->property_ptr("DEVICE_STATUS")->get_cmd_bytes());
    QVERIFY(peer.wait_frames(1));
    QTest::qWait(10);
    QCOMPARE(peer.frames, QList<QByteArray>{wire("<STX>12;CCMD;4;<ETX>")});
}

// The link hands a large page to the socket a piece at a time: the peer
// must receive every byte in its place, and the frames in their order.
void tst_framing::frames_reach_the_peer_whole_data()
{
    QTest::addColumn<QList<QByteArray>>("frames");
    // A page whose every line tells where it is, so a piece out of place shows.
    const auto page = [](int bytes) {
        QByteArray body;
        for (int line = 0; body.size() < bytes; ++line)
            body += "PD" + QByteArray::number(line) + ",0;";
        return vx::frame("PPLT", body.left(bytes));
    };
    const QByteArray status = wire("<STX>12;CCMD;4;<ETX>");
    using L = QList<QByteArray>;
    QTest::newRow("a short frame") << L{status};
    QTest::newRow("one piece exactly") << L{page((1 << 20) - 15)};
    QTest::newRow("a page of 3 MiB and a part piece") << L{page(3 << 20 | 12345), status};
    QTest::newRow("two large pages in a row") << L{page(2 << 20), page((1 << 20) + 1), status};
}

void tst_framing::frames_reach_the_peer_whole()
{
    QFETCH(QList<QByteArray>, frames);
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    LoopbackPeer peer;
    QVERIFY(peer.attach(device.data()));
    for (const QByteArray &frame : frames)
        device->sendCMD(frame);
    QVERIFY(peer.wait_frames(frames.size()));
    QCOMPARE(peer.frames.size(), frames.size());
    for (int i = 0; i < frames.size(); ++i)
        QVERIFY2(peer.frames.at(i) == frames.at(i), qPrintable(QStringLiteral("frame %1 differs").arg(i)));
}

QTEST_GUILESS_MAIN(tst_framing)
// A trace line gives back the bytes it recorded, whatever they are: UTF-8
// as readable text, anything else as base64.
void tst_framing::trace_keeps_bytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::newRow("frame") << wire("<STX>15;CCMD;30,2;<ETX>") << "text";
    QTest::newRow("quote, backslash, NUL, DEL") << QByteArray("a\"b\\c\0d\x7f", 9) << "text";
    QTest::newRow("Chinese and a four-byte character") << QByteArray("\xe4\xbc\xa0\xf0\x9f\x98\x80") << "text";
    QTest::newRow("escapes inside long plain runs")
        << QByteArray("PD10,10;PD20,20;\"PD30\x01,30;PD40\\,40;\x7fPD50,50;\xc3\xa9PD60,60;PG;\x03") << "text";
    QTest::newRow("invalid byte after a long plain run") << QByteArray("PD10,10;PD20,20;PD30,30;\x80PG;") << "base64";
    QTest::newRow("invalid byte") << QByteArray("\x02" "4,0\xff\x03") << "base64";
    QTest::newRow("cut character") << QByteArray("\xe4\xbc") << "base64";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "base64";
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "base64";
}

void tst_framing::trace_keeps_bytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QByteArray line = "{\"t\":1,\"dir\":\"rx\",\"link\":\"USB\",";
    vx::trace::append_bytes_field(line, bytes);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("{\"vx_trace\":1}\n" + line + "}\n");
    file.close();
    vx::trace::Reader reader;
    vx::trace::Line read;
    QVERIFY2(reader.open(file.fileName()) && reader.next(&read), qPrintable(reader.error()));
    QVERIFY2(read.object.contains(field), line.constData());
    QCOMPARE(read.bytes, bytes);
}

#include "tst_framing.moc"
