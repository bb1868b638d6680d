// The "437" controller simulator, driven over real loopback sockets, a
// pseudo-terminal and as the vxsim program.
#include "controller_request.h"
#include "controller_simulator.h"
#include "event_wait.h"
#include "frame.h"
#include "receive_buffer.h"
#include "plot_path.h"
#include "simulator_faults.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace vx::sim;
using vx::ReceiveBuffer;

namespace {

constexpr int kWaitMs = 5000;
// After the last expected frame, of event-loop turns without sleeps: long
// enough for a stray extra to show up. The simulator writes at once or on
// its next turn, and the loopback delivers within microseconds.
constexpr int kSettleMs = 3;

const QByteArray kPageA = "IN;PU0,0;PD4000,0;PG;"; // 100 mm
const QByteArray kPageB = "PU0,0;PD0,4000;PG;";    // 100 mm
const QByteArray kPageC = "PU0,0;PD4000,0;PG;";    // 100 mm

// A CCMD reply's comma list without its closing ";", or a CMD body as is.
QByteArray items_of(const QByteArray &frame)
{
    const int name_start = frame.indexOf(';') + 1;
    const int name_end = frame.indexOf(';', name_start);
    const QByteArray name = frame.mid(name_start, name_end - name_start);
    QByteArray body = frame.mid(name_end + 1, frame.size() - name_end - 2);
    if (name == "CCMD" && body.endsWith(';'))
        body.chop(1);
    return body;
}

// STX, the total length, ";", the payload as given, ETX.
QByteArray raw_frame(const QByteArray &payload)
{
    int total = payload.size() + 3;
    while (QByteArray::number(total).size() + payload.size() + 3 != total)
        ++total;
    return '\x02' + QByteArray::number(total) + ';' + payload + '\x03';
}

QByteArray describe(const ControllerRequest &request)
{
    using Kind = ControllerRequest::Kind;
    QByteArray text;
    switch (request.kind) {
    case Kind::Invalid:
        return "invalid";
    case Kind::Command:
        text = "command " + QByteArray::number(request.number);
        for (const QByteArray &field : request.fields)
            text += " \"" + field + '"';
        return text;
    case Kind::AddressRead:
        text = "get";
        for (int address : request.addresses)
            text += ' ' + QByteArray::number(address);
        return text;
    case Kind::AddressWrite:
        text = "set";
        for (const auto &assignment : request.assignments)
            text += ' ' + QByteArray::number(assignment.first) + '=' + assignment.second;
        return text;
    case Kind::CopiesNumber:
        return "copies " + QByteArray::number(request.copies);
    case Kind::JobText:
        return "job " + request.frameName + ' ' + request.jobText;
    }
    return text;
}

// The plugin's side of a connection: a loopback socket whose bytes are
// kept raw and cut into frames.
struct SimClient
{
    QTcpSocket socket;
    ReceiveBuffer cutter;
    QByteArray raw;
    QList<QByteArray> frames;

    explicit SimClient(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] {
            const QByteArray bytes = socket.readAll();
            raw += bytes;
            frames += cutter.feed(bytes);
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }

    void send(const QByteArray &name, const QByteArray &body) { socket.write(vx::frame(name, body)); }

    QByteArrayList items() const
    {
        QByteArrayList list;
        for (const QByteArray &frame : frames)
            list << items_of(frame);
        return list;
    }

    bool wait_for_item(const QByteArray &item, int from_index = 0)
    {
        return wait_until([&] { return items().indexOf(item, from_index) >= 0; }, kWaitMs);
    }
};

// An in-process simulator on a free loopback port.
struct RunningSimulator
{
    std::unique_ptr<ControllerSimulator> simulator;
    quint16 port = 0;

    explicit RunningSimulator(const SimulatorOptions &options = {})
        : simulator(std::make_unique<ControllerSimulator>(options)), port(simulator->listen(0))
    {
    }
    ControllerSimulator *operator->() const { return simulator.get(); }
    ControllerSimulator *get() const { return simulator.get(); }
};

// A script of lines "> NAME body" (sent; consecutive ones in one write) and
// "< items" (expected, in order). Returns the items received in the end.
QByteArrayList run_script(SimClient &client, const QByteArrayList &script, QByteArrayList *expected)
{
    QByteArray pending;
    for (const QByteArray &line : script) {
        if (line.startsWith("> ")) {
            const int space = line.indexOf(' ', 2);
            const QByteArray name = space < 0 ? line.mid(2) : line.mid(2, space - 2);
            pending += vx::frame(name, space < 0 ? QByteArray() : line.mid(space + 1));
            continue;
        }
        if (!pending.isEmpty())
            client.socket.write(pending);
        pending.clear();
        expected->append(line.mid(2));
        const int count = expected->size();
        if (!wait_until([&] { return client.frames.size() >= count; }, kWaitMs))
            break;
    }
    if (!pending.isEmpty())
        client.socket.write(pending);
    run_events_for(kSettleMs);
    return client.items();
}

int progress_reports_in(const QByteArrayList &items)
{
    int count = 0;
    for (const QByteArray &item : items)
        count += item.startsWith("66,") ? 1 : 0;
    return count;
}

} // namespace

