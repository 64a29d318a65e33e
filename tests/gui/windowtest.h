// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests share: the program in its fixture, the data rows, the warning guard,
// the controls they drive and both namespaces.

#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"
#include "ui/main/form1menus.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace zeno::test {

// Clicks the button `name` under `parent` ("Command13"), presses Enter in its box ("Combo1")
// or runs its menu item ("menuedits_5").
inline void run(const QObject& parent, const QString& name) {
    if (auto* button = parent.findChild<QAbstractButton*>(name))
        button->click();
    else if (auto* box = parent.findChild<QComboBox*>(name))
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    else if (auto* item = parent.findChild<QAction*>(name))
        item->trigger();
    else
        QTest::qFail(qPrintable(name + QStringLiteral(" not found")), __FILE__, __LINE__);
}

}  // namespace zeno::test

using namespace zeno;
using namespace zeno::test;
