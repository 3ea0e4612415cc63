#include "base/TPropertyLayer.h"

#include <QVariantMap>
#include <cstring>

namespace {

// True for a property that one of Qt's own classes declares.
bool declaredByQt(const QMetaObject *meta, int index)
{
    while (meta->superClass() && index < meta->propertyOffset())
        meta = meta->superClass();
    return meta->className()[0] == 'Q';
}

// The integer an enumeration or set value holds, whatever its storage size.
qint64 enumToInt(const QVariant &value)
{
    const qsizetype size = value.metaType().sizeOf();
    const void *data = value.constData();
    if (!data)
        return 0;
    switch (size) {
    case 1: { qint8 v; std::memcpy(&v, data, 1); return v; }
    case 2: { qint16 v; std::memcpy(&v, data, 2); return v; }
    case 4: { qint32 v; std::memcpy(&v, data, 4); return v; }
    case 8: { qint64 v; std::memcpy(&v, data, 8); return v; }
    default: return value.toLongLong();
    }
}

QVariant intToEnum(QMetaType type, qint64 number)
{
    QVariant result(type);
    void *data = result.data();
    switch (type.sizeOf()) {
    case 1: { qint8 v = qint8(number); std::memcpy(data, &v, 1); break; }
    case 2: { qint16 v = qint16(number); std::memcpy(data, &v, 2); break; }
    case 4: { qint32 v = qint32(number); std::memcpy(data, &v, 4); break; }
    case 8: std::memcpy(data, &number, 8); break;
    default: return QVariant();
    }
    return result;
}

TPropertyLayer::Kind kindOf(const QMetaProperty &property)
{
    if (property.isFlagType())
        return TPropertyLayer::Kind::Set;
    if (property.isEnumType())
        return TPropertyLayer::Kind::Enumeration;
    const QMetaType type = property.metaType();
    if (type.flags() & QMetaType::PointerToQObject) {
        const QMetaObject *meta = type.metaObject();
        if (meta && meta->inherits(&TPicture::staticMetaObject))
            return TPropertyLayer::Kind::Picture;
        return TPropertyLayer::Kind::Object;
    }
    return TPropertyLayer::Kind::Value;
}

// The enumeration value of a key or a number given as text or int.
bool enumValue(const QMetaEnum &enumerator, const QVariant &value, qint64 *number)
{
    if (value.metaType().id() == QMetaType::QString) {
        bool ok = false;
        const QByteArray key = value.toString().toLatin1();
        const int v = enumerator.isFlag() ? enumerator.keysToValue(key.constData(), &ok)
                                          : enumerator.keyToValue(key.constData(), &ok);
        if (ok) {
            *number = v;
            return true;
        }
    }
    bool ok = false;
    const qint64 v = value.toLongLong(&ok);
    if (!ok)
        return false;
    if (!enumerator.isFlag() && !enumerator.valueToKey(int(v)))
        return false;
    *number = v;
    return true;
}

QString badValue(const QVariant &value)
{
    return TPropertyLayer::tr("Недопустимое значение \"%1\"").arg(value.toString());
}

} // namespace

TPictureValue TPictureValue::of(const TPicture &picture)
{
    return TPictureValue{picture.image(), picture.kind(), picture.transparent(), picture.bitmapLayout()};
}

void TPictureValue::applyTo(TPicture &picture) const
{
    if (kind == TPicture::gkNone || image.isNull())
        picture.clear();
    else if (kind == TPicture::gkBitmap)
        picture.setBitmap(image, layout);
    else
        picture.setGraphic(image, kind);
    picture.setTransparent(transparent);
}

bool TPropertyLayer::Node::isWritable() const
{
    switch (kind) {
    case Kind::Invalid:
        return false;
    case Kind::Picture:
    case Kind::Object:
        return target() != nullptr;
    default:
        return property.isWritable();
    }
}

QObject *TPropertyLayer::Node::target() const
{
    if ((kind != Kind::Object && kind != Kind::Picture) || !owner)
        return nullptr;
    return property.read(owner).value<QObject *>();
}

TPropertyLayer::TPropertyLayer(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<TPictureValue>();
}

TPropertyLayer::Node TPropertyLayer::resolve(QObject *root, const QString &path)
{
    Node node;
    if (!root || path.isEmpty())
        return node;
    const QStringList names = path.split(QLatin1Char('.'));
    if (names.size() > kMaxDepth)
        return node;
    QObject *object = root;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (node.kind == Kind::Set) {
            // A flag is the last name of a path.
            bool ok = false;
            const int bit = node.enumerator.keyToValue(name.toLatin1().constData(), &ok);
            if (!ok || i + 1 != names.size())
                return Node();
            node.kind = Kind::Flag;
            node.flag = bit;
            node.name = name;
            return node;
        }
        if (i > 0) {
            object = node.kind == Kind::Object ? node.target() : nullptr;
            if (!object)
                return Node();
        }
        const QMetaObject *meta = object->metaObject();
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        if (index < 0 || declaredByQt(meta, index))
            return Node();
        node = Node();
        node.owner = object;
        node.property = meta->property(index);
        node.kind = kindOf(node.property);
        node.name = name;
        if (node.kind == Kind::Set || node.kind == Kind::Enumeration)
            node.enumerator = node.property.enumerator();
    }
    return node;
}

