#include "xml/DesignProperty.h"

#include <QObject>

namespace {

// The object holding the last name of the path, and that name.
QObject *Holder(const QObject &object, const QString &path, QString *last)
{
    const QStringList names = path.split(u'.');
    QObject *current = const_cast<QObject *>(&object);
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const QVariant v = current->property(names[i].toLatin1().constData());
        current = v.isValid() ? v.value<QObject *>() : nullptr;
        if (!current)
            return nullptr;
    }
    *last = names.last();
    return current;
}

} // namespace

QVariant ReadDesignProperty(const QObject &object, const QString &path)
{
    QString last;
    QObject *holder = Holder(object, path, &last);
    return holder ? holder->property(last.toLatin1().constData()) : QVariant();
}

bool WriteDesignProperty(QObject &object, const QString &path, const QVariant &value)
{
    QString last;
    QObject *holder = Holder(object, path, &last);
    if (!holder)
        return false;
    const QByteArray name = last.toLatin1();
    if (holder->metaObject()->indexOfProperty(name.constData()) < 0)
        return false;
    return holder->setProperty(name.constData(), value);
}

QObject *DesignPropertyObject(const QObject &object, const QString &path)
{
    const QVariant v = ReadDesignProperty(object, path);
    return v.isValid() ? v.value<QObject *>() : nullptr;
}
