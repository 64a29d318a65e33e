// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripteddialogs.h"

#include <QtTest>
#include <utility>

namespace zeno::test {

namespace {

QString kindName(ScriptedDialogs::Kind kind) {
    static const char* const names[] = {"message", "input", "open file",     "save file",
                                        "colour",  "font",  "later question"};
    return QString::fromLatin1(names[int(kind)]);
}

}  // namespace

QString describe(const ScriptedDialogs::Box& box) {
    return QStringLiteral("%1 box \"%2\": \"%3\"").arg(kindName(box.kind), box.title, box.text);
}

QStringList ScriptedDialogs::problems() const {
    QStringList all = unexpected_;
    for (const Expectation& e : expected_)
        all << QStringLiteral("expected %1 box \"%2\" was never shown")
                   .arg(kindName(e.kind), e.title);
    for (const HeldAnswer& held : held_)
        all << QStringLiteral("question \"%1\" was never answered").arg(held.title);
    return all;
}

void ScriptedDialogs::reset() {
    expected_.clear();
    unexpected_.clear();
    shown.clear();
    held_.clear();
}

int ScriptedDialogs::answerPending() {
    const QList<HeldAnswer> answers = std::exchange(held_, {});
    for (const HeldAnswer& held : answers) {
        if (held.context)
            held.answered(held.yes);
    }
    return int(answers.size());
}

std::optional<ScriptedDialogs::Expectation> ScriptedDialogs::take(const Box& box) {
    shown.append(box);
    const bool titled =
        box.kind == Kind::Message || box.kind == Kind::Input || box.kind == Kind::LaterQuestion;
    if (!expected_.isEmpty()) {
        const Expectation& next = expected_.first();
        const bool kindMatches = next.kind == box.kind ||
                                 (next.kind == Kind::Message && box.kind == Kind::LaterQuestion);
        const bool matches = kindMatches && (!titled || next.title == box.title) &&
                             (next.text.isEmpty() || next.text == box.text);
        if (matches)
            return expected_.takeFirst();
    }
    QString problem = QStringLiteral("unexpected ") + describe(box);
    if (!expected_.isEmpty())
        problem += QStringLiteral(" (next expected: %1 \"%2\")")
                       .arg(kindName(expected_.first().kind), expected_.first().title);
    unexpected_ << problem;
    QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
    return std::nullopt;
}

MsgAnswer ScriptedDialogs::message(const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons) {
    const auto e = take({Kind::Message, title, text, icon, buttons, {}});
    if (!e)
        return buttons == MsgButtons::Ok      ? MsgAnswer::Ok
               : buttons == MsgButtons::YesNo ? MsgAnswer::No
                                              : MsgAnswer::Cancel;
    return e->answer;
}

void ScriptedDialogs::askYesNoLater(const QString& text, const QString& title, MsgIcon icon,
                                    QObject* context, std::function<void(bool yes)> answered) {
    // Unexpected: No, at the next turn, as for a box that waits.
    const auto e = take({Kind::LaterQuestion, title, text, icon, MsgButtons::YesNo, {}});
    const bool yes = e && e->answer == MsgAnswer::Yes;
    if (e && e->kind == Kind::LaterQuestion)
        return held_.append({title, context, std::move(answered), yes});
    QMetaObject::invokeMethod(
        context, [answered = std::move(answered), yes] { answered(yes); }, Qt::QueuedConnection);
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultText) {
    const auto e =
        take({Kind::Input, title, prompt, MsgIcon::None, MsgButtons::OkCancel, defaultText});
    return e ? e->textAnswer : QString();
}

QString ScriptedDialogs::openFileName(const FileRequest& request) {
    const auto e = take({Kind::OpenFile, request.title, request.title, MsgIcon::None,
                         MsgButtons::OkCancel, request.proposedName});
    return e ? e->textAnswer : QString();
}

QString ScriptedDialogs::saveFileName(const FileRequest& request) {
    const auto e = take({Kind::SaveFile, request.title, request.title, MsgIcon::None,
                         MsgButtons::OkCancel, request.proposedName});
    return e ? e->textAnswer : QString();
}

int ScriptedDialogs::chooseColor(int initialRgb) {
    const auto e = take(
        {Kind::Color, {}, QString::number(initialRgb), MsgIcon::None, MsgButtons::OkCancel, {}});
    return e ? e->colorAnswer : -1;
}

QString ScriptedDialogs::chooseFont(const QString& currentFamily) {
    const auto e = take({Kind::Font, {}, {}, MsgIcon::None, MsgButtons::OkCancel, currentFamily});
    return e ? e->textAnswer : QString();
}

}  // namespace zeno::test