class tst_vxsim : public QObject
{
    Q_OBJECT

private slots:
    void parses_requests_data();
    void parses_requests();
    void rejects_malformed_requests_data();
    void rejects_malformed_requests();
    void cuts_frames_data();
    void cuts_frames();
    void discards_oversized_partial_frame();
    void measures_plotter_paths_data();
    void measures_plotter_paths();

    void converses_data();
    void converses();
    void cuts_at_speed_with_periodic_progress();
    void pause_holds_the_knife();

    void job_survives_wire_faults_data();
    void job_survives_wire_faults();
    void drops_client_after_pages();
    void machine_stop_after_pages();
    void silent_after_pages();

    void new_client_replaces_old();
    void serves_pseudo_terminal();
    void program_answers_over_tcp_data();
    void program_answers_over_tcp();
    void replays_traces_data();
    void replays_traces();
};

void tst_vxsim::parses_requests_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("parsed");

    QTest::newRow("read with parameter") << vx::frame("CCMD", "7,0;") << QByteArray("command 7 \"0\"");
    QTest::newRow("read without parameter") << vx::frame("CCMD", "4;") << QByteArray("command 4");
    QTest::newRow("write of two values")
        << vx::frame("CCMD", "17,0.5,-20;") << QByteArray("command 17 \"0.5\" \"-20\"");
    QTest::newRow("empty field kept") << vx::frame("CCMD", "55,;") << QByteArray("command 55 \"\"");
    QTest::newRow("GET of two addresses") << vx::frame("CMD", "GET12;13;") << QByteArray("get 12 13");
    QTest::newRow("SET of two addresses")
        << vx::frame("CMD", "SET200:5;201:1;") << QByteArray("set 200=5 201=1");
    QTest::newRow("SET value with colon") << vx::frame("CMD", "SET7:a:b;") << QByteArray("set 7=a:b");
    QTest::newRow("SET of no address") << vx::frame("CMD", "SET") << QByteArray("set");
    QTest::newRow("NUM") << vx::frame("CMD", "NUM:12;") << QByteArray("copies 12");
    QTest::newRow("page") << vx::frame("PPLT", kPageA) << QByteArray("job PPLT " + kPageA);
    QTest::newRow("whole job without PG") << vx::frame("PLT", "PU0,0;PD1,1;")
                                          << QByteArray("job PLT PU0,0;PD1,1;");
    QTest::newRow("QR-code job") << vx::frame("QR_PLT", "PD40,0;") << QByteArray("job QR_PLT PD40,0;");
    const QByteArray long_page = QByteArray("PD1,1;").repeated(200) + "PG;";
    QTest::newRow("four-digit length") << vx::frame("PPLT", long_page) << QByteArray("job PPLT " + long_page);
}

void tst_vxsim::parses_requests()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, parsed);
    QCOMPARE(describe(parse_request(frame)), parsed);
}

void tst_vxsim::rejects_malformed_requests_data()
{
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only STX and ETX") << QByteArray("\x02\x03");
    QTest::newRow("no STX") << vx::frame("CCMD", "30;").mid(1);
    QTest::newRow("no ETX") << vx::frame("CCMD", "30;").chopped(1);
    QTest::newRow("length not decimal") << QByteArray("\x02" "1x;CCMD;30;" "\x03");
    QTest::newRow("length one short") << QByteArray("\x02" "12;CCMD;30;" "\x03");
    QTest::newRow("length one over") << QByteArray("\x02" "14;CCMD;30;" "\x03");
    QTest::newRow("no ';' after the name") << raw_frame("CCMD");
    QTest::newRow("unknown frame name") << vx::frame("XCMD", "30;");
    QTest::newRow("CCMD without closing ';'") << vx::frame("CCMD", "30");
    QTest::newRow("CCMD number not decimal") << vx::frame("CCMD", "3a,1;");
    QTest::newRow("CCMD number negative") << vx::frame("CCMD", "-4;");
    QTest::newRow("CCMD number missing") << vx::frame("CCMD", ",1;");
    QTest::newRow("CCMD two items") << vx::frame("CCMD", "4;5;");
    QTest::newRow("CCMD number too long") << vx::frame("CCMD", "12345678901;");
    QTest::newRow("CMD unknown verb") << vx::frame("CMD", "PUT1:2;");
    QTest::newRow("GET address not decimal") << vx::frame("CMD", "GET12;x;");
    QTest::newRow("GET of no address") << vx::frame("CMD", "GET;");
    QTest::newRow("SET item without ':'") << vx::frame("CMD", "SET12;");
    QTest::newRow("NUM not decimal") << vx::frame("CMD", "NUM:x;");
    QTest::newRow("page without PG") << vx::frame("PPLT", "PU0,0;PD1,1;");
    QTest::newRow("empty whole job") << vx::frame("PLT", "");
}

