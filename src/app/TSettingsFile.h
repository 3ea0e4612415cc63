#pragma once

#include <QSettings>

// The editor's settings file: QSettings in INI form, written with section
// names exactly as given ("[recent files]", not an escaped form) and plain
// text values, so the file reads the same to people and other programs.
namespace settings_file {

// The INI format of the settings file, registered with QSettings once.
QSettings::Format Format();

// Whether a program folder belongs to an installation (a system folder such
// as /usr/bin, or the bin/ of a tree holding the program's shared files)
// rather than to a portable copy.
bool IsInstalled(const QString &folder);
// The settings file of the executable: beside it (brenwick.ini) for a
// portable copy, whose folder is writable or already holds that file;
// otherwise the same name in configFolder.
QString PathFor(const QString &executable, const QString &configFolder);
// PathFor the running program and the user's configuration folder (made
// when it is the one chosen).
QString DefaultPath();

// Parses INI text into "section/key" -> value; lines outside a section, blank
// lines and lines starting with ";" or "#" are skipped.
QSettings::SettingsMap Parse(const QByteArray &text);
// The INI text of a map, sections in alphabetical order, keys likewise.
QByteArray Compose(const QSettings::SettingsMap &map);

} // namespace settings_file
