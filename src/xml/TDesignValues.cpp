#include "xml/TDesignValues.h"

#include "base/TPicture.h"
#include "base/TPropertyLayer.h"

#include <QObject>

void TDesignValues::Append(const TDesignValues &other, const QString &prefix)
{
    for (const Entry &e : other.m_entries)
        m_entries.append({prefix + e.path, e.value, e.picture, e.layout, e.text});
}

void TDesignValues::ApplyTo(QObject &object) const
{
    for (const Entry &e : m_entries) {
        if (e.picture) {
            if (auto *picture = qobject_cast<TPicture *>(TPropertyLayer::resolve(&object, e.path).target()))
                picture->setBitmap(e.value.value<QImage>(), e.layout, e.text);
        } else {
            TPropertyLayer::write(&object, e.path, e.value);
        }
    }
}
