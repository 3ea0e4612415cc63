#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The escaping and character encoding of attribute values and element text in
// the program's XML files.
//
// XmlEncode replaces "&" "<" ">" and the double quote with "&amp;" "&lt;" "&gt;"
// "&quot;" (in that order, without rescanning replaced text) and gives the
// result as UTF-8. The apostrophe, CR, LF, TAB and every other character are
// written unchanged, so values may hold raw line breaks.
QByteArray XmlEncode(QStringView text);
// XmlEncode appended to out.
void AppendXmlEncoded(QByteArray &out, QStringView text);
// Plain UTF-8 appended to out (names and the header). A lone surrogate, which
// UTF-8 cannot carry, is written as U+FFFD.
void AppendUtf8(QByteArray &out, QStringView text);

// XmlDecode takes UTF-8 bytes as they stand in a file. If they are not
// well-formed UTF-8 anywhere (a missing continuation byte, a sequence cut off by
// the end, an overlong form, a surrogate, a value above U+10FFFF, a stray
// continuation byte), the whole value is the empty string. Then "&quot;" "&lt;"
// "&gt;" "&amp;" are replaced, "&amp;" last, so that "&amp;lt;" reads as "&lt;".
// No other entity or character reference is recognised.
QString XmlDecode(QByteArrayView utf8);

// Strict UTF-8 decoding as above, without the entity step. ok tells whether the
// bytes were well-formed; the result is empty when they were not.
QString DecodeUtf8Strict(QByteArrayView utf8, bool *ok = nullptr);
