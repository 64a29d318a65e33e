// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/qtdialogs.h"

#include "platform/colors.h"
#include "ui/windows/form8.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace zeno {

namespace {

Q_LOGGING_CATEGORY(lcDialogs, "zeno.dialogs", QtWarningMsg)

void announce(const QString& kind, const QString& title) {
    qCDebug(lcDialogs).noquote() << kind << "opens:" << title;
}

QWidget* dialogParent() { return QApplication::activeWindow(); }

// The window a question that does not wait belongs to: the program's main window.
QWidget* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget) && widget->isVisible())
            return widget;
    }
    return dialogParent();
}

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The program's texts use CR alone for a line break.
QString displayText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString startDirectory(const FileRequest& request) {
    const QString dir = request.directory.isEmpty() ? QDir::currentPath() : request.directory;
    return request.proposedName.isEmpty() ? dir : QDir(dir).filePath(request.proposedName);
}

}  // namespace

QtDialogs::QtDialogs() { customColors_.fill(qRgb(255, 255, 255)); }

void QtDialogs::cancelAll() {
    cancelled_ = true;
    for (const QPointer<QMessageBox>& box : std::exchange(openLater_, {})) {
        if (box)
            box->reject();
    }
    // Innermost first; each closed box returns from its own nested event loop.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;  // it would not close: leave it rather than spin
    }
}

MsgAnswer QtDialogs::message(const QString& text, const QString& title, MsgIcon icon,
                             MsgButtons buttons) {
    // Closing the box with Escape or the window button counts as the negative answer.
    const MsgAnswer negative = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    if (cancelled_)
        return negative;
    announce(QStringLiteral("message"), title);
    QMessageBox box(toQtIcon(icon), title, displayText(text), QMessageBox::NoButton,
                    dialogParent());
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        default:
            break;
    }
    return negative;
}

void QtDialogs::askYesNoLater(const QString& text, const QString& title, MsgIcon icon,
                              QObject* context, std::function<void(bool yes)> answered) {
    if (cancelled_) {
        QMetaObject::invokeMethod(
            context, [answered = std::move(answered)] { answered(false); }, Qt::QueuedConnection);
        return;
    }
    announce(QStringLiteral("question"), title);
    auto* box = new QMessageBox(toQtIcon(icon), title, displayText(text),
                                QMessageBox::Yes | QMessageBox::No, mainWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Escape and the window button answer No, as in the boxes that wait.
    QObject::connect(
        box, &QDialog::finished, context,
        [answered = std::move(answered)](int result) { answered(result == QMessageBox::Yes); });
    openLater_.removeIf([](const QPointer<QMessageBox>& open) { return open.isNull(); });
    openLater_ << box;
    box->open();  // window-modal: returns at once
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    if (cancelled_)
        return {};
    announce(QStringLiteral("input"), title);
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), title, displayText(prompt),
                                                 QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

QString QtDialogs::openFileName(const FileRequest& request) {
    if (cancelled_)
        return {};
    announce(QStringLiteral("open file"), request.title);
    return QFileDialog::getOpenFileName(dialogParent(), request.title, startDirectory(request),
                                        request.filters.join(QLatin1String(";;")));
}

QString QtDialogs::saveFileName(const FileRequest& request) {
    if (cancelled_)
        return {};
    announce(QStringLiteral("save file"), request.title);
    // The program asks about overwriting itself, with its own words.
    return QFileDialog::getSaveFileName(dialogParent(), request.title, startDirectory(request),
                                        request.filters.join(QLatin1String(";;")), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int QtDialogs::chooseColor(int initialRgb) {
    if (cancelled_)
        return -1;
    announce(QStringLiteral("colour"), QStringLiteral("Select Color"));
    const int count = std::min(QColorDialog::customCount(), int(customColors_.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, QColor::fromRgb(customColors_[size_t(i)]));
    const QColor chosen = QColorDialog::getColor(colorFromRgbNumber(initialRgb), dialogParent());
    for (int i = 0; i < count; ++i)
        customColors_[size_t(i)] = QColorDialog::customColor(i).rgb();
    return chosen.isValid() ? rgbNumber(chosen) : -1;
}

QString QtDialogs::chooseFont(const QString&) {
    if (cancelled_)
        return {};
    announce(QStringLiteral("font"), QStringLiteral("Select a font"));
    QPointer<Form8> form = new Form8(dialogParent());
    const bool chosen = form->exec() == QDialog::Accepted && form;
    const QString family = chosen ? form->chosenFont() : QString();
    delete form;
    return family;
}

}  // namespace zeno
