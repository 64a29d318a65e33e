// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/demoside.h"

#include "config/appstate.h"
#include "link/agwlink.h"
#include "link/recordedpass.h"
#include "platform/dialogs.h"
#include "ui/main/setupside.h"

#include <QFile>
#include <QLabel>

namespace zeno {

DemoSide::DemoSide(const SideContext& context, SetupSide& setup, QLabel* linkStatus)
    : context_(context),
      setup_(setup),
      linkStatus_(linkStatus),
      pass_(new RecordedPass(context.window)) {
    pass_->setObjectName(QStringLiteral("recordedPass"));
    connect(pass_, &RecordedPass::ready, this, &DemoSide::onReady);
    connect(pass_, &RecordedPass::finished, this, [this] { onOver(QString()); });
    connect(pass_, &RecordedPass::failed, this, &DemoSide::onOver);
}

// The engine ends with the program.
DemoSide::~DemoSide() {
    if (pass_)
        pass_->stop();
}

void DemoSide::listenToRecordedPass() {
    if (pass_->isRunning())
        return;
    const QString missing = RecordedPass::missingEngineText();
    if (!missing.isEmpty()) {
        context_.dialogs.message(missing, kProgramTitle, MsgIcon::Information);
        return;
    }
    QFile list(QStringLiteral(":/demo/recordedpass.txt"));
    list.open(QIODevice::ReadOnly);
    pass_->start(parsePassFrames(QString::fromUtf8(list.readAll())));
}

void DemoSide::moveLink(const QString& host, quint16 port) {
    AgwLink& link = context_.link;
    link.close();
    link.setAddress({host, port});
    const bool up = link.start(context_.state.settings.callsign);
    emit engineMoved(up, QStringLiteral("%1:%2").arg(host).arg(port));
}

void DemoSide::onReady(quint16 port) {
    // Nothing leaves ZENO during the demo: no transmit panels, no incoming connects.
    context_.state.connection.RefuseIncoming = true;
    setup_.enterListenerLayout();
    moveLink(QStringLiteral("127.0.0.1"), port);
    onDemoEngine_ = true;
    // In place of the engine's address, until the link's state changes.
    linkStatus_->setText(QStringLiteral("Demo: a recorded pass, nothing is transmitted"));
}

void DemoSide::onOver(const QString& problem) {
    if (onDemoEngine_) {
        onDemoEngine_ = false;
        const EngineAddress own = context_.state.engine.address;
        moveLink(own.host, own.port);
    }
    if (!problem.isEmpty()) {
        context_.dialogs.message(
            QStringLiteral("The recorded pass could not be played: ") + problem, kProgramTitle,
            MsgIcon::Exclamation);
    }
}

}  // namespace zeno
