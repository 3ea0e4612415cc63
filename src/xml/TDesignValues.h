#pragma once

#include "base/BmpFile.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QVariant>

class QObject;

// Property values read from one design element, checked and converted, in the
// order the reader sets them. Reading fills it without touching any object;
// ApplyTo then sets the values through the objects' ordinary setters, so a load
// either fails before anything changes or applies completely.
//
// Paths address properties through object-valued properties ("Font.Color",
// "ButtonStyle.Pictures.Default"). A picture value replaces the graphic of the
// picture object at its path by the decoded bitmap.
class TDesignValues
{
public:
    struct Entry
    {
        QString path;
        QVariant value;
        bool picture = false;
        TBitmapLayout layout;   // how a picture's bitmap was stored
        QString text;           // the picture text it was read from, kept by the picture
    };

    void Add(const QString &path, const QVariant &value) { m_entries.append({path, value, false, {}, {}}); }
    void AddPicture(const QString &path, const TBmpImage &bitmap, const QString &text = QString())
    {
        m_entries.append({path, bitmap.image, true, bitmap.layout, text});
    }
    // Appends another list's entries, their paths under prefix ("ButtonStyle.").
    void Append(const TDesignValues &other, const QString &prefix = QString());

    const QList<Entry> &Entries() const { return m_entries; }

    // Sets every value on the object, in order. A path the object does not
    // have is skipped (the readers only produce paths the objects publish).
    void ApplyTo(QObject &object) const;

private:
    QList<Entry> m_entries;
};
