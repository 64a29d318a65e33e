// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/zenoprogram.h"

#include "config/session.h"
#include "connected/publicfolder.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "ui/common/firstshown.h"
#include "ui/common/screenfit.h"
#include "ui/main/form1.h"

#include <QTimer>

namespace zeno {

ZenoProgram::ZenoProgram(const QString& appPath, Dialogs& dialogs, Platform& platform,
                         QObject* parent)
    : QObject(parent), dialogs_(dialogs), platform_(platform) {
    screenFit_ = std::make_unique<ScreenFit>();
    state_.appPath = appPath;
    state_.missingDefaultFiles = installDefaultFiles(appPath);
    PublicFolder(appPath).create();
    state_.engine = loadEngineSettings(appPath);
    state_.orbit = loadOrbitSettings(appPath);
    link_ = std::make_unique<AgwLink>(state_.link, platform_, state_.engine.address);
    form1_ = std::make_unique<Form1>(state_, *link_, dialogs_, platform_);
    session_ = std::make_unique<Session>(state_, *link_, *form1_, dialogs_, platform_);

    // The setup dialog may move the link to another engine: name the one it talks to now.
    connect(link_.get(), &AgwLink::statusChanged, form1_.get(), [this](LinkStatus status) {
        form1_->showLinkState(status, engineAddressText(link_->address()));
    });
    connect(form1_.get(), &Form1::unloadRequested, session_.get(), &Session::Einde);
    connect(session_.get(), &Session::programEnded, this, [this] {
        form1_->hide();
        emit ended();
    });
}

ZenoProgram::~ZenoProgram() {
    if (session_)
        session_->Form_Terminate();
}

bool ZenoProgram::start() {
    starting_ = true;
    const bool running = session_->Form_Load();
    starting_ = false;
    if (endRequested_) {
        if (running)
            shutdown();
        return false;
    }
    if (running) {
        // Said where the operator looks first: the engine it names is the default one.
        if (state_.engine.problem)
            form1_->showEngineFileProblem(state_.engine.problem->text);
        form1_->show();
        whenFirstShown(form1_.get(), [this] { form1_->openStore(); });
    }
    return running;
}

void ZenoProgram::requestEnd() {
    if (endRequested_)
        return;
    endRequested_ = true;
    dialogs_.cancelAll();
    // During start-up, start() itself ends the program once the start-up code has gone on.
    if (!starting_)
        QTimer::singleShot(0, this, &ZenoProgram::shutdown);
}

void ZenoProgram::shutdown() { session_->Einde(); }

bool ZenoProgram::hasEnded() const { return session_->hasEnded(); }

}  // namespace zeno
