// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchProgress.h"

#include <QString>
#include <unistd.h>

namespace app {
namespace {

constexpr qint64 kRedrawMs = 200;
constexpr int kBarWidth = 24;

QString duration(qint64 seconds) {
    return seconds >= 3600
               ? QStringLiteral("%1:%2:%3")
                     .arg(seconds / 3600)
                     .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
                     .arg(seconds % 60, 2, 10, QChar(u'0'))
               : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

BatchProgress::BatchProgress(int total, std::ostream& out, bool shown, Clock clock)
    : total_(total)
    , out_(out)
    , shown_(shown && total > 0)
    , clock_(std::move(clock)) {
    if (!clock_) {
        timer_.start();
        clock_ = [this] { return timer_.elapsed(); };
    }
    if (shown_)
        draw(clock_());
}

BatchProgress::~BatchProgress() {
    Clear();
}

bool BatchProgress::StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO);
}

void BatchProgress::Advance() {
    ++done_;
    if (!shown_)
        return;
    const qint64 now = clock_();
    if (now - lastDraw_ >= kRedrawMs)
        draw(now);
}

void BatchProgress::Clear() {
    if (drawn_)
        out_ << "\r\x1b[K" << std::flush;
    drawn_ = false;
}

void BatchProgress::draw(qint64 now) {
    lastDraw_ = now;
    const int filled = static_cast<int>(static_cast<long long>(kBarWidth) * done_ / total_);
    QString line = QStringLiteral("\r[%1%2] %3/%4")
                       .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'-'))
                       .arg(done_)
                       .arg(total_);
    if (done_ > 0 && now > 0) {
        const double perSecond = done_ * 1000.0 / static_cast<double>(now);
        const auto left = static_cast<qint64>((total_ - done_) / perSecond + 0.5);
        line += QString::fromUtf8("  %1/s  még %2").arg(perSecond, 0, 'f', 0).arg(duration(left));
    }
    out_ << line.toLocal8Bit().toStdString() << "\x1b[K" << std::flush;
    drawn_ = true;
}

} // namespace app
