#pragma once

#include "plot_path.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

// Reads HP-GL as producers write it and cutters parse it, in one pass,
// and gives what the controller takes: every command closed by ";", page
// advances written "PG;" (where the plugin cuts pages), empty commands,
// a leading UTF-8 byte-order mark and trailing form feeds, ESC and Ctrl-Z
// dropped. A mnemonic the interpreter knows may end where the next one
// starts (SP1PA10,10PD...); one it does not know must be closed by ";"
// and have numbers only, or the file is taken for no plotter text.
//
// The path is followed for IN DF PU PD PA PR CI AA AR EA ER RA RR PM EP
// SC IP PG; IW LT SP VS FS and labels (LB, up to the DT terminator) are
// kept without geometry (IW does not clip the measurement; filled
// rectangles are measured by their outline, which is what a knife cuts).
// Arcs and circles are flattened to chords that stray at most
// kChordTolerance plotter units (0.05 mm) from the true curve.
class HpglInterpreter
{
public:
    static constexpr double kChordTolerance = 2.0; // plotter units

    struct Unknown
    {
        qint64 offset;
        char name[2];
    };

    // False with the fault (offset included) for bytes that are no plotter
    // text: control bytes other than white space, invalid UTF-8, commands
    // that are not two letters, parameters that are no numbers.
    bool run(const QByteArray &bytes, QString *fault);
    // Keeps the points of the pages' paths (on unless told otherwise);
    // the figures are the same without them.
    void set_keep_points(bool keep) { m_keep_points = keep; }

    // The text to send: the file with the changes listed by changes().
    const QByteArray &normalised() const { return m_out; }
    QByteArray take_normalised() { return std::move(m_out); }
    // Each page after the last "PG;", nothing after it when it is empty.
    const QVector<PlotPage> &pages() const { return m_pages; }
    QVector<PlotPage> take_pages() { return std::move(m_pages); }
    // Where each "PG;" written stands in the normalised text. Not complete
    // when a label or a text parameter was sent, which may hold one too.
    const QVector<qint64> &page_marks() const { return m_page_marks; }
    bool page_marks_complete() const { return m_page_marks_complete; }
    // What was changed, for the operator: "3 commands closed", ...
    QStringList changes() const;
    // Commands kept and sent but not measured; at most kUnknownListed.
    static constexpr int kUnknownListed = 100;
    const QVector<Unknown> &unknown() const { return m_unknown; }
    int unknown_count() const { return m_unknown_count; }
    // False when the file drew more points than are kept (about one for
    // every eight bytes): the figures stay whole, the points stop.
    bool path_complete() const { return m_path_complete; }
    // True when a polygon was too large to buffer: it was followed only
    // to the bound and the figures are short.
    bool measured_short() const { return m_measured_short; }

private:
    struct State;
    QByteArray m_out;
    QVector<PlotPage> m_pages;
    QVector<qint64> m_page_marks;
    bool m_page_marks_complete = true;
    bool m_keep_points = true;
    QVector<Unknown> m_unknown;
    int m_unknown_count = 0;
    int m_closed = 0, m_empty = 0, m_pages_rewritten = 0;
    int m_form_feeds = 0, m_escapes = 0, m_ctrl_z = 0;
    bool m_bom = false;
    bool m_path_complete = true;
    bool m_measured_short = false;
};
