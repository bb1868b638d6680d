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
    void receivePage(const QByteArray &plotterText);
    // QR_PLT: what each QR-code copy cuts.
    void setQrCodeJob(const QByteArray &plotterText);
    void requestStatus();
    void requestQrCode();
    // A CCMD write 30: sets the copies, or asks for one more copy.
    void writeCopies(const QList<QByteArray> &fields);
    // A CCMD write 27: 0 pause, 1 resume, 2 stop.
    void control(int action);
    // Stop pressed on the machine: the job ends and 1001 is reported.
    void pressMachineStop();
    // The client is gone: the job ends without a word.
    void abort();

signals:
    void frameOut(const QByteArray &frame, bool isProgress);
    // After all reports for a page cut in any pass.
    void pageFinished();

private:
    enum class State {
        Idle,
        FirstPass,    // pages arriving and being cut
        AwaitingCopy, // a copy is done, more are ordered
        Repeating,    // cutting the stored job again
        QrCutting,
        QrAwaiting,   // a QR-code copy is done, more are ordered
    };

    void reset();
    void setState(State state);
    void startPass(State state, const QList<double> &pageLengths);
    void handlePageCut();
    void completeCopy();
    void sendProgress();
    void reply(const QByteArray &items);
    bool isCutting() const;

    RegisterFile *const m_registers;
    const QByteArray m_fileName;
    CuttingPass m_pass;
    State m_state = State::Idle;
    QList<double> m_pageLengths;
    double m_qrCodeLength;
    int m_unreportedPages = 0;
    bool m_statusRequested = false;
    int m_finished = 0;
    int m_qrSerial = 0;
};

} // namespace vx::sim