QStringList TPropertyLayer::children(QObject *root, const QString &path)
{
    QStringList names;
    QObject *object = root;
    if (!path.isEmpty()) {
        const Node node = resolve(root, path);
        if (node.kind == Kind::Set) {
            for (int i = 0; i < node.enumerator.keyCount(); ++i)
                names << QString::fromLatin1(node.enumerator.key(i));
            return names;
        }
        object = node.kind == Kind::Object ? node.target() : nullptr;
    }
    if (!object)
        return names;
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (!declaredByQt(meta, i))
            names << QString::fromLatin1(meta->property(i).name());
    return names;
}

QVariant TPropertyLayer::read(QObject *root, const QString &path)
{
    return readNode(resolve(root, path));
}

bool TPropertyLayer::write(QObject *root, const QString &path, const QVariant &value, QString *error)
{
    const Node node = resolve(root, path);
    if (!node.isValid()) {
        if (error)
            *error = tr("Нет свойства \"%1\"").arg(path);
        return false;
    }
    Ready ready;
    if (!prepareNode(node, value, ready, error))
        return false;
    if (writeReady(ready))
        return true;
    if (error)
        *error = badValue(value);
    return false;
}

QVariant TPropertyLayer::readNode(const Node &node, int depth)
{
    switch (node.kind) {
    case Kind::Invalid:
        return QVariant();
    case Kind::Value:
        return node.property.read(node.owner);
    case Kind::Enumeration:
    case Kind::Set:
        return int(enumToInt(node.property.read(node.owner)));
    case Kind::Flag:
        return (enumToInt(node.property.read(node.owner)) & node.flag) == node.flag && node.flag != 0;
    case Kind::Picture: {
        auto *picture = qobject_cast<TPicture *>(node.target());
        return picture ? QVariant::fromValue(TPictureValue::of(*picture)) : QVariant();
    }
    case Kind::Object: {
        // A snapshot of the stored properties, to the depth a path may reach.
        QVariantMap map;
        QObject *object = node.target();
        if (!object || depth >= kMaxDepth)
            return map;
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            if (declaredByQt(meta, i) || !meta->property(i).isStored())
                continue;
            const QString name = QString::fromLatin1(meta->property(i).name());
            map.insert(name, readNode(resolve(object, name), depth + 1));
        }
        return map;
    }
    }
    return QVariant();
}

bool TPropertyLayer::prepareNode(const Node &node, const QVariant &value, Ready &ready, QString *error, int depth)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (!node.isWritable())
        return fail(tr("Свойство \"%1\" только для чтения").arg(node.name));
    switch (node.kind) {
    case Kind::Invalid:
        return false;
    case Kind::Value: {
        QVariant converted = value;
        if (converted.metaType() != node.property.metaType() && !converted.convert(node.property.metaType()))
            return fail(badValue(value));
        ready.append({node, converted});
        return true;
    }
    case Kind::Enumeration:
    case Kind::Set: {
        qint64 number = 0;
        if (!enumValue(node.enumerator, value, &number))
            return fail(badValue(value));
        const QVariant stored = intToEnum(node.property.metaType(), number);
        if (!stored.isValid())
            return fail(badValue(value));
        ready.append({node, stored});
        return true;
    }
    case Kind::Flag:
        if (!value.canConvert<bool>())
            return fail(badValue(value));
        ready.append({node, value.toBool()});
        return true;
    case Kind::Picture:
        if (!value.canConvert<TPictureValue>())
            return fail(badValue(value));
        ready.append({node, QVariant::fromValue(value.value<TPictureValue>())});
        return true;
    case Kind::Object: {
        if (value.metaType().id() != QMetaType::QVariantMap || depth >= kMaxDepth)
            return fail(badValue(value));
        QObject *object = node.target();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            const Node part = resolve(object, it.key());
            if (!part.isWritable())
                return fail(tr("Нет свойства \"%1\"").arg(join(node.name, it.key())));
            if (!prepareNode(part, it.value(), ready, error, depth + 1))
                return false;
        }
        return true;
    }
    }
    return false;
}

bool TPropertyLayer::writeReady(const Ready &ready)
{
    bool ok = true;
    for (const auto &[node, value] : ready) {
        switch (node.kind) {
        case Kind::Flag: {
            // Read as each flag is written, so that several flags of one set all hold.
            qint64 set = enumToInt(node.property.read(node.owner));
            set = value.toBool() ? (set | node.flag) : (set & ~qint64(node.flag));
            ok = node.property.write(node.owner, intToEnum(node.property.metaType(), set)) && ok;
            break;
        }
        case Kind::Picture:
            if (auto *picture = qobject_cast<TPicture *>(node.target()))
                value.value<TPictureValue>().applyTo(*picture);
            break;
        default:
            ok = node.property.write(node.owner, value) && ok;
            break;
        }
    }
    return ok;
}
