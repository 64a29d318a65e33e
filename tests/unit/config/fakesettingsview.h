#pragma once

#include "config/settingsview.h"

#include <QMap>
#include <QStringList>

namespace zeno::test {

// The main window as the settings code sees it: keeps what it is told and logs every call.
class FakeSettingsView : public SettingsView {
public:
    QStringList calls;
    QString callsign;
    QMap<HistoryBox, QStringList> entries;
    QMap<HistoryBox, QString> texts;
    QString monitorFont;
    int monitorText = -2;
    int monitorBackground = -2;
    int dataBoxFore = -2;
    int dataBoxBack = -2;
    bool autoScroll = false;
    bool beaconOn = false;
    TwipsGeometry geometry;
    QSizeF screen{19200, 14400};
    bool maximized = false;

    void showCallsign(const QString& c) override {
        calls << QStringLiteral("showCallsign");
        callsign = c;
    }
    void setHistory(HistoryBox box, const QStringList& list) override {
        calls << QStringLiteral("setHistory %1").arg(int(box));
        entries[box] = list;
    }
    void selectFirstEntry(HistoryBox box) override {
        calls << QStringLiteral("selectFirstEntry %1").arg(int(box));
        if (!entries.value(box).isEmpty())
            texts[box] = entries.value(box).first();
    }
    QString boxText(HistoryBox box) const override { return texts.value(box); }
    void setBoxText(HistoryBox box, const QString& text) override {
        calls << QStringLiteral("setBoxText %1").arg(int(box));
        texts[box] = text;
    }
    void setMonitorFont(const QString& family) override {
        calls << QStringLiteral("setMonitorFont");
        monitorFont = family;
    }
    void setMonitorColors(int text, int background) override {
        calls << QStringLiteral("setMonitorColors");
        monitorText = text;
        monitorBackground = background;
    }
    void setDataBoxColors(int fore, int back) override {
        calls << QStringLiteral("setDataBoxColors");
        dataBoxFore = fore;
        dataBoxBack = back;
    }
    void setAutoScrollChecked(bool checked) override {
        calls << QStringLiteral("setAutoScrollChecked");
        autoScroll = checked;
    }
    void showBeaconOn() override {
        calls << QStringLiteral("showBeaconOn");
        beaconOn = true;
    }
    TwipsGeometry windowGeometry() const override { return geometry; }
    QSizeF screenSize() const override { return screen; }
    void setWindowLeft(double twips) override {
        calls << QStringLiteral("setWindowLeft %1").arg(twips);
        geometry.left = twips;
    }
    void setWindowTop(double twips) override {
        calls << QStringLiteral("setWindowTop %1").arg(twips);
        geometry.top = twips;
    }
    void setWindowSize(double width, double height) override {
        calls << QStringLiteral("setWindowSize %1 %2").arg(width).arg(height);
        geometry.width = width;
        geometry.height = height;
    }
    void maximizeWindow() override {
        calls << QStringLiteral("maximizeWindow");
        maximized = true;
    }

    // Calls whose text starts with this.
    QStringList callsStartingWith(const QString& prefix) const {
        QStringList found;
        for (const QString& c : calls) {
            if (c.startsWith(prefix))
                found << c;
        }
        return found;
    }
};

}  // namespace zeno::test