void tst_vxsim::rejects_malformed_requests()
{
    QFETCH(QByteArray, frame);
    const ControllerRequest request = parse_request(frame);
    QCOMPARE(describe(request), QByteArray("invalid"));
    QVERIFY(!request.error.isEmpty());
}

void tst_vxsim::cuts_frames_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<int>("buffered");

    const QByteArray a = vx::frame("CCMD", "4,0;");
    const QByteArray b = vx::frame("CCMD", "51,0,V3.4.37;");
    QTest::newRow("one frame") << QByteArrayList{a} << QByteArrayList{a} << 0;
    QTest::newRow("two frames in one read") << QByteArrayList{a + b} << QByteArrayList{a, b} << 0;
    QTest::newRow("frame over three reads")
        << QByteArrayList{b.left(3), b.mid(3, 5), b.mid(8)} << QByteArrayList{b} << 0;
    QTest::newRow("noise before a frame") << QByteArrayList{"xx;9" + a} << QByteArrayList{a} << 0;
    QTest::newRow("stray STX before a frame")
        << QByteArrayList{"q\x02zz" + a} << QByteArrayList{a} << 0;
    QTest::newRow("ETX without STX dropped") << QByteArrayList{"abc\x03" + a} << QByteArrayList{a} << 0;
    QTest::newRow("garbage is not kept") << QByteArrayList{"abc", "def;"} << QByteArrayList{} << 0;
    QTest::newRow("partial frame kept from its STX")
        << QByteArrayList{a + "zz" + b.left(4)} << QByteArrayList{a} << 4;
    QTest::newRow("ETX inside a read ends the frame")
        << QByteArrayList{"\x02" "ab\x03" "cd\x03"} << QByteArrayList{"\x02" "ab\x03"} << 0;
}

void tst_vxsim::cuts_frames()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(QByteArrayList, frames);
    QFETCH(int, buffered);

    ReceiveBuffer cutter;
    QByteArrayList cut;
    for (const QByteArray &read : reads)
        cut += cutter.feed(read);
    QCOMPARE(cut, frames);
    QCOMPARE(cutter.pending_bytes(), buffered);
}

void tst_vxsim::discards_oversized_partial_frame()
{
    ReceiveBuffer cutter;
    const QByteArray filler(64 * 1024, 'a');
    cutter.feed("\x02");
    for (int i = 0; i * filler.size() <= ReceiveBuffer::kMaxFrameBytes; ++i)
        cutter.feed(filler);
    QVERIFY(cutter.pending_bytes() <= ReceiveBuffer::kMaxFrameBytes);

    // The rest of the monster frame is dropped, the next frame is whole.
    const QByteArray next = vx::frame("CCMD", "4,0;");
    QCOMPARE(cutter.feed(filler + "\x03" + next), QByteArrayList{next});
    QCOMPARE(cutter.pending_bytes(), 0);
}

void tst_vxsim::measures_plotter_paths_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("mm");

    QTest::newRow("no moves") << QByteArray("IN;SP1;PG;") << 0.0;
    QTest::newRow("one cut") << QByteArray("PU0,0;PD4000,0;") << 100.0;
    QTest::newRow("pen-up travel counts") << QByteArray("PU4000,0;") << 100.0;
    QTest::newRow("several pairs in one command") << QByteArray("PD4000,0,4000,3000;") << 175.0;
    QTest::newRow("diagonal") << QByteArray("PD1200,1600;") << 50.0;
    QTest::newRow("relative") << QByteArray("PR;PD40,0,40,0;") << 2.0;
    QTest::newRow("back to absolute") << QByteArray("PR;PU40,0;PA;PD0,0;") << 2.0;
    QTest::newRow("decimal coordinates") << QByteArray("PD40.5,0;") << 1.0125;
    QTest::newRow("lower case") << QByteArray("pu0,0;pd4000,0;") << 100.0;
    QTest::newRow("odd coordinate ignored") << QByteArray("PD4000,0,80;") << 100.0;
    QTest::newRow("bad number ends the command") << QByteArray("PD4000,x,8000,0;PD0,0;") << 0.0;
}

