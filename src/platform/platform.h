// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace zeno {

enum class PrintOutcome { Printed, NotReady, Cancelled };

// Operating-system services the program uses. The desktop build talks to the real system;
// tests use a fake that records every call and lets them set the clock.
class Platform {
public:
    virtual ~Platform() = default;

    // Starts a wave file and returns at once; a new call cuts the previous sound short.
    // A missing or unreadable file plays nothing (no default sound).
    virtual void playWave(const QString& path) = 0;
    virtual void beep() = 0;

    virtual QDateTime now() const = 0;
    // Waits without letting the operator act; timers keep firing (the poll tick guards itself).
    virtual void wait(int milliseconds) = 0;
    // Runs next once the time has passed, with the event loop free meanwhile; nothing when
    // context is gone by then.
    virtual void after(int milliseconds, QObject* context, std::function<void()> next) {
        QTimer::singleShot(milliseconds, context, std::move(next));
    }

    virtual bool openInTextEditor(const QString& path) = 0;
    virtual bool runProgram(const QString& program, const QStringList& arguments) = 0;
    virtual bool openWebLink(const QString& url) = 0;

    // Prints plain text on the default printer as one document.
    virtual PrintOutcome printText(const QString& documentName, const QString& text) = 0;
    // False when the machine has no printer at all.
    virtual bool hasPrinter() const = 0;

    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() const = 0;

    // "major.minor" of the running system, e.g. "6.1".
    virtual QString osVersion() const = 0;
    // A human name for the running system, e.g. "Debian GNU/Linux 12 (bookworm)".
    virtual QString osName() const = 0;
    // The system's own directory (what the settings file notes as the system folder), ends in "/".
    virtual QString systemDirectory() const = 0;
};

}  // namespace zeno
