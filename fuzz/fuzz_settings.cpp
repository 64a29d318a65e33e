// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as zeno.ini and as engine.ini. A damaged settings file must never hand a key
// line on as a value (it would go on the air as the callsign or a path) and keeps every number
// within its field's range; a damaged engine.ini leaves the engine's address the default one
// or a valid one, and says why when it is not the file's.
#include "config/settingsfile.h"
#include "link/engineaddress.h"

#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using namespace zeno;

void check(bool rule) {
    if (!rule)
        __builtin_trap();
}

// Trimmed of ASCII blanks and in any case, as the file's reader compares key lines.
bool isKeyLine(const QString& value) {
    // The whole line: a NUL inside it is part of it, as the reader sees it.
    const QByteArray line = value.toLatin1().trimmed();
    for (const SettingsField& f : settingsFields()) {
        if (line.compare(QByteArrayView(f.key.latin1(), f.key.size()), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

template <typename T>
const T& valueOf(const Settings& s, const SettingsField& f) {
    return s.*std::get<T Settings::*>(f.member);
}

void checkSettings(const QByteArray& bytes) {
    const Settings current;
    const SettingsFileContent read = readSettingsFile(bytes, current);
    const Settings& s = read.settings;
    if (read.callsignUnreadable)
        check(s.callsign == QLatin1String("MYCALL"));
    for (const SettingsField& f : settingsFields()) {
        switch (f.kind) {
            case FieldKind::Callsign:
            case FieldKind::Text:
            case FieldKind::DefaultText:
                check(!isKeyLine(valueOf<QString>(s, f)));
                break;
            case FieldKind::Integer:
            case FieldKind::Long: {
                const int value = valueOf<int>(s, f);
                check(value == valueOf<int>(current, f) ||
                      (value >= f.minimum && value <= f.maximum));
                break;
            }
            case FieldKind::AlarmMode: {
                const std::optional<int>& mode = valueOf<std::optional<int>>(s, f);
                check(!mode || (*mode >= f.minimum && *mode <= f.maximum));
                break;
            }
            case FieldKind::Real:
                check(std::isfinite(valueOf<double>(s, f)));
                break;
            case FieldKind::List: {
                const QStringList& entries = s.history(std::get<HistoryBox>(f.member));
                check(entries.size() <= qMax(f.readLimit, 0) ||
                      entries == current.history(std::get<HistoryBox>(f.member)));
                for (const QString& entry : entries)
                    check(!isKeyLine(entry));
                break;
            }
            case FieldKind::Bbs:
                check(!isKeyLine(s.bbsPassword));
                break;
        }
    }
}

void checkEngineFile(const QByteArray& bytes) {
    const EngineSettings read = readEngineFile(bytes);
    const EngineAddress defaults;
    const bool valid = isValidEngineHost(read.address.host) && read.address.port >= 1;
    check(read.address == defaults || valid);
    if (read.problem) {
        check(read.address == defaults);
        check(read.problem->text.startsWith(QLatin1String("engine.ini ")) &&
              read.problem->text.endsWith(QLatin1String(": using 127.0.0.1:8000")));
        check(!read.problem->text.contains(QLatin1Char('\r')) &&
              !read.problem->text.contains(QLatin1Char('\n')));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkSettings(bytes);
    checkEngineFile(bytes);
    return 0;
}
