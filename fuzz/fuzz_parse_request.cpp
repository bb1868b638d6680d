// The simulator's request parser on any bytes. A request is invalid
// exactly when it says why; a command or job it accepts, framed again the
// way the plugin frames it, parses to the same request.
#include "controller_request.h"
#include "frame.h"
#include "fuzz_app.h"

#include <cstdlib>

using vx::sim::ControllerRequest;

namespace {

void check_reframed(const ControllerRequest &request)
{
    QByteArray frame;
    if (request.kind == ControllerRequest::Kind::Command) {
        QByteArray body = QByteArray::number(request.number);
        for (const QByteArray &field : request.fields)
            body += ',' + field;
        frame = vx::frame("CCMD", body + ';');
    } else if (request.kind == ControllerRequest::Kind::JobText) {
        frame = vx::frame(request.frameName, request.jobText);
    } else {
        return;
    }
    const ControllerRequest again = vx::sim::parse_request(frame);
    if (again.kind != request.kind || again.frameName != request.frameName || again.number != request.number
        || again.fields != request.fields || again.jobText != request.jobText)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    const ControllerRequest request =
        vx::sim::parse_request(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if ((request.kind == ControllerRequest::Kind::Invalid) == request.error.isEmpty())
        std::abort();
    check_reframed(request);
    return 0;
}
