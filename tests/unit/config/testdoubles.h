#pragma once

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QList>

namespace zeno::test {

// Message boxes answered with OK and recorded; nothing else is expected of the settings code.
class RecordingDialogs : public Dialogs {
public:
    struct Box {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
    };
    QList<Box> boxes;
    int otherRequests = 0;

    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override {
        boxes.append({text, title, icon, buttons});
        return MsgAnswer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override {
        ++otherRequests;
        return {};
    }
    QString openFileName(const FileRequest&) override {
        ++otherRequests;
        return {};
    }
    QString saveFileName(const FileRequest&) override {
        ++otherRequests;
        return {};
    }
    int chooseColor(int) override {
        ++otherRequests;
        return -1;
    }
    QString chooseFont(const QString&) override {
        ++otherRequests;
        return {};
    }
};

// Only what the settings code asks of the system: the clock and the system texts.
class StubPlatform : public Platform {
public:
    QDateTime clock{QDate(2024, 3, 7), QTime(14, 5, 9)};
    QString version = QStringLiteral("6.1");
    QString name = QStringLiteral("Test System 1");
    QString directory = QStringLiteral("/etc/");

    void playWave(const QString&) override {}
    void beep() override {}
    QDateTime now() const override { return clock; }
    void wait(int) override {}
    bool openInTextEditor(const QString&) override { return false; }
    bool runProgram(const QString&, const QStringList&) override { return false; }
    bool openWebLink(const QString&) override { return false; }
    PrintOutcome printText(const QString&, const QString&) override {
        return PrintOutcome::NotReady;
    }
    void setClipboardText(const QString&) override {}
    QString clipboardText() const override { return {}; }
    QString osVersion() const override { return version; }
    QString osName() const override { return name; }
    QString systemDirectory() const override { return directory; }
};

}  // namespace zeno::test
