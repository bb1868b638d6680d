// The controller side of the streaming benchmark, in its own process on
// plain blocking sockets. "reply" answers every PPLT page with "4,0" as soon
// as its last byte is in and times, on its own clock, how long after that
// answer left the next page's first byte and last byte arrive; "reply
// PAGES" closes the link after answering that many pages. "sink TOTAL"
// just reads TOTAL bytes and answers one byte. Prints "port=N" first, its
// figures at the end.
#include "frame.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

double now_us()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

int accept_one()
{
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (server < 0 || bind(server, reinterpret_cast<sockaddr *>(&address), length) != 0
        || listen(server, 1) != 0 || getsockname(server, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return -1;
    std::printf("port=%d\n", ntohs(address.sin_port));
    std::fflush(stdout);
    const int client = accept(server, nullptr, nullptr);
    close(server);
    const int one = 1;
    setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return client;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Tells frames apart by their first bytes and only scans the rest for ETX:
// the controller answers a page as soon as its last byte is in, without
// copying it anywhere.
class PageWatch
{
public:
    // Calls `on_page` for every PPLT frame that ends in [p, end).
    template<typename F>
    bool take(const char *p, const char *end, F on_page)
    {
        while (p < end) {
            if (!m_in_frame) {
                p = static_cast<const char *>(std::memchr(p, vx::STX, size_t(end - p)));
                if (!p)
                    return true;
                m_in_frame = true;
                m_head.clear();
            }
            while (m_head.size() < kHeadBytes && p < end && *p != vx::ETX)
                m_head.push_back(*p++);
            const char *etx = static_cast<const char *>(std::memchr(p, vx::ETX, size_t(end - p)));
            if (!etx)
                return true;
            m_in_frame = false;
            p = etx + 1;
            if (m_head.find(";PPLT;") != std::string::npos && !on_page())
                return false;
        }
        return true;
    }

private:
    static constexpr size_t kHeadBytes = 24; // STX, length, ";PPLT;" and more
    std::string m_head;
    bool m_in_frame = false;
};

int run_reply(int client, int last_page)
{
    const QByteArray answer = vx::frame("CCMD", "4,0;");
    PageWatch watch;
    std::vector<char> chunk(256 * 1024);
    std::vector<double> first_byte;
    std::vector<double> whole_page;
    long long bytes = 0;
    int pages = 0;
    double answered_at = -1; // when the last answer left; -1 once the next page began
    double last_answer = -1;
    for (;;) {
        const ssize_t got = read(client, chunk.data(), chunk.size());
        if (got <= 0)
            break;
        const double arrived = now_us();
        if (answered_at >= 0) {
            first_byte.push_back(arrived - answered_at);
            answered_at = -1;
        }
        bytes += got;
        const bool answered = watch.take(chunk.data(), chunk.data() + got, [&] {
            ++pages;
            if (last_answer >= 0)
                whole_page.push_back(arrived - last_answer);
            if (write(client, answer.constData(), size_t(answer.size())) != answer.size())
                return false;
            answered_at = last_answer = now_us();
            return true;
        });
        if (!answered)
            return 1;
        if (last_page > 0 && pages >= last_page)
            break;
    }
    std::printf("pages=%d bytes=%lld first_byte_median_us=%.1f whole_page_median_us=%.1f samples=%zu\n", pages,
                bytes, median(first_byte), median(whole_page), first_byte.size());
    return 0;
}

int run_sink(int client, long long total)
{
    std::vector<char> chunk(256 * 1024);
    long long bytes = 0;
    while (bytes < total) {
        const ssize_t got = read(client, chunk.data(), chunk.size());
        if (got <= 0)
            return 1;
        bytes += got;
    }
    if (write(client, "k", 1) != 1)
        return 1;
    while (read(client, chunk.data(), chunk.size()) > 0) {
    }
    std::printf("bytes=%lld\n", bytes);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool reply = (argc == 2 || argc == 3) && std::strcmp(argv[1], "reply") == 0;
    const bool sink = argc == 3 && std::strcmp(argv[1], "sink") == 0;
    if (!reply && !sink) {
        std::fprintf(stderr, "usage: vxbench_peer reply [PAGES] | sink TOTAL\n");
        return 2;
    }
    alarm(600); // never outlives a stuck benchmark by long
    const int client = accept_one();
    if (client < 0)
        return 1;
    const int status = reply ? run_reply(client, argc == 3 ? std::atoi(argv[2]) : 0)
                             : run_sink(client, std::atoll(argv[2]));
    close(client);
    return status;
}
