// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/awarenessside.h"

#include "config/appstate.h"
#include "link/agwlink.h"
#include "platform/platform.h"
#include "tx/uiframe.h"
#include "ui/common/controls.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace zeno {

AwarenessSide::AwarenessSide(const SideContext& context, QStatusBar* statusBar)
    : context_(context),
      notice_(controls::label(statusBar, "noticeStatus", QString())),
      repeatCount_(controls::label(statusBar, "repeatCount", QString())) {
    repeatCount_->setToolTip(QStringLiteral("Own frames repeated by a digipeater today"));
    statusBar->addWidget(notice_, 1);
    statusBar->addPermanentWidget(repeatCount_);
    noticeTimer_.setSingleShot(true);
    noticeTimer_.setInterval(kNoticeMs);
    connect(&noticeTimer_, &QTimer::timeout, notice_, &QLabel::clear);
    connect(&context.link, &AgwLink::sendRequested, this,
            [this](QChar kind, const QString&, const QString&) { sendRequested(kind); });
}

void AwarenessSide::frameTaken(const AgwFrame& frame, const QString& header, const QString& body) {
    const std::optional<RepeatedFrame> repeated =
        repeatedOwnFrame(frame.kind, header, body, context_.state.settings.callsign);
    if (!repeated)
        return;
    const QDateTime now = context_.platform.now();
    if (!repeats_.take(*repeated, now))
        return;
    showNotice(repeatedNotice(repeated->digipeater, now));
    repeatCount_->setText(QStringLiteral("Repeated today: %1").arg(repeats_.count(now.date())));
    askForAttention();
}

void AwarenessSide::alarmSounded(const QString& header) {
    // Seen as well as heard: the sound may be muted or missing.
    showNotice(QStringLiteral("Alarm: ") + header);
    askForAttention();
}

void AwarenessSide::askForAttention() { QApplication::alert(context_.window); }

void AwarenessSide::showNotice(const QString& text) {
    notice_->setText(text);
    noticeTimer_.start();
}

void AwarenessSide::sendRequested(QChar kind) {
    // The registration at start-up is the link's own business, not an operator's send.
    if (kind == QLatin1Char('P') || context_.link.isUp())
        return;
    showNotice(notSentNotice(context_.link.address().host, context_.link.address().port));
}

}  // namespace zeno
