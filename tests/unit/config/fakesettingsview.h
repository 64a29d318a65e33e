// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settingsview.h"

#include <QFile>
#include <QMap>
#include <QSizeF>
#include <QStringList>
#include <QVariant>

namespace zeno::test {

// The main window as the settings reader and writer see it: every call it gets is logged.
class FakeSettingsView : public SettingsView {
public:
    QStringList calls;
    QMap<HistoryBox, QStringList> entries;
    QMap<HistoryBox, QString> texts;
    TwipsGeometry geometry;

    void showCallsign(const QString& callsign) override { log("showCallsign", callsign); }
    void setHistory(HistoryBox box, const QStringList& list) override { entries[box] = list; }
    void selectFirstEntry(HistoryBox box) override {
        texts[box] = entries.value(box).value(0, texts.value(box));
    }
    QString boxText(HistoryBox box) const override { return texts.value(box); }
    void setBoxText(HistoryBox box, const QString& text) override { texts[box] = text; }
    void setMonitorFont(const QString& family) override { log("setMonitorFont", family); }
    void setMonitorColors(int text, int back) override { log("setMonitorColors", text, back); }
    void setDataBoxColors(int fore, int back) override { log("setDataBoxColors", fore, back); }
    void setAutoScrollChecked(bool checked) override { log("setAutoScrollChecked", checked); }
    void showBeaconOn() override { log("showBeaconOn"); }
    TwipsGeometry windowGeometry() const override { return geometry; }
    QSizeF screenSize() const override { return {19200, 14400}; }
    void setWindowLeft(double twips) override { log("setWindowLeft", twips); }
    void setWindowTop(double twips) override { log("setWindowTop", twips); }
    void setWindowSize(double w, double h) override { log("setWindowSize", w, h); }
    void maximizeWindow() override { log("maximizeWindow"); }

private:
    template <typename... Args>
    void log(const char* name, const Args&... args) {
        QStringList words{QString::fromLatin1(name)};
        (words.append(QVariant(args).toString()), ...);
        calls << words.join(u' ');
    }
};

// A whole file, such as the settings file on disk: empty when there is none.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace zeno::test
