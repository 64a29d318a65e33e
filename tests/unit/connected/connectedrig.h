#pragma once

#include "config/appstate.h"
#include "connected/connectedview.h"
#include "connected/connection.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zeno::test {

// Connected mode on a temporary application path, connected to N2BBB, recording what it
// sends and shows. `events` keeps every disconnect request and popup in order.
struct ConnectedRig : FrameSink, ConnectedView {
    QTemporaryDir dir;
    AppState state;
    FakePlatform platform;
    ScriptedDialogs dialogs;
    QString replies;  // the data of every 'D', joined
    QStringList events;
    QString terminal;  // Text1
    std::unique_ptr<Connection> connection;

    ConnectedRig() {
        state.appPath = dir.path();
        state.link.LinkAddress = QStringLiteral("N2BBB");
        state.connection.IsConnected = true;
        QDir(dir.path()).mkdir(QStringLiteral("public"));
        connection = std::make_unique<Connection>(state, *this, *this, dialogs, platform);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    void send(QChar kind, const QString& call, const QString& data) override {
        if (kind == QLatin1Char('D'))
            replies += data;
        else
            events << QStringLiteral("%1 %2").arg(kind, call);
    }
    void showPopup(const QString& text) override { events << QStringLiteral("popup ") + text; }
    void showInTerminal(const QString& text) override { terminal += text; }
    void showTerminal() override {}
    bool terminalMinimised() const override { return false; }
    QString terminalCaption() const override { return {}; }
    void setTerminalCaption(const QString&) override {}
    void bringTerminalUp() override {}
    void clearTerminal() override {}
    void showInHistory(const QString&) override {}
    void focusTypingLine() override {}
    void enableTerminalDisconnect() override {}
    void setMainCaption(const QString&) override {}
    void setToBox(const QString&) override {}
    void setViaBox(const QString&) override {}
    void enableDisconnectItem() override {}
};

}  // namespace zeno::test
