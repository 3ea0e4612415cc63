#pragma once

#include <QSettings>

// The editor's settings file: QSettings in INI form, written with section
// names exactly as given ("[recent files]", not an escaped form) and plain
// text values, so the file reads the same to people and other programs.
namespace settings_file {

// The INI format of the settings file, registered with QSettings once.
QSettings::Format Format();

// The settings file beside the executable (brenwick.ini), or the same name in
// the user's configuration folder when that folder is not writable.
QString DefaultPath();

// Parses INI text into "section/key" -> value; lines outside a section, blank
// lines and lines starting with ";" or "#" are skipped.
QSettings::SettingsMap Parse(const QByteArray &text);
// The INI text of a map, sections in alphabetical order, keys likewise.
QByteArray Compose(const QSettings::SettingsMap &map);

} // namespace settings_file
