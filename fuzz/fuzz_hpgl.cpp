// A design file through the HP-GL interpreter. Kept or not, the points do
// not change the figures; the text it gives to send reads back unchanged;
// where it says it wrote each "PG;", a search of that text agrees.
#include "fuzz_app.h"
#include "hpgl_interpreter.h"

#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    HpglInterpreter kept, measured;
    measured.set_keep_points(false);
    QString kept_fault, measured_fault;
    const bool read = kept.run(bytes, &kept_fault);
    check(measured.run(bytes, &measured_fault) == read && kept_fault == measured_fault);
    if (!read)
        return 0;
    check(kept.pages().size() == measured.pages().size());
    for (int i = 0; i < kept.pages().size(); ++i) {
        const PlotPage &a = kept.pages().at(i), &b = measured.pages().at(i);
        check(a.cut == b.cut && a.travel == b.travel && a.has_box == b.has_box);
        check(!a.has_box || (a.min_x == b.min_x && a.min_y == b.min_y && a.max_x == b.max_x && a.max_y == b.max_y));
        check(b.points.isEmpty() && b.strokes.isEmpty());
    }

    const QByteArray sent = kept.normalised();
    if (kept.page_marks_complete()) {
        QVector<qint64> found;
        for (int at = sent.indexOf("PG;"); at >= 0; at = sent.indexOf("PG;", at + 3))
            found.append(at);
        check(found == kept.page_marks());
    }
    HpglInterpreter again;
    QString fault;
    check(again.run(sent, &fault));
    check(again.changes().isEmpty() && again.normalised() == sent);
    return 0;
}
