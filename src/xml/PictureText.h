#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include "base/BmpFile.h"

class TPicture;

// The text form in which pictures travel inside the XML design: the length of
// the picture's BMP bytes in decimal, ";", and those bytes compressed as one
// zlib stream (default level) in standard Base64 without line breaks. An empty
// bitmap has no bytes: "0;" and the Base64 of zlib's compression of nothing.
//
// Errors (BrenwickError):
//   "'%s' is not a valid integer value"  no ";" (%s empty) or a bad size field
//   "Coding table entry not found."       a character outside the Base64
//                                         alphabet other than CR, LF and
//                                         trailing "="
//   "Bitmap image is not valid"           data that does not inflate to exactly
//                                         the size field's length (or that could
//                                         not possibly, checked before anything
//                                         is allocated), or that is not a BMP

// Makes the picture hold a bitmap (an empty one when it holds nothing; other
// kinds of image are drawn onto a 24-bit bitmap over white) and returns its
// text form: the text it keeps when it has one (the text it was read from or
// last written as), otherwise the bitmap compressed anew, which it then keeps.
QString PictureToText(TPicture &picture);

// Replaces the picture's graphic by the bitmap the text describes; an empty
// text, or a size field of 0 or below, gives an empty bitmap. The picture keeps
// the text when it is in the writer's own form (IsWriterPictureText, found in
// the same pass that decodes it), so that a save writes it back byte for byte;
// a text in any other form that reads is written anew. On an error the
// picture is left as it was.
void TextToPicture(TPicture &picture, QStringView text);

// True when a picture text that reads is in the form PictureToText writes:
// the size in plain decimal digits (no sign, no leading zeros), ";", and
// standard Base64 on one line without blanks, "=" only filling the last group
// and the bits it leaves over zero. The level of compression is not part of
// the form. For a size of 0 the data must also be a zlib stream of nothing;
// for any other size, that the data inflates to the bitmap is the reader's
// check, not this one's.
bool IsWriterPictureText(QStringView text);

// The steps, for callers that need the bytes themselves.

// The bitmap in the BMP file layout: in the layout it was read in when that is
// known (the 12-byte core header, the bit count, the colour masks), otherwise
// with a 40-byte header, 24-bit pixels for true-colour images and palettes
// kept for 1- and 8-bit ones (see WriteBmp). A null image gives no bytes.
QByteArray BitmapBytes(const QImage &bitmap, const TBitmapLayout &layout = {});
// Bytes to picture text.
QString BytesToPictureText(QByteArrayView bytes);
// Picture text to the bytes it carries (checked as described above, but not
// read as a bitmap). A size of 0 or below gives no bytes.
QByteArray PictureTextToBytes(QStringView text);
// BMP bytes to an image; no bytes give a null image. Throws "Bitmap image is
// not valid" for anything that does not read completely and exactly (ReadBmp).
QImage BitmapFromBytes(const QByteArray &bytes);

// Picture text to the bitmap it carries: PictureTextToBytes and ReadBmp in
// one pass over the text, the Base64 decoded a piece at a time straight into
// the inflater, and the BMP bytes inflated into buffer, which keeps its
// capacity for the next picture. The same bitmap, or the same error, as the
// two steps give; an empty text or a size of 0 or below gives a null image.
// When writerForm is given, it tells whether a text that reads is in the
// writer's own form (IsWriterPictureText), found in the same pass.
TBmpImage DecodePicture(QStringView text, QByteArray &buffer, bool *writerForm = nullptr);

// Standard Base64 decoding as the picture text needs it: CR and LF are
// skipped, "=" may only fill the end.
QByteArray DecodePictureBase64(QStringView text);
