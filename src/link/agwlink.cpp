// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/agwlink.h"

#include "link/agwtransport.h"
#include "link/monitortext.h"
#include "platform/platform.h"

namespace zeno {

namespace {

WireFrame request(char kind, int port, const QString& callFrom = QString()) {
    WireFrame frame;
    frame.kind = kind;
    frame.port = port;
    frame.callFrom = callFrom.toLatin1();
    return frame;
}

}  // namespace

AgwLink::AgwLink(LinkValues& values, const Platform& platform, EngineAddress address,
                 QObject* parent)
    : QObject(parent),
      values_(values),
      platform_(platform),
      address_(std::move(address)),
      transport_(std::make_unique<AgwTransport>()),
      intake_([this] { return platform_.now().time(); }) {
    transport_->setAddress(address_);
    startupTimer_.setSingleShot(true);
    answerTimer_.setSingleShot(true);
    setTimings(LinkTimings{});
    connect(transport_.get(), &AgwTransport::connectionUp, this, &AgwLink::onConnectionUp);
    connect(transport_.get(), &AgwTransport::connectionLost, this, &AgwLink::onConnectionLost);
    connect(transport_.get(), &AgwTransport::frameReceived, this, &AgwLink::onFrame);
    connect(&startupTimer_, &QTimer::timeout, this, &AgwLink::finishStartupText);
    connect(&answerTimer_, &QTimer::timeout, this, &AgwLink::onNoAnswer);
}

AgwLink::~AgwLink() {
    transport_->disconnect(this);
    transport_->disconnectNow();
}

void AgwLink::setTimings(const LinkTimings& timings) {
    transport_->setTimings(timings.connectTimeoutMs, timings.reconnectIntervalMs);
    startupTimer_.setInterval(timings.replyTimeoutMs);
    answerTimer_.setInterval(timings.answerTimeoutMs);
}

bool AgwLink::start(const QString& callsign) {
    const QString call = callsign.trimmed().toUpper();
    if (transport_->isUp()) {
        if (call != ownCall_) {
            ownCall_ = call;
            if (!call.isEmpty())
                registerCall(call);
        }
        beginStartupText();
        return true;
    }
    ownCall_ = call;
    // Whether or not the engine answers now, the link keeps trying in the background: an
    // engine started later is found without a restart.
    transport_->setReconnect(true);
    // A new connection does its once-per-connection exchange itself (onConnectionUp).
    if (!transport_->connectNow()) {
        startupTextOwed_ = true;
        return false;
    }
    beginStartupText();
    return true;
}

void AgwLink::send(QChar kind, const QString& callField, const QString& data) {
    emit sendRequested(kind, callField, data);
    if (!transport_->isUp())
        return;
    const int port = qBound(0, values_.RadioPort, 255);
    const auto frames = wireFramesForSend(kind, callField, data, ownCall_, port, links_);
    for (const WireFrame& frame : frames) {
        if (frame.kind == 'X') {
            const QString call = QString::fromLatin1(frame.callFrom);
            if (call != ownCall_ && !extraCalls_.contains(call))
                extraCalls_ << call;
        }
        transport_->write(frame);
    }
}

std::optional<AgwFrame> AgwLink::fetch() {
    // The start-up text comes first: nothing is handed out until it is made.
    if (startupPending_)
        return std::nullopt;
    std::optional<QueuedFrame> queued = intake_.queue().pop();
    if (!queued)
        return std::nullopt;
    AgwFrame frame;
    frame.port = queued->port;
    frame.kind = uchar(queued->kind);
    frame.callFrom = QString::fromLatin1(queued->callFrom);
    frame.data = shownText(queued->data);
    frame.dataLength = int(frame.data.size());
    values_.ReceivedKind = frame.kind;
    return frame;
}

void AgwLink::close() {
    startupTextOwed_ = false;
    emit closing();
    transport_->disconnectNow();
}

bool AgwLink::isUp() const { return transport_->isUp(); }

EngineAddress AgwLink::address() const { return address_; }

void AgwLink::setAddress(const EngineAddress& address) {
    address_ = address;
    transport_->setAddress(address_);
}

QStringList AgwLink::radioPortNames() const {
    return isUp() && engineInfo_.portsKnown ? engineInfo_.portsByNumber : QStringList();
}

qint64 AgwLink::droppedFrames() const { return intake_.queue().dropped(); }

void AgwLink::onConnectionUp() {
    links_.clear();
    engineInfo_ = EngineInfo{};
    intake_.newConnection();
    answered_ = false;
    answerTimer_.start();
    // 'm' and 'k' are toggles that the engine resets on every new connection: once each.
    const int port = qBound(0, values_.RadioPort, 255);
    transport_->write(request('m', port));
    transport_->write(request('k', port));
    if (!ownCall_.isEmpty())
        registerCall(ownCall_);
    for (const QString& call : std::as_const(extraCalls_))
        registerCall(call);
    transport_->write(request('R', port));
    transport_->write(request('G', port));
    emit linkStateChanged(true);
    if (startupTextOwed_) {
        startupTextOwed_ = false;
        beginStartupText();
    }
}

void AgwLink::onConnectionLost() {
    const LinkStatus why = leftSilent_                          ? LinkStatus::NoAnswer
                           : !transport_->lastError().isEmpty() ? LinkStatus::BadFrame
                                                                : LinkStatus::Lost;
    leftSilent_ = false;
    answerTimer_.stop();
    // The engine drops every link of a client that goes away; tell the program.
    for (const QString& station : links_.stations()) {
        const QByteArray call = station.toLatin1();
        intake_.queue().push(QueuedFrame{
            0, 'd', call, "*** DISCONNECTED From Station " + call + "\r" + QByteArray(1, '\0')});
    }
    links_.clear();
    intake_.newConnection();
    finishStartupText();
    emit linkStateChanged(false);
    emit statusChanged(why);
}

void AgwLink::onNoAnswer() {
    if (answered_ || !transport_->isUp())
        return;
    // Taken for connected, it would swallow every send for good: leave it and try again.
    leftSilent_ = true;
    transport_->dropConnection();
}

void AgwLink::onFrame(const WireFrame& frame) {
    switch (frame.kind) {
        case 'R':
            if (!answered_) {
                answered_ = true;
                answerTimer_.stop();
                emit statusChanged(LinkStatus::Answering);
            }
            engineInfo_.takeVersionReply(frame.data);
            if (engineInfo_.complete())
                finishStartupText();
            return;
        case 'G':
            engineInfo_.takePortsReply(frame.data);
            if (engineInfo_.complete())
                finishStartupText();
            return;
        case 'C':
            // call_from is the remote station, call_to our side of the link.
            links_.linkUp(QString::fromLatin1(frame.callFrom), QString::fromLatin1(frame.callTo));
            break;
        case 'd':
            links_.linkDown(QString::fromLatin1(frame.callFrom));
            break;
        default:
            // 'X', 'y', 'Y', 'g' replies and anything else: nothing for the program.
            break;
    }
    intake_.take(frame);
}

void AgwLink::registerCall(const QString& call) {
    transport_->write(request('X', qBound(0, values_.RadioPort, 255), call));
}

void AgwLink::beginStartupText() {
    startupPending_ = true;
    if (engineInfo_.complete()) {
        finishStartupText();
    } else {
        startupTimer_.start();
    }
}

void AgwLink::finishStartupText() {
    if (!startupPending_)
        return;
    startupPending_ = false;
    startupTimer_.stop();
    const QString made = startupText(address_, engineInfo_);
    // Known at once, so a save before the first poll tick already has it.
    values_.EngineInitText = made;
    const QByteArray text = made.toLatin1() + QByteArray(1, '\0');
    intake_.queue().pushFront(QueuedFrame{0, 'G', QByteArray(), text});
}

}  // namespace zeno
