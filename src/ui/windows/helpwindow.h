// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace zeno {

// ZENO's manual (HTML carried inside the program) in a window of its own: contents, back and
// forward, and a search of the page.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the manual at a section ("notebook"); empty means the contents.
    void showSection(const QString& section);
    // The section F1 opens for a window, by the window's name; the contents for any other.
    static QString sectionFor(const QString& windowName);

    QTextBrowser* browser() const { return browser_; }

public slots:
    // Finds the search box's text after the cursor, wrapping to the top once.
    void findInPage();

private:
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* searchResult_ = nullptr;
};

}  // namespace zeno
