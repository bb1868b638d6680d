#pragma once

// Numbers of HP-GL parameter lists: the interpreter's hot path, inlined
// where it reads them.

#include <QtCore/QtGlobal>

namespace hpgl {

constexpr double kLargest = 1073741823.0; // 2^30 - 1, HP-GL's range

inline bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline bool is_digit(char c)
{
    return unsigned(c - '0') < 10u;
}

// A number of the parameter list, independent of the C locale; false at
// the end of the parameters. Digits gather in an integer, which keeps a
// run of them exact and off the floating-point unit's latency.
Q_ALWAYS_INLINE bool next_number(const char *&at, const char *end, double *value)
{
    while (at < end && (*at == ',' || is_space(*at)))
        ++at;
    if (at == end)
        return false;
    bool negative = false;
    if (*at == '-' || *at == '+')
        negative = *at++ == '-';
    // Beyond HP-GL's range a number would only make infinities: 18 digits
    // are far beyond it, and more are not gathered.
    constexpr int kGathered = 18;
    quint64 whole = 0;
    const char *const first = at, *const gathered = at + qMin<qint64>(end - at, kGathered);
    for (; at < gathered && is_digit(*at); ++at)
        whole = whole * 10u + quint64(*at - '0');
    bool digits = at > first;
    double number = double(whole);
    if (Q_UNLIKELY(at == gathered && at < end && is_digit(*at))) {
        while (at < end && is_digit(*at))
            ++at;
        number = kLargest;
    }
    if (at < end && *at == '.') {
        static const double kScale[kGathered + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                                     1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
        quint64 fraction = 0;
        int places = 0;
        for (++at; at < end && is_digit(*at) && places < kGathered; ++at, ++places)
            fraction = fraction * 10u + quint64(*at - '0');
        for (; at < end && is_digit(*at); ++at)
            ++places;
        digits = digits || places > 0;
        number += double(fraction) / kScale[qMin(places, kGathered)];
    }
    *value = negative ? -qMin(number, kLargest) : qMin(number, kLargest);
    return digits;
}

} // namespace hpgl
