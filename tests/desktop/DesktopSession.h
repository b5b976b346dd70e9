// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A desktop of its own for the desktop tests: an Xvfb X server on a free display with the openbox
// window manager and a Hungarian keyboard, and the X tools (xdotool, xprop) that type, click and
// read window properties on it as a user's desktop would. Nothing of it touches another display.
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <sys/types.h>

class DesktopSession {
public:
    // Starts the server and the window manager; on failure Skipped() says why.
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    bool Running() const { return skipped_.isEmpty(); }
    const QString& Skipped() const { return skipped_; }
    const QString& Display() const { return display_; } // ":N"

    // Runs an X tool on the display and returns what it wrote, trimmed (empty on failure).
    QString Run(const QString& program, const QStringList& arguments) const;
    // xdotool's words; a window is an X window id.
    void Keys(const QStringList& keys) const;               // "Tab", "shift+Tab", "ctrl+c" ...
    void Type(const QString& text) const;                   // any text, accented letters too
    void Click(int x, int y) const;                         // left button at a root position
    qulonglong FindWindow(const QString& titleRegex) const; // 0 when none is mapped
    qulonglong FocusedWindow() const;
    QString Property(qulonglong window, const char* name) const; // xprop's line for it

private:
    QString skipped_;
    QString display_;
    pid_t server_ = 0;
    pid_t windowManager_ = 0;
};

// Polls the condition, letting Qt's events run, until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
