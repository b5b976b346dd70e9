// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/SpoolerConnection.h"

#include "platform/Cp1250.h"
#include "preview/CupsLibrary.h"

#include <QCoreApplication>
#include <QDateTime>

namespace preview {
namespace {

// How often a wait looks at the clock and lets the windows paint.
constexpr double kTickSeconds = 0.1;

long long nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

SpoolerConnection::SpoolerConnection(const CupsLibrary& cups, http_t* http)
    : cups_(cups)
    , http_(http) {
    cups_.setTimeout(http_, kTickSeconds, &SpoolerConnection::keepWaiting, this);
}

SpoolerConnection::~SpoolerConnection() {
    cups_.close(http_);
}

// Called by the library each tick while it waits for the scheduler: paint, and give up in time.
// A wait starts when the previous one ended, which a tick long after the last one tells.
int SpoolerConnection::keepWaiting(http_t*, void* data) {
    auto* self = static_cast<SpoolerConnection*>(data);
    // Once the scheduler has not answered, the library's own retries on this connection (which
    // reconnect and send again) are cut short as well.
    if (self->timedOut_)
        return 0;
    const long long now = nowMs();
    if (self->waitStartedMs_ == 0 || now - self->lastTickMs_ > 1000 * kTickSeconds * 3)
        self->waitStartedMs_ = now;
    self->lastTickMs_ = now;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (now - self->waitStartedMs_ < kSpoolerWaitMs)
        return 1;
    self->timedOut_ = true;
    return 0;
}

std::unique_ptr<SpoolerConnection> SpoolerConnection::open(Failure& why) {
    const CupsLibrary* cups = CupsLibrary::get();
    if (!cups) {
        why = Failure::NoLibrary;
        return nullptr;
    }
    const long long started = nowMs();
    http_t* http = cups->connect(cups->server(), cups->port(), nullptr, AF_UNSPEC,
                                 cups->encryption(), 1, kSpoolerWaitMs, nullptr);
    if (!http) {
        // Nobody listening is refused at once; an attempt that ran out of time met a scheduler
        // that is there but stuck.
        why = nowMs() - started >= kSpoolerWaitMs / 2 ? Failure::NotAnswering : Failure::NotRunning;
        return nullptr;
    }
    std::unique_ptr<SpoolerConnection> connection(new SpoolerConnection(*cups, http));
    // CUPS-Get-Default: every scheduler answers it, with or without printers.
    ipp_t* answer = cups->doRequest(http, cups->newRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    cups->deleteIpp(answer);
    if (!answer) {
        why = connection->timedOut() ? Failure::NotAnswering : Failure::NotRunning;
        return nullptr;
    }
    why = Failure::None;
    return connection;
}

std::string SpoolerConnection::message(Failure failure) {
    switch (failure) {
    case Failure::NotRunning:
        return platform::fromUtf8("Nem fut nyomtatási szolgáltatás (no print service is running)");
    case Failure::NotAnswering:
        return platform::fromUtf8(
            "A nyomtatási szolgáltatás nem válaszol (the print service does not answer)");
    case Failure::NoLibrary:
        return platform::fromUtf8("A nyomtatási rendszer (CUPS) ügyfélkönyvtára nincs telepítve");
    case Failure::None:
        break;
    }
    return {};
}

} // namespace preview
