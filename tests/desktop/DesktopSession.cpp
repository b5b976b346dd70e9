// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts a program with an argument vector, its standard output and error to /dev/null; the fd
// keepOpen is inherited. Returns its pid, 0 when it could not be started.
pid_t spawn(const QStringList& command, int keepOpen = -1) {
    std::vector<QByteArray> bytes;
    for (const QString& word : command)
        bytes.push_back(word.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : bytes)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != keepOpen)
                close(fd);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid < 0 ? 0 : pid;
}

void stop(pid_t& pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        QThread::msleep(20);
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = 0;
}

qulonglong windowId(const QString& text) {
    bool ok = false;
    const qulonglong id = text.section('\n', 0, 0).trimmed().toULongLong(&ok);
    return ok ? id : 0;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (condition())
            return true;
        if (clock.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

DesktopSession::DesktopSession() {
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xprop", "setxkbmap"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            skipped_ = QStringLiteral("%1 is not installed (scripts/setup.sh installs it)")
                           .arg(QString::fromLatin1(tool));
            return;
        }
    // The server picks a free display itself and writes its number to the pipe.
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        skipped_ = QStringLiteral("no pipe for Xvfb");
        return;
    }
    server_ = spawn({"Xvfb", "-displayfd", QString::number(pipeFds[1]), "-screen", "0",
                     "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                    pipeFds[1]);
    close(pipeFds[1]);
    QByteArray number;
    pollfd wait{pipeFds[0], POLLIN, 0};
    while (!number.endsWith('\n') && poll(&wait, 1, 10000) > 0) {
        char c;
        if (read(pipeFds[0], &c, 1) != 1)
            break;
        number.append(c);
    }
    close(pipeFds[0]);
    if (!server_ || number.trimmed().isEmpty()) {
        skipped_ = QStringLiteral("Xvfb did not start");
        return;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display_.toLocal8Bit());
    windowManager_ = spawn({"openbox", "--sm-disable"});
    // The window manager is up once it has announced itself on the root window.
    if (!windowManager_ || !WaitUntil([this] {
            return Property(0, "_NET_SUPPORTING_WM_CHECK").contains(QStringLiteral("window id"));
        })) {
        skipped_ = QStringLiteral("openbox did not start on ") + display_;
        return;
    }
    // A Hungarian keyboard, as the clerks have: every accented letter has its key, so xdotool
    // types it without remapping a spare key (a remapped key races the program's reading of
    // the new key map and may be dropped) and types capitals with Shift.
    if (QProcess::execute(QStringLiteral("setxkbmap"), {"-display", display_, "hu"}) != 0)
        skipped_ = QStringLiteral("setxkbmap could not set the Hungarian keyboard");
}

DesktopSession::~DesktopSession() {
    stop(windowManager_);
    stop(server_);
}

QString DesktopSession::Run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void DesktopSession::Keys(const QStringList& keys) const {
    Run(QStringLiteral("xdotool"), QStringList{"key", "--delay", "30"} + keys);
}

void DesktopSession::Type(const QString& text) const {
    Run(QStringLiteral("xdotool"), {"type", "--delay", "40", text});
}

void DesktopSession::Click(int x, int y) const {
    Run(QStringLiteral("xdotool"),
        {"mousemove", QString::number(x), QString::number(y), "click", "1"});
}

qulonglong DesktopSession::FindWindow(const QString& titleRegex) const {
    return windowId(
        Run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", titleRegex}));
}

qulonglong DesktopSession::FocusedWindow() const {
    return windowId(Run(QStringLiteral("xdotool"), {"getwindowfocus"}));
}

QString DesktopSession::Property(qulonglong window, const char* name) const {
    const QStringList target =
        window ? QStringList{"-id", QString::number(window)} : QStringList{"-root"};
    return Run(QStringLiteral("xprop"), target + QStringList{QString::fromLatin1(name)});
}
