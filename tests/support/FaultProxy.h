// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small TCP proxy between a program and a print scheduler's local socket that fails the way a
// network does: it passes every connection through until the program has sent a given number of
// bytes on it, then cuts that connection, or freezes it (holds it open and passes nothing more,
// either way). Point the program's CUPS_SERVER at address(). It runs on a thread of its own, so
// that the test may block on the program meanwhile.
#include <QString>
#include <atomic>
#include <thread>

namespace faultproxy {

enum class Fault { Cut, Freeze };

class FaultProxy {
public:
    FaultProxy(const QString& schedulerSocket, Fault fault, long long bytesBeforeFault);
    ~FaultProxy();
    FaultProxy(const FaultProxy&) = delete;
    FaultProxy& operator=(const FaultProxy&) = delete;

    bool listening() const { return listener_ >= 0; }
    QString address() const; // "127.0.0.1:<port>"
    // How many connections met the fault.
    int faulted() const { return faulted_; }

private:
    void run();

    QString scheduler_;
    Fault fault_;
    long long limit_;
    int listener_ = -1;
    int port_ = 0;
    int wake_[2] = {-1, -1};
    std::atomic<int> faulted_ = 0;
    std::thread thread_;
};

} // namespace faultproxy
