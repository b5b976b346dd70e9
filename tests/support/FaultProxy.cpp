// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FaultProxy.h"

#include <QFile>
#include <algorithm>
#include <arpa/inet.h>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace faultproxy {
namespace {

struct Link {
    int program = -1, scheduler = -1;
    long long sent = 0;  // program to scheduler
    bool frozen = false; // past the limit: nothing more passes
};

int connectTo(const QString& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void closeLink(Link& link) {
    ::close(link.program);
    ::close(link.scheduler);
    link.program = link.scheduler = -1;
}

} // namespace

FaultProxy::FaultProxy(const QString& schedulerSocket, Fault fault, long long bytesBeforeFault)
    : scheduler_(schedulerSocket)
    , fault_(fault)
    , limit_(bytesBeforeFault) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::pipe2(wake_, O_CLOEXEC) != 0) {
        ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

FaultProxy::~FaultProxy() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (const int fd : {listener_, wake_[0], wake_[1]})
        if (fd >= 0)
            ::close(fd);
}

QString FaultProxy::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

void FaultProxy::run() {
    std::vector<Link> links;
    char buffer[1 << 14];
    for (;;) {
        std::vector<pollfd> watched = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Link& link : links)
            if (!link.frozen) {
                watched.push_back({link.program, POLLIN, 0});
                watched.push_back({link.scheduler, POLLIN, 0});
            }
        if (::poll(watched.data(), watched.size(), -1) < 0)
            continue;
        if (watched[0].revents)
            break;
        if (watched[1].revents & POLLIN) {
            const int program = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            const int scheduler = program >= 0 ? connectTo(scheduler_) : -1;
            if (scheduler >= 0)
                links.push_back({program, scheduler});
            else if (program >= 0)
                ::close(program);
        }
        for (size_t w = 2; w < watched.size(); ++w) {
            if (!watched[w].revents)
                continue;
            for (Link& link : links) {
                const bool fromProgram = watched[w].fd == link.program;
                if (link.frozen || link.program < 0 ||
                    (!fromProgram && watched[w].fd != link.scheduler))
                    continue;
                long long room = fromProgram ? limit_ - link.sent : sizeof buffer;
                const ssize_t n = ::read(watched[w].fd, buffer,
                                         static_cast<size_t>(std::min<long long>(
                                             std::max<long long>(room, 1), sizeof buffer)));
                if (n <= 0) {
                    closeLink(link);
                    break;
                }
                const int to = fromProgram ? link.scheduler : link.program;
                [[maybe_unused]] const ssize_t written = ::write(to, buffer, n);
                if (fromProgram && (link.sent += n) >= limit_) {
                    ++faulted_;
                    if (fault_ == Fault::Cut)
                        closeLink(link);
                    else
                        link.frozen = true;
                }
                break;
            }
        }
        std::erase_if(links, [](const Link& l) { return l.program < 0; });
    }
    for (Link& link : links)
        if (link.program >= 0)
            closeLink(link);
}

} // namespace faultproxy
