// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingsio.h"

#include "config/firstrun.h"
#include "config/formdefaults.h"
#include "config/settingsfile.h"
#include "config/systemtext.h"
#include "files/textfiles.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

namespace zeno {

namespace {

// Width and height are stored with this margin added; it is taken off again when applied.
constexpr double kSizeMargin = 80;
constexpr int kToCallLength = 10;

const QString kWriteFailedText = QStringLiteral(
    "Could not write to disk. Is the disk write-protected (CD-ROM)? If so, then please install "
    "this program to your HD first.");

// A file we could not read is about to be overwritten by the next save; keep the operator's
// hand-made content next to it. No path: the bytes never reached the disk.
void keepUnreadableCopy(const QString& path) {
    if (path.isEmpty())
        return;
    const QString copy = path + QStringLiteral(".bad");
    QFile::remove(copy);
    QFile::copy(path, copy);
}

// A list the file held: the box shows its entries and the text the file chose for it.
void showHistory(Settings& s, SettingsView& view, HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            view.setHistory(box, s.txDataHistory);
            view.selectFirstEntry(box);
            if (!s.txDataDefault.isEmpty())
                view.setBoxText(box, s.txDataDefault);
            break;
        case HistoryBox::To:
            view.setHistory(box, s.toHistory);
            view.selectFirstEntry(box);
            if (!s.toCall.isEmpty()) {
                s.toCall = s.toCall.left(kToCallLength);
                view.setBoxText(box, s.toCall);
            }
            break;
        case HistoryBox::Via:
            // The box always offers an empty path after the stored ones.
            s.viaHistory << QString();
            view.setHistory(box, s.viaHistory);
            view.setBoxText(box, s.digistation);
            break;
        case HistoryBox::AprsData:
            view.setHistory(box, s.aprsDataHistory);
            view.selectFirstEntry(box);
            if (!s.defaultAprsText.isEmpty())
                view.setBoxText(box, s.defaultAprsText);
            break;
        case HistoryBox::MessageFor:
            view.setHistory(box, s.messageForHistory);
            view.selectFirstEntry(box);
            if (!s.defaultFor.isEmpty())
                view.setBoxText(box, s.defaultFor);
            break;
        case HistoryBox::MessageText:
            view.setHistory(box, s.messageTextHistory);
            view.setBoxText(box, s.defaultMessage);
            break;
    }
}

void applyWindowGeometry(const Settings& s, SettingsView& view, Dialogs& dialogs) {
    if (s.savePosition != -1)
        return;
    if (s.leftPos > -kSizeMargin && s.leftPos < 10000)
        view.setWindowLeft(s.leftPos);
    if (s.topPos > -kSizeMargin && s.topPos < 10000)
        view.setWindowTop(s.topPos);
    if (!(s.hSize > 5000 && s.vSize >= 3000))
        return;
    const QSizeF screen = view.screenSize();
    if (s.hSize == screen.width() && s.vSize == screen.height()) {
        view.maximizeWindow();
        dialogs.message(QStringLiteral("maximize"));
    } else {
        view.setWindowSize(s.hSize - kSizeMargin, s.vSize - kSizeMargin);
    }
}

// Every value read and consistent: show it all.
void applyAll(AppState& state, const SettingsFileContent& content, SettingsView& view,
              Dialogs& dialogs) {
    Settings& s = state.settings;
    state.link.RadioPort = s.radioPort;
    for (int i = 0; i < kHistoryBoxCount; ++i) {
        if (content.listCounts[static_cast<size_t>(i)] >= 1)
            showHistory(s, view, static_cast<HistoryBox>(i));
    }
    view.setMonitorFont(s.monitorFont);
    view.setAutoScrollChecked(s.autoScroll != 0);
    // Equal colours would make the text invisible: keep what the window shows.
    if (s.dataBoxForeColor != s.dataBoxBackColor)
        view.setDataBoxColors(s.dataBoxForeColor, s.dataBoxBackColor);
    if (s.screenColor != s.headerColor)
        view.setMonitorColors(s.headerColor, s.screenColor);
    applyWindowGeometry(s, view, dialogs);
    if (s.beacon == -1)
        view.showBeaconOn();
}

// The file could not be read whole: add the default entries to the boxes and make the monitor
// usable, but trust nothing else of it. `boxes` are the settings' lists as the window shows
// them before this load.
void applyReadErrorDefaults(AppState& state, const SettingsFileContent& content,
                            const Settings& boxes, SettingsView& view) {
    Settings& s = state.settings;
    const bool txEntriesRead = content.listCounts[static_cast<size_t>(HistoryBox::TxData)] >= 1;
    for (int i = 0; i < kHistoryBoxCount; ++i) {
        const auto box = static_cast<HistoryBox>(i);
        if (box != HistoryBox::TxData || !txEntriesRead)
            s.history(box) = boxes.history(box);
    }
    for (HistoryBox box : {HistoryBox::To, HistoryBox::Via, HistoryBox::MessageFor}) {
        s.history(box) << defaultHistory(box);
        view.setHistory(box, s.history(box));
    }
    if (s.screenColor == 0 && s.headerColor == 0) {
        s.headerColor = kDefaultHeaderColor;
        s.dataColor = kDefaultDataColor;
        s.screenColor = kDefaultScreenColor;
    }
    if (s.alarmHeaderText.isEmpty() && s.alarmDataText.isEmpty()) {
        s.alarmHeaderText = QStringLiteral("RS0ISS*");
        s.alarmDataText = QStringLiteral("Hello from Tarn");
    }
    view.setMonitorColors(s.headerColor, s.screenColor);
    s.monitorFont = QStringLiteral("Fixedsys");
    view.setMonitorFont(s.monitorFont);
    s.dataBoxForeColor = kDefaultDataBoxForeColor;
    s.dataBoxBackColor = kDefaultDataBoxBackColor;
    view.setDataBoxColors(s.dataBoxForeColor, s.dataBoxBackColor);
    state.link.RadioPort = s.radioPort;
    s.zenoTag = 0;
    if (txEntriesRead) {
        // An entry naming an older release follows the running one.
        for (QString& entry : s.txDataHistory) {
            if (entry.contains(QLatin1String("ZENO 2.")))
                entry = FormDefaults::txText();
        }
        view.setHistory(HistoryBox::TxData, s.txDataHistory);
    }
}

// What SaveSettings writes: the settings with the port in use, the texts the boxes show and the
// window's place and size.
Settings withWindow(const AppState& state, const SettingsView& view) {
    Settings s = state.settings;
    s.radioPort = state.link.RadioPort;
    s.txDataDefault = view.boxText(HistoryBox::TxData);
    s.defaultFor = view.boxText(HistoryBox::MessageFor);
    s.defaultMessage = view.boxText(HistoryBox::MessageText);
    s.defaultAprsText = view.boxText(HistoryBox::AprsData);
    const TwipsGeometry geometry = view.windowGeometry();
    s.hSize = geometry.width + kSizeMargin;
    s.vSize = geometry.height + kSizeMargin;
    s.leftPos = geometry.left;
    s.topPos = geometry.top;
    return s;
}

// LoadSettings on the bytes of the file at path (empty for bytes that never reached the disk).
LoadOutcome loadBytes(AppState& state, SettingsView& view, Dialogs& dialogs,
                      const QByteArray& bytes, const QString& path) {
    const Settings before = state.settings;
    const SettingsFileContent content = readSettingsFile(bytes, before);
    Settings& s = state.settings;
    s = content.settings;
    if (content.callsignPlaceholder) {
        if (content.callsignUnreadable)
            keepUnreadableCopy(path);
        s.callsign = QStringLiteral("MYCALL");
        return LoadOutcome::NoCallsign;
    }

    if (s.callsign.trimmed().size() < 2) {
        // Nothing is shown, so the boxes keep their entries.
        for (int i = 0; i < kHistoryBoxCount; ++i) {
            const auto box = static_cast<HistoryBox>(i);
            s.history(box) = before.history(box);
        }
        keepUnreadableCopy(path);
        dialogs.message(QStringLiteral("No valid call entered."),
                        QStringLiteral("No valid Callsign"), MsgIcon::Exclamation);
        return LoadOutcome::InvalidCallsign;
    }
    s.callsign = s.callsign.trimmed().toUpper();
    view.showCallsign(s.callsign);

    // Files of the previous release hold no message lists: offer the usual addressees.
    Settings boxes = before;
    if (content.oldFormat) {
        boxes.messageForHistory << defaultHistory(HistoryBox::MessageFor);
        if (content.listCounts[static_cast<size_t>(HistoryBox::MessageFor)] < 1)
            s.messageForHistory = boxes.messageForHistory;
        view.setHistory(HistoryBox::MessageFor, boxes.messageForHistory);
    }

    if (content.readError) {
        keepUnreadableCopy(path);
        applyReadErrorDefaults(state, content, boxes, view);
        return LoadOutcome::Defaults;
    }
    applyAll(state, content, view, dialogs);
    return LoadOutcome::Applied;
}

}  // namespace

