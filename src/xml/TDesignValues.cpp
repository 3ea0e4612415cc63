#include "xml/TDesignValues.h"

#include "kit/TPicture.h"
#include "kit/TPropertyLayer.h"

#include <QObject>

void TDesignValues::Append(const TDesignValues &other, const QString &prefix)
{
    for (const Entry &e : other.m_entries)
        m_entries.append({prefix + e.path, e.value, e.picture});
}

QVariant TDesignValues::Value(const QString &path) const
{
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i)
        if (m_entries[i].path == path)
            return m_entries[i].value;
    return QVariant();
}

void TDesignValues::ApplyTo(QObject &object) const
{
    for (const Entry &e : m_entries) {
        if (e.picture) {
            if (auto *picture = qobject_cast<TPicture *>(TPropertyLayer::resolve(&object, e.path).target()))
                picture->setBitmap(e.value.value<QImage>());
        } else {
            TPropertyLayer::write(&object, e.path, e.value);
        }
    }
}
