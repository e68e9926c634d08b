#pragma once
// The text of Quintel.conf: sections in brackets and key=value lines whose values are plain
// text, taken as written (no quoting, escapes or lists), so that a name such as
// "Friends, Old", "C:\Temp" or 'Say "Hi"' reads back exactly as it was typed or saved.
//
// A file written by this format starts with kMarker. A file without it was written by the INI
// format Quintel used before (or by hand): there, what that format's escaping made of a value is
// undone where it cannot be read two ways (a value in double quotes, a doubled backslash, an
// escaped quote, a leading "@@"); every other value is read as plain text.
//
// A value is everything after the first '=' of its line, blanks included; blanks around a key
// are not part of it. A line break inside a value cannot be kept in one line: it is written as a
// blank. In a file of the old format, blanks around a value are not part of it (as that format
// read them).

#include <QByteArray>
#include <QSettings>
#include <QString>

namespace settingsformat {

inline constexpr char kMarker[] = "; Quintel settings: each value is plain text, exactly as written after '='.";

// False when the text cannot be parsed (not UTF-8, a NUL byte, a line that is neither a section,
// a key=value pair, a comment nor blank); the map is then left empty.
bool parse(const QByteArray& data, QSettings::SettingsMap& map);
QByteArray serialize(const QSettings::SettingsMap& map);

// The QSettings format for files with the extension "conf", registered once.
QSettings::Format format();

} // namespace settingsformat
