#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace zeno {

class Dialogs;

// The notebook window ("Editor"). For now it loads one text file and shows it; the
// notebook's toolbar, menus and saving come later.
class Editor : public QWidget {
    Q_OBJECT
public:
    // The longest text it loads; a longer file is cut with a warning line.
    static constexpr int kLoadLimit = 60000;

    explicit Editor(Dialogs& dialogs, QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr;  // the edit box

    // Shows the file's text (a missing or unreadable file shows nothing) and marks it
    // unchanged.
    void loadFile(const QString& path);
    bool isChanged() const { return changed_; }

private:
    Dialogs& dialogs_;
    bool changed_ = false;
};

}  // namespace zeno
