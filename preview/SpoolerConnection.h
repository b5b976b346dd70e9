// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A connection to the print scheduler on which no wait lasts longer than a few seconds, and while
// it waits the program's windows go on painting. The CUPS library's own default connection waits
// a minute for every answer: a scheduler that has frozen would hold the program for minutes.
#include <cups/cups.h>
#include <memory>
#include <string>

namespace preview {

struct CupsLibrary;

class SpoolerConnection {
public:
    enum class Failure {
        None,
        NotRunning,   // nothing listens where the scheduler should be
        NotAnswering, // it took the connection but gives no answer in time
        NoLibrary,    // the CUPS client library is not installed
    };

    // Connects and asks the scheduler a question it always answers; null, with why set, when the
    // scheduler is not there or does not answer.
    static std::unique_ptr<SpoolerConnection> open(Failure& why);
    ~SpoolerConnection();
    SpoolerConnection(const SpoolerConnection&) = delete;
    SpoolerConnection& operator=(const SpoolerConnection&) = delete;

    http_t* http() const { return http_; }
    const CupsLibrary& cups() const { return cups_; }
    // Whether the last wait on this connection ran out of time (the scheduler stopped answering).
    bool timedOut() const { return timedOut_; }

    // The user's message for a failure (code page 1250).
    static std::string message(Failure failure);

private:
    SpoolerConnection(const CupsLibrary& cups, http_t* http);
    static int keepWaiting(http_t* http, void* self);

    const CupsLibrary& cups_;
    http_t* http_;
    bool timedOut_ = false;
    long long waitStartedMs_ = 0;
    long long lastTickMs_ = 0;
};

// No wait on the scheduler lasts longer than this.
inline constexpr int kSpoolerWaitMs = 4000;

} // namespace preview
