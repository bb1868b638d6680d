// Job files as producers write them: what the dry run measures and what
// is sent, read by PlotterFile from real files.
#include "plotter_file.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <cmath>

class tst_hpgl : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    // Drawings exported to HP-GL once by Inkscape (tests/data/inkscape): its
    // file measured as its coordinates say, our import of the drawing
    // agreeing with its export.
    void agrees_with_reference_data();
    void agrees_with_reference();

private:
    QTemporaryDir m_dir;
};

void tst_hpgl::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("pages");      // 0: refused
    QTest::addColumn<double>("cut_mm");
    QTest::addColumn<QByteArray>("sent"); // from page 1; empty: not checked
    QTest::addColumn<QString>("note");   // in the notes, or in the refusal

    const double circle = 2 * M_PI * 100; // r = 100 mm
    QTest::newRow("circle") << QByteArray("IN;PU4000,4000;CI4000;") << 1 << circle << QByteArray() << QString();
    QTest::newRow("arcs AA and AR") << QByteArray("IN;PU0,0;PD;AA0,4000,180;AR0,-4000,-180;") << 1 << circle
                                    << QByteArray() << QString();
    QTest::newRow("rectangles EA and RR") << QByteArray("IN;PU0,0;EA4000,6000;RR-1000,-1000;") << 1 << 600.0
                                          << QByteArray() << QString();
    QTest::newRow("10 mm square scaled") << QByteArray("IN;IP0,0,4000,4000;SC0,10,0,10;PU0,0;PD10,0,10,10,0,10,0,0;")
                                         << 1 << 400.0 << QByteArray() << QString();
    QTest::newRow("polygon edged") << QByteArray("PM0;PD4000,0,4000,4000;PM2;EP;") << 1 << 200 + 100 * M_SQRT2
                                   << QByteArray() << QString();
    QTest::newRow("label to its DT terminator") << QByteArray("IN;DT@;LBhi;PD@PD400,0;") << 1 << 10.0
                                                << QByteArray("IN;DT@;LBhi;PD@;PD400,0;PG;") << "1 command closed";
    QTest::newRow("UTF-8 label") << QByteArray("IN;DT@;LB\xe5\x88\x87\xe5\x89\xb2@;PD400,0;") << 1 << 10.0
                                 << QByteArray("IN;DT@;LB\xe5\x88\x87\xe5\x89\xb2@;PD400,0;PG;") << QString();
    QTest::newRow("label holding PG; is cut there") << QByteArray("IN;DT@;LBaPG;b@;PD400,0;") << 2 << 10.0
                                                    << QByteArray() << QString();
    QTest::newRow("text holding PG; is cut there") << QByteArray("PD400,0;WDaPG;PU;") << 2 << 10.0
                                                   << QByteArray() << QString();
    QTest::newRow("no ; between commands") << QByteArray("SP1PA2640,1753PD2640,2000") << 1 << 247 / 40.0
                                           << QByteArray("SP1;PA2640,1753;PD2640,2000;PG;") << "3 commands closed";
    QTest::newRow("line ends, empty command") << QByteArray("PU0,0\nPD400,0;;\r\nPU;") << 1 << 10.0
                                              << QByteArray("PU0,0;\nPD400,0;\r\nPU;PG;")
                                              << "1 command closed, 1 empty command dropped";
    QTest::newRow("BOM, trailing FF ESC ^Z") << QByteArray("\xef\xbb\xbfPD400,0;\f\x1b\x1a") << 1 << 10.0
                                             << QByteArray("PD400,0;PG;")
                                             << "byte-order mark dropped, trailing form feed dropped, "
                                                "trailing ESC dropped, trailing Ctrl-Z dropped";
    QTest::newRow("pg; and PG1; make pages") << QByteArray("PD400,0;pg;PD400,0;PG1;PD0,0;PG") << 3 << 20.0
                                             << QByteArray("PD400,0;PG;PD400,0;PG;PD0,0;PG;")
                                             << "1 command closed, 2 page advances written \"PG;\"";
    QTest::newRow("unknown command") << QByteArray("IN;XY12;PD400,0;") << 1 << 10.0 << QByteArray()
                                     << "not measured (the figures leave them out): XY at offset 3";
    QTest::newRow("STX") << QByteArray("IN;\x02PD1,1;") << 0 << 0.0 << QByteArray() << "byte 0x02 at offset 3";
    QTest::newRow("ETX") << QByteArray("IN;DT@;LB\x03@;") << 0 << 0.0 << QByteArray() << "byte 0x03 at offset 9";
    QTest::newRow("NUL") << QByteArray("IN;PD1,1\0;", 10) << 0 << 0.0 << QByteArray() << "byte 0x00 at offset 8";
    QTest::newRow("ESC before a command") << QByteArray("PD1,1;\x1bPU;") << 0 << 0.0 << QByteArray()
                                          << "byte 0x1b at offset 6";
    QTest::newRow("label without terminator") << QByteArray("IN;LBabc;PD1,1;") << 0 << 0.0 << QByteArray()
                                              << "label at offset 3 has no end";
    QTest::newRow("unknown command unclosed by ;") << QByteArray("XY1PD1,1;") << 0 << 0.0 << QByteArray()
                                                   << "\"XY1PD1,1\" at offset 0 has parameters that are no numbers";
}