void tst_vxsim::measures_plotter_paths()
{
    QFETCH(QByteArray, text);
    QFETCH(double, mm);
    QCOMPARE(plot_path_length_mm(text), mm);
}

void tst_vxsim::converses_data()
{
    QTest::addColumn<QByteArrayList>("script");

    // Settings registers.
    QTest::newRow("speed initial") << QByteArrayList{"> CCMD 7,0;", "< 7,0,0,150"};
    QTest::newRow("speed written then read")
        << QByteArrayList{"> CCMD 6,0,300;", "< 6,0", "> CCMD 7,0;", "< 7,0,0,300"};
    QTest::newRow("pressure initial") << QByteArrayList{"> CCMD 9;", "< 9,0,0,200"};
    QTest::newRow("camera offset initial") << QByteArrayList{"> CCMD 18;", "< 18,0,0.5,-20"};
    QTest::newRow("camera offset shared by both numberings")
        << QByteArrayList{"> CCMD 15,1.5,-2;", "< 15,0", "> CCMD 18;", "< 18,0,1.5,-2",
                          "> CCMD 17,3,4;", "< 17,0", "> CCMD 16;", "< 16,0,3,4"};
    QTest::newRow("scale x and y apart")
        << QByteArrayList{"> CCMD 21,95.5;", "< 21,0", "> CCMD 61;", "< 61,0,100",
                          "> CCMD 62;", "< 62,0,95.5"};
    QTest::newRow("work area") << QByteArrayList{"> CCMD 63;", "< 63,0,300,500"};
    QTest::newRow("cut quality")
        << QByteArrayList{"> CCMD 64;", "< 64,0,1", "> CCMD 23,2;", "< 23,0", "> CCMD 64;", "< 64,0,2"};
    QTest::newRow("copies") << QByteArrayList{"> CCMD 30;", "< 30,0,1", "> CCMD 30,3;", "< 30,0",
                                              "> CCMD 30;", "< 30,0,3"};
    QTest::newRow("job mode") << QByteArrayList{"> CCMD 32;", "< 32,0,0"};
    QTest::newRow("firmware read-only")
        << QByteArrayList{"> CCMD 51;", "< 51,0,V3.4.37", "> CCMD 51,X;", "< 51,0,V3.4.37"};
    QTest::newRow("device id") << QByteArrayList{"> CCMD 44,SN9;", "< 44,0", "> CCMD 45;", "< 45,0,SN9"};
    QTest::newRow("board id and version")
        << QByteArrayList{"> CCMD 47;", "< 47,0,B437-0001", "> CCMD 49;", "< 49,0,4.37"};
    QTest::newRow("QR-code file") << QByteArrayList{"> CCMD 55,a.plt;", "< 55,0", "> CCMD 55;", "< 55,0,a.plt"};
    QTest::newRow("write without value fails") << QByteArrayList{"> CCMD 6;", "< 6,1"};
    QTest::newRow("unknown read fails") << QByteArrayList{"> CCMD 99;", "< 99,1"};
    QTest::newRow("unknown write fails") << QByteArrayList{"> CCMD 98,1;", "< 98,1"};
    QTest::newRow("jog") << QByteArrayList{"> CCMD 65,0,0,800,-400;", "< 65,0"};
    QTest::newRow("malformed request unanswered")
        << QByteArrayList{"> CCMD 7,0", "> CCMD x;", "> PPLT PD1,1;", "> CCMD 51;", "< 51,0,V3.4.37"};

    // Address registers.
    QTest::newRow("GET defaults to 0") << QByteArrayList{"> CMD GET12;13;", "< GET12:0;GET13:0;"};
    QTest::newRow("SET then GET")
        << QByteArrayList{"> CMD SET200:5;201:1;", "< OK;", "> CMD GET199;200;201;",
                          "< GET199:0;GET200:5;GET201:1;"};
    QTest::newRow("NUM sets the copies")
        << QByteArrayList{"> CMD NUM:12;", "< OK;", "> CCMD 30;", "< 30,0,12"};

    // Status requests and jobs, cut at once.
    QTest::newRow("status when idle") << QByteArrayList{"> CCMD 4;", "< 4,0"};
    QTest::newRow("one-page job with the status request sent with the page")
        << QByteArrayList{"> PPLT " + kPageA, "> CCMD 4;", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0"};
    QTest::newRow("status request after the page report closes the copy")
        << QByteArrayList{"> PPLT " + kPageA, "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0", "> CCMD 4;",
                          "< 66,0,job.plt,1,1,100,0,0,0", "> CCMD 4;", "< 4,0"};
    QTest::newRow("three pages, two copies, as the plugin sends them")
        << QByteArrayList{"> CCMD 30,2;", "< 30,0",
                          "> PPLT " + kPageA, "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0",
                          "> PPLT " + kPageB, "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0",
                          "> PPLT " + kPageC, "> CCMD 4;", "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0",
                          "> CCMD 30,1;", "< 30,0",
                          "< 66,1,job.plt,2,1,66.7,0,0,0", "< 66,1,job.plt,2,1,83.3,0,0,0",
                          "< 66,1,job.plt,2,1,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,2,2,100,0,0,0",
                          "> CCMD 30;", "< 30,0,2", "> CCMD 30,3;", "< 30,0", "> CCMD 30;", "< 30,0,3"};
    QTest::newRow("one more copy does not change the copies")
        << QByteArrayList{"> CCMD 30,2;", "< 30,0", "> PPLT " + kPageA, "> CCMD 4;",
                          "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0",
                          "> CCMD 30,7;", "< 30,0", "< 66,1,job.plt,2,1,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,2,2,100,0,0,0"};
    QTest::newRow("page after the last copy starts a new job")
        << QByteArrayList{"> PPLT " + kPageA, "> CCMD 4;", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0",
                          "> PPLT " + kPageB, "> CCMD 4;", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0"};
    QTest::newRow("page lengths weigh the percent")
        << QByteArrayList{"> CCMD 30,2;", "< 30,0", "> PPLT PD4000,0;PG;", "> PPLT PD12000,0;PG;",
                          "> CCMD 4;", "< 66,1,job.plt,2,0,12.5,0,0,0", "< 4,0",
                          "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0"};

    // Pause, resume, stop.
    QTest::newRow("pause holds pages until resume")
        << QByteArrayList{"> CCMD 27,0;", "< 27,0,0", "> PPLT " + kPageA, "> CCMD 4;",
                          "> CCMD 51;", "< 51,0,V3.4.37",
                          "> CCMD 27,1;", "< 27,0,1", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0"};
    QTest::newRow("stop discards queued pages and the pause")
        << QByteArrayList{"> CCMD 27,0;", "< 27,0,0", "> PPLT " + kPageA, "> CCMD 27,2;", "< 27,0,2",
                          "> CCMD 4;", "< 4,0",
                          "> PPLT " + kPageB, "> CCMD 4;", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0"};
    QTest::newRow("stop while a copy is awaited returns to idle")
        << QByteArrayList{"> CCMD 30,2;", "< 30,0", "> PPLT " + kPageA, "> CCMD 4;",
                          "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0", "> CCMD 27,2;", "< 27,0,2",
                          "> CCMD 30,1;", "< 30,0", "> CCMD 30;", "< 30,0,1"};
    QTest::newRow("unknown control value fails") << QByteArrayList{"> CCMD 27,7;", "< 27,1"};
    QTest::newRow("stop ignored")
        << QByteArrayList{"--ignore-stop", "> CCMD 27,0;", "< 27,0,0", "> PPLT " + kPageA, "> CCMD 4;", "> CCMD 27,2;",
                          "> CCMD 51;", "< 51,0,V3.4.37", "> CCMD 27,1;", "< 27,0,1",
                          "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0", "< 66,0,job.plt,1,1,100,0,0,0"};
    // 300 mm at 1000 mm/s: a periodic report would come at 200 ms.
    QTest::newRow("silent while cutting a page")
        << QByteArrayList{"--speed 1000", "--progress-interval 0", "> PPLT PU0,0;PD12000,0;PG;", "> CCMD 4;",
                          "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0", "< 66,0,job.plt,1,1,100,0,0,0"};

    // QR-code jobs.
    QTest::newRow("QR code refused in plotter mode") << QByteArrayList{"> CCMD 11;", "< 11,1"};
    QTest::newRow("QR-code copies")
        << QByteArrayList{"> CCMD 32,1;", "< 32,0", "> CCMD 30,2;", "< 30,0",
                          "> CCMD 11;", "< 11,0,QR0001", "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0",
                          "> CCMD 11;", "< 11,0,QR0002", "< 66,1,job.plt,2,1,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,2,2,100,0,0,0",
                          "> CCMD 11;", "< 11,0,QR0003", "< 66,1,job.plt,2,0,50,0,0,0", "< 4,0"};
    QTest::newRow("QR code refused while one is cut")
        << QByteArrayList{"> CCMD 32,1;", "< 32,0", "> CCMD 11;", "> CCMD 11;", "< 11,0,QR0001",
                          "< 11,1", "< 66,1,job.plt,1,0,100,0,0,0", "< 4,0",
                          "< 66,0,job.plt,1,1,100,0,0,0"};
}

// Leading "--flag [value]" lines of a script are the simulator's options.
void tst_vxsim::converses()
{
    QFETCH(QByteArrayList, script);
    SimulatorOptions options;
    for (; !script.isEmpty() && script.first().startsWith("--"); script.removeFirst()) {
        const QByteArrayList flag = script.first().split(' ');
        const auto fault = std::find_if(simulator_faults().begin(), simulator_faults().end(),
                                        [&flag](const SimulatorFault &row) { return flag.first() == QByteArray("--") + row.flag; });
        QVERIFY2(fault != simulator_faults().end(), flag.first().constData());
        QCOMPARE(fault->value_error(flag.last(), flag.first()), QString());
        fault->apply(options, flag.last());
    }
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    QByteArrayList expected;
    const QByteArrayList items = run_script(client, script, &expected);
    QCOMPARE(items, expected);
}

void tst_vxsim::cuts_at_speed_with_periodic_progress()
{
    SimulatorOptions options;
    options.cut_speed_mm_per_second = 1000.0;
    options.progress_interval_ms = 40; // two steps of the knife
    options.file_name = "box.plt";
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    QElapsedTimer clock;
    clock.start();
    client.send("PPLT", "PU0,0;PD4000,0;PG;"); // 100 mm: 0.1 s
    client.send("CCMD", "4;");
    QVERIFY(client.wait_for_item("66,0,box.plt,1,1,100,0,0,0"));
    QVERIFY2(clock.elapsed() >= 87, qPrintable(QString::number(clock.elapsed())));

    const QByteArrayList items = client.items();
    QCOMPARE(items.count("4,0"), 1);
    // Periodic reports (every 40 ms) and the page's own, percent rising.
    QStringList percents;
    double last = -1.0;
    for (const QByteArray &item : items.mid(0, items.indexOf("4,0"))) {
        const QByteArrayList fields = item.split(',');
        QCOMPARE(fields.size(), 9);
        QCOMPARE(fields.at(1), QByteArray("1"));
        const double percent = fields.at(5).toDouble();
        QVERIFY(percent > last);
        last = percent;
        percents << QString::fromLatin1(fields.at(5));
    }
    QVERIFY2(percents.size() >= 2, qPrintable(percents.join(' ')));
    QCOMPARE(last, 100.0);
}

void tst_vxsim::pause_holds_the_knife()
{
    SimulatorOptions options;
    options.cut_speed_mm_per_second = 1000.0;
    options.progress_interval_ms = 20;
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    client.send("PPLT", "PU0,0;PD8000,0;PG;"); // 200 mm: 0.2 s, paused some 20 ms in
    QVERIFY(wait_until([&] { return progress_reports_in(client.items()) >= 1; }, kWaitMs));
    client.send("CCMD", "27,0;");
    QVERIFY(client.wait_for_item("27,0,0"));
    const int held_at = client.frames.size();
    run_events_for(60); // three progress intervals
    QCOMPARE(client.frames.size(), held_at);

    client.send("CCMD", "27,1;");
    QVERIFY(client.wait_for_item("4,0", held_at));
    QCOMPARE(client.items().mid(held_at, 1), QByteArrayList{"27,0,1"});
}

void tst_vxsim::job_survives_wire_faults_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("noise");
    QTest::addColumn<bool>("duplicate");

    QTest::newRow("clean") << 0 << false << false;
    QTest::newRow("split into single bytes") << 1 << false << false;
    QTest::newRow("split into 7 bytes") << 7 << false << false;
    QTest::newRow("noise") << 0 << true << false;
    QTest::newRow("duplicate progress") << 0 << false << true;
    QTest::newRow("all three") << 3 << true << true;
}

void tst_vxsim::job_survives_wire_faults()
{
    QFETCH(int, split);
    QFETCH(bool, noise);
    QFETCH(bool, duplicate);

    SimulatorOptions options;
    options.split_chunk_bytes = split;
    options.split_interval_ms = 0; // a chunk a turn: the writes are counted, not timed
    options.noise = noise;
    options.duplicate_progress = duplicate;
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    QSignalSpy writes(simulator.get(), &ControllerSimulator::bytes_written);
    SimClient client(simulator.port);

    const QByteArrayList clean{"51,0,V3.4.37", "30,0", "66,1,job.plt,2,0,50,0,0,0", "4,0",
                               "30,0", "66,1,job.plt,2,1,100,0,0,0", "4,0",
                               "66,0,job.plt,2,2,100,0,0,0"};
    QByteArrayList expected;
    for (const QByteArray &item : clean) {
        expected << item;
        if (duplicate && item.startsWith("66,"))
            expected << item;
    }
    client.send("CCMD", "51;");
    client.send("CCMD", "30,2;");
    client.send("PPLT", kPageA);
    client.send("CCMD", "4;");
    QVERIFY(wait_until([&] { return client.items().count("4,0") == 1; }, kWaitMs));
    client.send("CCMD", "30,1;");
    QVERIFY(wait_until([&] { return client.frames.size() >= expected.size(); }, kWaitMs));
    run_events_for(kSettleMs);
    QCOMPARE(client.items(), expected);

    int written = 0;
    for (const QList<QVariant> &write : qAsConst(writes)) {
        const int size = write.first().toByteArray().size();
        written += size;
        if (split > 0)
            QVERIFY(size <= split);
    }
    QCOMPARE(written, client.raw.size());

    int frame_bytes = 0;
    for (const QByteArray &frame : qAsConst(client.frames))
        frame_bytes += frame.size();
    QCOMPARE(client.raw.size() > frame_bytes, noise);
    // Noise carries stray STX bytes that a receiver has to skip.
    QCOMPARE(client.raw.count('\x02') > client.frames.size(), noise);
}

void tst_vxsim::drops_client_after_pages()
{
    SimulatorOptions options;
    options.drop_after_pages = 2;
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    client.send("PPLT", kPageA);
    QVERIFY(client.wait_for_item("4,0"));
    QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
    client.send("PPLT", kPageB);
    VX_TRY_COMPARE_WITH_TIMEOUT(client.socket.state(), QAbstractSocket::UnconnectedState, kWaitMs);
    // The second page was reported before the line went down.
    QCOMPARE(client.items().count("4,0"), 2);

    // The job went with the connection: the next client finds the machine idle.
    SimClient next(simulator.port);
    next.send("CCMD", "4;");
    QVERIFY(next.wait_for_item("4,0"));
    next.send("PPLT", kPageA);
    QVERIFY(next.wait_for_item("66,1,job.plt,1,0,100,0,0,0"));
    QCOMPARE(next.socket.state(), QAbstractSocket::ConnectedState);
}

void tst_vxsim::machine_stop_after_pages()
{
    SimulatorOptions options;
    options.machine_stop_after_pages = 1;
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    client.send("CCMD", "30,2;");
    client.send("PPLT", kPageA);
    QVERIFY(client.wait_for_item("1001,0"));
    client.send("CCMD", "4;");
    QVERIFY(wait_until([&] { return client.frames.size() >= 5; }, kWaitMs));
    run_events_for(kSettleMs);
    // The status request finds the machine idle: no copy is left to close.
    QCOMPARE(client.items(), (QByteArrayList{"30,0", "66,1,job.plt,2,0,50,0,0,0", "4,0", "1001,0", "4,0"}));
}

void tst_vxsim::silent_after_pages()
{
    SimulatorOptions options;
    options.silent_after_pages = 1;
    const RunningSimulator simulator(options);
    QVERIFY(simulator.port);
    SimClient client(simulator.port);

    client.send("CCMD", "30,2;");
    client.send("PPLT", kPageA);
    QVERIFY(client.wait_for_item("4,0"));
    // The link stays up; the firmware read and the stop go unanswered.
    client.send("CCMD", "51;");
    client.send("CCMD", "27,2;");
    run_events_for(kSettleMs);
    QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
    QCOMPARE(client.items(), (QByteArrayList{"30,0", "66,1,job.plt,2,0,50,0,0,0", "4,0"}));
}

void tst_vxsim::new_client_replaces_old()
{
    const RunningSimulator simulator;
    QVERIFY(simulator.port);
    QSignalSpy connected(simulator.get(), &ControllerSimulator::client_connected);
    SimClient first(simulator.port);
    QVERIFY(connected.wait(kWaitMs));

    SimClient second(simulator.port);
    VX_TRY_COMPARE_WITH_TIMEOUT(first.socket.state(), QAbstractSocket::UnconnectedState, kWaitMs);
    second.send("CCMD", "51;");
    QVERIFY(second.wait_for_item("51,0,V3.4.37"));
}

void tst_vxsim::serves_pseudo_terminal()
{
    ControllerSimulator simulator;
    const QString slave = simulator.open_pty();
    QVERIFY2(!slave.isEmpty(), qPrintable(simulator.error_string()));

    const int fd = ::open(QFile::encodeName(slave).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    const QByteArray request = vx::frame("CCMD", "18;") + vx::frame("PPLT", kPageA) + vx::frame("CCMD", "4;");
    QCOMPARE(::write(fd, request.constData(), size_t(request.size())), ssize_t(request.size()));

    ReceiveBuffer cutter;
    QByteArrayList items;
    const bool complete = wait_until(
        [&] {
            char buffer[512];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            for (const QByteArray &frame : cutter.feed(QByteArray(buffer, n > 0 ? int(n) : 0)))
                items << items_of(frame);
            return items.size() >= 4;
        },
        kWaitMs);
    ::close(fd);
    QVERIFY(complete);
    QCOMPARE(items, (QByteArrayList{"18,0,0.5,-20", "66,1,job.plt,1,0,100,0,0,0", "4,0",
                                    "66,0,job.plt,1,1,100,0,0,0"}));
}

void tst_vxsim::program_answers_over_tcp_data()
{
    QTest::addColumn<int>("machines");
    QTest::newRow("one machine") << 1;
    QTest::newRow("three machines, each with its own port and job") << 3;
}

void tst_vxsim::program_answers_over_tcp()
{
#ifndef VXSIM_PATH
    QSKIP("built without the path of the vxsim program");
#else
    QFETCH(int, machines);
    QProcess program;
    program.start(QStringLiteral(VXSIM_PATH),
                  {"--port", "0", "--file-name", "box.plt", "--machines", QString::number(machines)});
    QVERIFY2(program.waitForStarted(kWaitMs), qPrintable(program.errorString()));
    QSet<quint16> ports;
    while (ports.size() < machines) {
        QVERIFY(wait_until([&] { return program.canReadLine(); }, kWaitMs));
        const QByteArray line = program.readLine().trimmed();
        QVERIFY2(line.startsWith("listening 127.0.0.1:"), line.constData());
        const quint16 port = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
        QVERIFY(port != 0 && !ports.contains(port));
        ports.insert(port);
    }

    // All connected at once: a machine that shared another's job would end it.
    std::vector<std::unique_ptr<SimClient>> clients;
    for (const quint16 port : qAsConst(ports))
        clients.push_back(std::make_unique<SimClient>(port));
    for (const auto &client : clients) {
        client->send("CCMD", "51;");
        client->send("PPLT", kPageA);
        client->send("CCMD", "4;");
    }
    for (const auto &client : clients) {
        QVERIFY(client->wait_for_item("66,0,box.plt,1,1,100,0,0,0"));
        QCOMPARE(client->items().first(), QByteArray("51,0,V3.4.37"));
    }

    program.terminate();
    QVERIFY(program.waitForFinished(kWaitMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
#endif
}

// vxsim --replay with a trace a full disk cut short, and with one of a
// format version it does not read.
void tst_vxsim::replays_traces_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("err");
    QTest::addColumn<bool>("serves");
    const QByteArray asked = "{\"t\":0,\"dir\":\"tx\",\"link\":\"TCP\",\"text\":\"\\u000213;CCMD;51;\\u0003\"}\n"
                             "{\"t\":5,\"dir\":\"rx\",\"link\":\"TCP\",\"text\":\"\\u000218;CCMD;51,0,V1;\\u0003\"}\n";
    QTest::newRow("cut off by a full disk")
        << "{\"vx_trace\":1}\n" + asked + "{\"t\":9,\"dir\":\"rx\",\"li"
        << "vxsim: warning: %1:4: the last line is cut off after 21 bytes; read up to the line before it" << true;
    QTest::newRow("a later format version")
        << "{\"vx_trace\":2}\n" + asked << "vxsim: %1: trace format version 2 is not one this program reads" << false;
}

void tst_vxsim::replays_traces()
{
#ifndef VXSIM_PATH
    QSKIP("built without the path of the vxsim program");
#else
    QFETCH(QByteArray, file);
    QFETCH(QString, err);
    QFETCH(bool, serves);
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.jsonl");
    QFile trace(path);
    QVERIFY(trace.open(QIODevice::WriteOnly) && trace.write(file) == file.size());
    trace.close();
    QProcess program;
    program.start(QStringLiteral(VXSIM_PATH), {"--replay", path, "--fast", "--port", "0"});
    QVERIFY2(program.waitForStarted(kWaitMs), qPrintable(program.errorString()));
    if (!serves) {
        QVERIFY(program.waitForFinished(kWaitMs));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY2(program.readAllStandardError().contains(err.arg(path).toUtf8()), qPrintable(err.arg(path)));
        return;
    }
    QVERIFY(wait_until([&] { return program.canReadLine(); }, kWaitMs));
    const QByteArray listening = program.readLine().trimmed();
    QByteArray errors;
    const auto warned = [&] { return (errors += program.readAllStandardError()).contains(err.arg(path).toUtf8()); };
    QVERIFY2(wait_until(warned, kWaitMs), errors.constData());
    SimClient client(quint16(listening.mid(listening.lastIndexOf(':') + 1).toUInt()));
    client.send("CCMD", "51;");
    QVERIFY(client.wait_for_item("51,0,V1"));
    program.terminate();
    QVERIFY(program.waitForFinished(kWaitMs));
#endif
}

QTEST_GUILESS_MAIN(tst_vxsim)
#include "tst_vxsim.moc"
