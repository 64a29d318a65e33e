#include "ui/editor.h"

#include "platform/dialogs.h"
#include "ui/controls.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zeno {

namespace {

// A notebook file larger than this is not read whole: only its start can be shown anyway.
constexpr qint64 kReadLimit = 4 * 1024 * 1024;

const QString kCutLine = QStringLiteral(
    "!!!File loaded only for the first 60000 characters!!! Do not save the file or you will "
    "loose all info over the 60000 bytes loaded!!!");

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};  // errors are ignored: a missing file is an empty notebook
    QString text = QString::fromLatin1(file.read(kReadLimit));
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();  // the last line end closes the last line
    return lines;
}

}  // namespace

Editor::Editor(Dialogs& dialogs, QWidget* parent) : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(QStringLiteral("Your Notebook"));
    Text1 = controls::textArea(this, "Text1");
    Text1->setFont(fontForFamily(QStringLiteral("Fixedsys")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);
    resize(640, 480);
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
}

void Editor::loadFile(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString text;
    for (const QString& line : fileLines(path)) {
        if (text.size() > kLoadLimit) {
            dialogs_.message(
                QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."),
                QStringLiteral("File to large"), MsgIcon::Exclamation, MsgButtons::Ok);
            text += kCutLine + QStringLiteral("\r\n");
            break;
        }
        text += line + QStringLiteral("\r\n");
    }
    Text1->setPlainText(text);
    QApplication::restoreOverrideCursor();
    changed_ = false;
}

}  // namespace zeno
