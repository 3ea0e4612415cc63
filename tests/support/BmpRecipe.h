#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QtEndian>

// Bitmaps made by hand for the tests of the BMP reader.
namespace bmp_test {

// A BMP made by hand: the header kind, bit count, compression and masks given;
// rows given top row first as pixel values (palette indices or packed words),
// stored bottom-up.
struct BmpRecipe
{
    quint32 headerSize = 40;
    int width = 0;
    int height = 0;
    int bits = 24;
    quint32 compression = 0;
    QList<quint32> masks;   // after a 40-byte header, or inside a longer one
    QList<QRgb> palette;
    QList<QList<quint32>> rows;
};

inline void put(QByteArray &b, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(char(v >> (8 * i)));
}

inline QByteArray makeBmp(const BmpRecipe &s)
{
    const bool core = s.headerSize == 12;
    QByteArray header;
    put(header, s.headerSize, 4);
    if (core) {
        put(header, quint32(s.width), 2);
        put(header, quint32(s.height), 2);
        put(header, 1, 2);
        put(header, quint32(s.bits), 2);
    } else {
        put(header, quint32(s.width), 4);
        put(header, quint32(s.height), 4);
        put(header, 1, 2);
        put(header, quint32(s.bits), 2);
        put(header, s.compression, 4);
        header.append(QByteArray(20, '\0'));
    }
    QByteArray masks;
    for (quint32 m : s.masks)
        put(masks, m, 4);
    if (s.headerSize > 40) {
        header += masks;
        masks.clear();
    }
    header.append(QByteArray(qMax<qsizetype>(0, s.headerSize - header.size()), '\0'));
    QByteArray table;
    for (QRgb c : s.palette) {
        put(table, qBlue(c) | qGreen(c) << 8 | qRed(c) << 16, core ? 3 : 4);
    }
    const int stride = (s.width * s.bits + 31) / 32 * 4;
    QByteArray pixels;
    for (auto row = s.rows.crbegin(); row != s.rows.crend(); ++row) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < s.width; ++x) {
            const quint32 v = row->at(x);
            if (s.bits < 8) {
                const int at = x * s.bits;
                line[at / 8] = char(uchar(line[at / 8]) | v << (8 - s.bits - at % 8));
            } else {
                for (int k = 0; k < s.bits / 8; ++k)
                    line[x * s.bits / 8 + k] = char(v >> (8 * k));
            }
        }
        pixels += line;
    }
    QByteArray file("BM");
    const quint32 offBits = 14 + header.size() + masks.size() + table.size();
    put(file, offBits + pixels.size(), 4);
    put(file, 0, 4);
    put(file, offBits, 4);
    if (!core) {
        qToLittleEndian<quint32>(quint32(pixels.size()), header.data() + 20);        // image size
        qToLittleEndian<quint32>(quint32(s.palette.size()), header.data() + 32);   // colours used
    }
    return file + header + masks + table + pixels;
}

} // namespace bmp_test
