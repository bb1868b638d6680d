#pragma once

#include "cutting_pass.h"
#include "simulator_options.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>

namespace vx::sim {

class RegisterFile;

// Jobs, copies, QR-code copies, pause/resume/stop and the reports that go
// with them: "4,0" per finished page or copy and progress reports (66).
class JobFlow : public QObject
{
    Q_OBJECT

public:
    JobFlow(RegisterFile *registers, const SimulatorOptions &options, QObject *parent = nullptr);

    // PPLT or PLT: a page of the current job, or the first of a new one.
    void receive_page(const QByteArray &plotter_text);
    // QR_PLT: what each QR-code copy cuts.
    void set_qr_code_job(const QByteArray &plotter_text);
    void request_status();
    void request_qr_code();
    // A CCMD write 30: sets the copies, or asks for one more copy.
    void write_copies(const QList<QByteArray> &fields);
    // A CCMD write 27: 0 pause, 1 resume, 2 stop.
    void control(int action);
    // Stop pressed on the machine: the job ends and 1001 is reported.
    void press_machine_stop();
    // The client is gone: the job ends without a word.
    void abort();

signals:
    void frame_out(const QByteArray &frame, bool is_progress);
    // After all reports for a page cut in any pass.
    void page_finished();

private:
    enum class State {
        Idle,
        FirstPass,    // pages arriving and being cut
        AwaitingCopy, // a copy is done, more are ordered
        Repeating,    // cutting the stored job again
        QrCutting,
        QrAwaiting,   // a QR-code copy is done, more are ordered
        QrPages,      // a listed code was reported: its pages arrive and are cut
    };

    void reset();
    void set_state(State state);
    void start_pass(State state, const QList<double> &page_lengths);
    void handle_page_cut();
    void complete_copy();
    void send_progress();
    void reply(const QByteArray &items);
    bool is_cutting() const;
    bool takes_pages_one_by_one() const;

    RegisterFile *const m_registers;
    const QByteArray m_file_name;
    const QList<QByteArray> m_qr_codes;
    const bool m_ignore_stop;
    CuttingPass m_pass;
    State m_state = State::Idle;
    QList<double> m_page_lengths;
    double m_qr_code_length;
    int m_unreported_pages = 0;
    bool m_status_requested = false;
    int m_finished = 0;
    int m_qr_serial = 0;
};

} // namespace vx::sim
