#include "ui/qtdialogs.h"

#include "platform/colors.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zeno {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
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

MsgAnswer QtDialogs::message(const QString& text, const QString& title, MsgIcon icon,
                             MsgButtons buttons) {
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
    // Closing the box with Escape or the window button counts as the negative answer.
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), title, displayText(prompt),
                                                 QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

QString QtDialogs::openFileName(const FileRequest& request) {
    return QFileDialog::getOpenFileName(dialogParent(), request.title, startDirectory(request),
                                        request.filters.join(QLatin1String(";;")));
}

QString QtDialogs::saveFileName(const FileRequest& request) {
    // The program asks about overwriting itself, with its own words.
    return QFileDialog::getSaveFileName(dialogParent(), request.title, startDirectory(request),
                                        request.filters.join(QLatin1String(";;")), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int QtDialogs::chooseColor(int initialRgb) {
    const QColor chosen = QColorDialog::getColor(colorFromRgbNumber(initialRgb), dialogParent());
    return chosen.isValid() ? rgbNumber(chosen) : -1;
}

QString QtDialogs::chooseFont(const QString& currentFamily) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(currentFamily), dialogParent());
    return ok ? font.family() : QString();
}

}  // namespace zeno
