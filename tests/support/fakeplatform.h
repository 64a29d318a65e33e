// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace zeno::test {

// Platform services for tests: records every call, returns at once from waits (moving its
// own clock forward by the time waited) and lets the test set the clock and the answers.
class FakePlatform : public Platform {
public:
    struct PrintJob {
        QString documentName;
        QString text;
    };
    struct ProgramRun {
        QString program;
        QStringList arguments;
    };

    FakePlatform() : now_(QDate(2026, 12, 6), QTime(12, 0, 0)) {}

    // Clock
    void setNow(const QDateTime& now) { now_ = now; }
    void advance(int milliseconds) { now_ = now_.addMSecs(milliseconds); }

    // Answers
    void setPrinterReady(bool ready) { printerReady_ = ready; }
    void setHasPrinter(bool has) { hasPrinter_ = has; }
    void setProgramsStart(bool start) { programsStart_ = start; }
    void setOsVersion(const QString& version, const QString& name) {
        osVersion_ = version;
        osName_ = name;
    }

    // What happened
    QStringList played;  // wave files, in order
    int beeps = 0;
    QList<int> waits;         // milliseconds, in order
    QStringList editorFiles;  // files opened in the text editor
    QList<ProgramRun> programs;
    QStringList webLinks;
    QList<PrintJob> printed;
    QString clipboard;

    void playWave(const QString& path) override { played << path; }
    void beep() override { ++beeps; }
    QDateTime now() const override { return now_; }
    void wait(int milliseconds) override {
        waits << milliseconds;
        advance(milliseconds);
    }
    // Counted with the waits; next runs at once, or when the time has really passed.
    void after(int milliseconds, QObject* context, std::function<void()> next) override {
        wait(milliseconds);
        if (realPauses_)
            Platform::after(milliseconds, context, std::move(next));
        else
            next();
    }
    void setRealPauses(bool real) { realPauses_ = real; }
    bool openInTextEditor(const QString& path) override {
        editorFiles << path;
        return programsStart_;
    }
    bool runProgram(const QString& program, const QStringList& arguments) override {
        programs << ProgramRun{program, arguments};
        return programsStart_;
    }
    bool openWebLink(const QString& url) override {
        webLinks << url;
        return programsStart_;
    }
    PrintOutcome printText(const QString& documentName, const QString& text) override {
        if (!printerReady_)
            return PrintOutcome::NotReady;
        printed << PrintJob{documentName, text};
        return PrintOutcome::Printed;
    }
    bool hasPrinter() const override { return hasPrinter_; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() const override { return clipboard; }
    QString osVersion() const override { return osVersion_; }
    QString osName() const override { return osName_; }
    QString systemDirectory() const override { return QStringLiteral("/etc/"); }

private:
    QDateTime now_;
    bool printerReady_ = true;
    bool hasPrinter_ = true;
    bool realPauses_ = false;
    bool programsStart_ = true;
    QString osVersion_ = QStringLiteral("6.1");
    QString osName_ = QStringLiteral("Test System 1");
};

}  // namespace zeno::test
