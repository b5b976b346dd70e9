// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress of a long batch on a terminal: one line on standard error with a bar, the
// certificates done of all, the rate and the time left, redrawn a few times a second and cleared
// when the batch ends. Where standard error is no terminal (a log, a pipe) it writes nothing.
#include <QElapsedTimer>
#include <functional>
#include <ostream>

namespace app {

class BatchProgress {
public:
    // Milliseconds since some start; tests give their own clock.
    using Clock = std::function<qint64()>;

    // Draws on out only when shown is set (standard error is a terminal: StandardErrorIsTerminal).
    BatchProgress(int total, std::ostream& out, bool shown, Clock clock = {});
    ~BatchProgress();
    BatchProgress(const BatchProgress&) = delete;
    BatchProgress& operator=(const BatchProgress&) = delete;

    // One more certificate done.
    void Advance();
    // Clears the line (before other messages, and at the end).
    void Clear();

    static bool StandardErrorIsTerminal();

private:
    void draw(qint64 now);

    int total_, done_ = 0;
    std::ostream& out_;
    bool shown_, drawn_ = false;
    QElapsedTimer timer_;
    Clock clock_;
    qint64 lastDraw_ = -1;
};

} // namespace app