void tst_hpgl::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(int, pages);
    QFETCH(QByteArray, sent);
    QFETCH(QString, note);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".plt");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    PlotterFile plotter;
    QString error;
    const bool read = plotter.read(path, &error);
    QCOMPARE(read, pages > 0);
    if (!read) {
        QVERIFY2(error.contains(note), qPrintable(error));
        return;
    }
    const PlotterStats &stats = plotter.stats();
    QCOMPARE(stats.pages, pages);
    // Chords fall short of the arc by well under 0.05 % of its length.
    QFETCH(double, cut_mm);
    QVERIFY2(std::abs(stats.cut / PlotterStats::kUnitsPerMm - cut_mm) <= 0.0005 * cut_mm + 0.001,
             qPrintable(QString::number(stats.cut / PlotterStats::kUnitsPerMm)));
    if (!sent.isEmpty())
        QCOMPARE(plotter.text_from_page(1).toUtf8(), sent);
    // Keeping the points for a picture measures the same.
    PlotterFile kept;
    kept.set_keep_paths(true);
    QVERIFY(kept.read(path, &error));
    QCOMPARE(kept.stats().cut, stats.cut);
    QCOMPARE(kept.stats().travel, stats.travel);
    QCOMPARE(QRectF(QPointF(kept.stats().min_x, kept.stats().min_y), QPointF(kept.stats().max_x, kept.stats().max_y)),
             QRectF(QPointF(stats.min_x, stats.min_y), QPointF(stats.max_x, stats.max_y)));
    QVERIFY2(changes_note(stats).contains(note), qPrintable(changes_note(stats)));
}

void tst_hpgl::agrees_with_reference_data()
{
    QTest::addColumn<QStringList>("figures"); // file, box (min x, min y, max x, max y), cut, travel
    QFile table(QStringLiteral(REFERENCE_DIR "/figures.tsv"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    table.readLine(); // the header
    while (!table.atEnd()) {
        const QStringList figures = QString::fromUtf8(table.readLine()).trimmed().split('\t');
        QTest::newRow(qPrintable(figures.first())) << figures;
    }
}

void tst_hpgl::agrees_with_reference()
{
    QFETCH(QStringList, figures);
    QCOMPARE(figures.size(), 7);
    const QString hpgl = QStringLiteral(REFERENCE_DIR "/") + figures[0];
    PlotterFile exported, imported;
    QString error;
    QVERIFY2(exported.read(hpgl, &error), qPrintable(error));
    QVERIFY2(imported.read(QString(hpgl).replace(QLatin1String(".hpgl"), QLatin1String(".svg")), &error),
             qPrintable(error));
    const PlotterStats &ours = imported.stats(), &theirs = exported.stats();
    const double box[] = {theirs.min_x, theirs.min_y, theirs.max_x, theirs.max_y};
    const double our_box[] = {ours.min_x, ours.min_y, ours.max_x, ours.max_y};
    // The exporter writes whole units: its file's own figures, exactly.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box[i], figures[1 + i].toDouble());
    QVERIFY2(std::abs(theirs.cut - figures[5].toDouble()) < 0.001, qPrintable(QString::number(theirs.cut, 'f', 3)));
    QVERIFY2(std::abs(theirs.travel - figures[6].toDouble()) < 0.001,
             qPrintable(QString::number(theirs.travel, 'f', 3)));
    // The drawing imported: its box within 0.2 mm (8 units) in place and
    // size, its cut within 0.5 %.
    for (int i = 0; i < 4; ++i)
        QVERIFY2(std::abs(our_box[i] - box[i]) <= 8.0, qPrintable(QString::number(our_box[i])));
    QVERIFY2(std::abs((ours.max_x - ours.min_x) - (theirs.max_x - theirs.min_x)) <= 8.0, "box width");
    QVERIFY2(std::abs((ours.max_y - ours.min_y) - (theirs.max_y - theirs.min_y)) <= 8.0, "box height");
    QVERIFY2(std::abs(ours.cut - theirs.cut) <= 0.005 * theirs.cut,
             qPrintable(QStringLiteral("%1 against %2").arg(ours.cut).arg(theirs.cut)));
}

// A GUI application: lettering in a drawing needs its fonts.
QTEST_MAIN(tst_hpgl)
#include "tst_hpgl.moc"
