// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemplatform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSoundEffect>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

namespace zeno {

SystemPlatform::SystemPlatform() = default;
SystemPlatform::~SystemPlatform() = default;

void SystemPlatform::playWave(const QString& path) {
    if (!QFileInfo(path).isFile())
        return;
    if (!sound_)
        sound_ = std::make_unique<QSoundEffect>();
    sound_->stop();
    sound_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    sound_->play();
}

QDateTime SystemPlatform::now() const {
    return QDateTime::currentDateTime();
}

void SystemPlatform::wait(int milliseconds) {
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool SystemPlatform::openInTextEditor(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemPlatform::runProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool SystemPlatform::openWebLink(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

void SystemPlatform::setClipboardText(const QString& text) {
    if (auto* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(text);
    }
}

QString SystemPlatform::clipboardText() const {
    auto* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

QString SystemPlatform::osVersion() const {
    // The kernel version is what names a system release here ("6.1.0-18-amd64" -> "6.1").
    const QStringList parts = QSysInfo::kernelVersion().split(QLatin1Char('.'));
    if (parts.size() < 2)
        return QSysInfo::kernelVersion();
    QString minor;
    for (QChar c : parts.at(1)) {
        if (!c.isDigit())
            break;
        minor += c;
    }
    return parts.at(0) + QLatin1Char('.') + minor;
}

QString SystemPlatform::osName() const {
    return QSysInfo::prettyProductName();
}

QString SystemPlatform::systemDirectory() const {
#ifdef Q_OS_WIN
    QString dir = qEnvironmentVariable("SystemRoot", QStringLiteral("C:\\Windows"));
    if (!dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('\\');
    return dir;
#else
    return QStringLiteral("/etc/");
#endif
}

}  // namespace zeno
