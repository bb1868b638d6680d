#pragma once

#include "job_flow.h"
#include "register_file.h"
#include "simulator_options.h"

#include <QtCore/QObject>

namespace vx::sim {

struct ControllerRequest;

// The controller without its transports: takes parsed requests, answers
// with whole frames through frame_out.
class ControllerModel : public QObject
{
    Q_OBJECT

public:
    explicit ControllerModel(const SimulatorOptions &options, QObject *parent = nullptr);

    void handle(const ControllerRequest &request);
    JobFlow &jobs() { return m_jobs; }

signals:
    void frame_out(const QByteArray &frame, bool is_progress);
    void page_finished();

private:
    void handle_command(int number, const QList<QByteArray> &fields);
    void reply(const QByteArray &frame) { emit frame_out(frame, false); }

    RegisterFile m_registers;
    JobFlow m_jobs;
    int m_refused_command = 0;
};

} // namespace vx::sim
