#pragma once

#include <QString>
#include <QStringView>

// The fonts the player can count on: those every installation of Windows 7
// to 11 ships. The one list of them lives in TWindowsFonts.cpp.
namespace TWindowsFonts {

// The character set of Cyrillic text (a font's Charset).
constexpr int kCyrillicCharset = 204;

// Whether every Windows 7-11 has the family (letter case aside).
bool IsShippedEverywhere(QStringView family);
// Whether the family draws pictures instead of letters (Wingdings, Marlett...).
bool IsSymbolFont(QStringView family);
// Whether the family has Cyrillic letters; for the families every Windows
// has (a family unknown here is taken to have them).
bool HasCyrillic(QStringView family);

// A family name as a Linux font dialog gives it, without the foundry in
// brackets it adds ("URW Bookman [urw]" -> "URW Bookman").
QString WithoutFoundry(const QString &family);

} // namespace TWindowsFonts