QString settingsFilePath(const QString& appPath) {
    return appFile(appPath, QStringLiteral("\\zeno.ini"));
}

bool SaveSettings(AppState& state, const SettingsView& view, Dialogs& dialogs,
                  const Platform& platform) {
    state.osText = detectwindows(platform);
    const Settings s = withWindow(state, view);
    SettingsDiagnostics diagnostics;
    diagnostics.systemDirectory = platform.systemDirectory();
    diagnostics.appPath = state.appPath;
    diagnostics.writtenAt = platform.now();
    diagnostics.osText = state.osText;
    diagnostics.engineInitText = state.link.EngineInitText;
    diagnostics.addOnMenuVisible = state.addOnMenuVisible;

    if (!replaceFile(settingsFilePath(state.appPath), writeSettingsFile(s, diagnostics))
             .isEmpty()) {
        // Told once: a full or write-protected disk stays so for the rest of the session, and
        // every later save would only repeat the box.
        if (!state.settingsUnsaved)
            dialogs.message(kWriteFailedText, kProgramTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        state.settingsUnsaved = true;
        return false;
    }
    state.settingsUnsaved = false;
    state.settings = s;
    return true;
}

LoadOutcome LoadSettings(AppState& state, SettingsView& view, Dialogs& dialogs) {
    const QString path = settingsFilePath(state.appPath);
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        state.settings.callsign = QStringLiteral("MYCALL");
        return LoadOutcome::NoFile;
    }
    return loadBytes(state, view, dialogs, file.read(kSettingsFileReadLimit), path);
}

void SaveAndLoadSettings(AppState& state, SettingsView& view, Dialogs& dialogs,
                         const Platform& platform) {
    if (SaveSettings(state, view, dialogs, platform)) {
        LoadSettings(state, view, dialogs);
        return;
    }
    // Read back what the file should have held: the session goes on with what the operator
    // chose (a callsign typed at the first start above all), not with what the disk has.
    loadBytes(state, view, dialogs, writeSettingsFile(withWindow(state, view), {}), QString());
}

}  // namespace zeno
