// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <memory>

class QSoundEffect;

namespace zeno {

// The real operating-system services that need no widgets. Printing and the beep need the
// widget toolkit and are added by the desktop platform of the user interface.
class SystemPlatform : public Platform {
public:
    SystemPlatform();
    ~SystemPlatform() override;

    void playWave(const QString& path) override;
    QDateTime now() const override;
    void wait(int milliseconds) override;
    bool openInTextEditor(const QString& path) override;
    bool runProgram(const QString& program, const QStringList& arguments) override;
    bool openWebLink(const QString& url) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() const override;
    QString osVersion() const override;
    QString osName() const override;
    QString systemDirectory() const override;

private:
    std::unique_ptr<QSoundEffect> sound_;
};

}  // namespace zeno
