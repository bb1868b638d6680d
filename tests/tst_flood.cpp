// Hostile or endless input on a machine instance's receive path: memory
// stays bounded and the instance still takes a valid frame afterwards,
// also while the session is recorded into a trace.
// VX_FLOOD_MIB sets the size of each flood phase (default 32; 16 under
// AddressSanitizer, still sixteen times the receive buffer's limit).
#include "frame.h"
#include "vxcommoninterface_p.h"
#include "loopback_peer.h"
#include "memory_use.h"
#include "trace_file_writer_p.h"
#include "trace_format.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QFile>
#include <QtCore/QRandomGenerator>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <sched.h>


namespace {

constexpr int kChunk = 10 * 1024;
constexpr qint64 kMiB = 1024 * 1024;
// A quarter of a default flood: a receive path that keeps a share of what
// it drops fails. It keeps about 1 MiB, a partial frame at the limit.
constexpr qint64 kBound = 8 * kMiB;

enum Phase { RandomBytes, StxOnly, OneStxThenText, EtxOnly };

qint64 flood_bytes()
{
    bool ok = false;
    const qint64 mib = qEnvironmentVariableIntValue("VX_FLOOD_MIB", &ok);
    const qint64 default_mib = under_address_sanitizer() ? 16 : 32;
    return (ok && mib > 0 ? mib : default_mib) * kMiB;
}

void fill(QByteArray &chunk, Phase phase, QRandomGenerator &random, bool first)
{
    switch (phase) {
    case RandomBytes:
        random.fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        break;
    case StxOnly:
        chunk.fill(vx::STX);
        break;
    case OneStxThenText:
        chunk.fill('a');
        if (first)
            chunk[0] = vx::STX;
        break;
    case EtxOnly:
        chunk.fill(vx::ETX);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_flood : public QObject
{
    Q_OBJECT

private slots:
    void flood_stays_bounded_data();
    void flood_stays_bounded();
    void progress_reports_stay_bounded();
    void recorder_stays_bounded_data();
    void recorder_stays_bounded();
};

void tst_flood::flood_stays_bounded_data()
{
    QTest::addColumn<QList<int>>("phases");
    QTest::newRow("random bytes, then STX without ETX") << QList<int>{RandomBytes, StxOnly};
    QTest::newRow("one STX, then text without ETX") << QList<int>{OneStxThenText};
    QTest::newRow("ETX without STX") << QList<int>{EtxOnly};
}

void tst_flood::flood_stays_bounded()
{
    QFETCH(QList<int>, phases);
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    auto *driver = VXCommonInterfacePrivate::get(static_cast<VXCommonInterface *>(device.data()));
    QRandomGenerator random(20240607);
    QByteArray chunk(kChunk, Qt::Uninitialized);
    const qint64 chunks = flood_bytes() / kChunk;

    PeakMeter meter;
    for (const int phase : phases) {
        for (qint64 i = 0; i < chunks; ++i) {
            fill(chunk, Phase(phase), random, i == 0);
            driver->slot_usb_read(chunk);
            if (i % 64 == 0)
                meter.sample();
        }
    }
    const qint64 growth = meter.growth();
    qInfo("memory growth over the flood: %.1f MiB", double(growth) / kMiB);
    QVERIFY2(growth < kBound, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));

    driver->slot_usb_read(vx::frame("CCMD", "51,0,V9;"));
    QCOMPARE(device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("V9"));
}

// A long job reports progress many times; each report replaces the task
// record's file name. Memory must not grow with the number of reports.
void tst_flood::progress_reports_stay_bounded()
{
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    auto *driver = VXCommonInterfacePrivate::get(static_cast<VXCommonInterface *>(device.data()));
    const auto report = [](int i) {
        return vx::frame("CCMD", "66,1,job.plt,2,0," + QByteArray::number(i % 1000 / 10.0) + ",0,0,0;");
    };
    for (int i = 0; i < 100; ++i) // warm up: first allocations of the record and the dispatch
        driver->slot_usb_read(report(i));

    const qint64 before = live_heap_bytes();
    QByteArray read;
    for (int i = 0; i < 30000; ++i) {
        read += report(i);
        if (i % 100 == 99) {
            driver->slot_usb_read(read);
            read.clear();
        }
    }
    const qint64 growth = live_heap_bytes() - before;
    qInfo("live heap growth over 30000 reports: %lld bytes", static_cast<long long>(growth));
    QCOMPARE(device->property_ptr("TASK")->value().toJsonObject().value("Percent").toInt(), 99);
    QVERIFY2(growth < 64 * 1024, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
}

// Noise on a recorded TCP link while the trace's writer, which takes only
// idle CPU time, gets none: the process on one core, kept busy. What waits
// for the disk stays within the writer's bound, the rest is a gap; small
// reads are kept without the socket's buffer each came in.
void tst_flood::recorder_stays_bounded_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("passes_bound");
    QTest::newRow("64 KiB writes, twice the bound") << 64 * 1024 << 2 * TraceFileWriter::kMaxWaitingBytes << true;
    QTest::newRow("10000 writes of 16 bytes") << 16 << qint64(16 * 10000) << false;
}

void tst_flood::recorder_stays_bounded()
{
    QFETCH(int, chunk);
    QFETCH(qint64, total);
    QFETCH(bool, passes_bound);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    cpu_set_t all;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    QVERIFY(sched_getaffinity(0, sizeof all, &all) == 0 && sched_setaffinity(0, sizeof one, &one) == 0);
    qputenv(vx::trace::kFolderVariable, QFile::encodeName(folder.path()));
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    qunsetenv(vx::trace::kFolderVariable);
    LoopbackPeer peer;
    QVERIFY(peer.attach(device.data()));

    QRandomGenerator random(20240608);
    QByteArray bytes(chunk, Qt::Uninitialized);
    PeakMeter meter;
    for (qint64 sent = 0; sent < total;) {
        if (peer.bytes_to_write() == 0) {
            random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            peer.send(bytes);
            sent += bytes.size();
        }
        QCoreApplication::processEvents();
        meter.sample();
    }
    const qint64 growth = meter.growth();
    device.reset(); // closes the trace, writing what waits
    sched_setaffinity(0, sizeof all, &all);
    qInfo("memory growth over the recorded flood: %.1f MiB", double(growth) / kMiB);

    const QStringList traces = QDir(folder.path()).entryList({QStringLiteral("*.jsonl")});
    QCOMPARE(traces.size(), 1);
    QFile trace(QDir(folder.path()).filePath(traces.first()));
    QVERIFY(trace.open(QIODevice::ReadOnly));
    QCOMPARE(trace.readAll().contains("\"event\":\"gap\""), passes_bound);
    QVERIFY2(growth < TraceFileWriter::kMaxWaitingBytes + kBound, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
}

QTEST_GUILESS_MAIN(tst_flood)
#include "tst_flood.moc"
