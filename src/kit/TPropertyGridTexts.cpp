// The property grid's value texts: what a row shows, the choices it offers,
// and how typed text becomes a value.
#include "kit/TPropertyGridModel.h"

#include "kit/TPropertyGridRow.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <algorithm>
#include <limits>

namespace {

const char *const kContext = "TPropertyGridModel";
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");
const char *const kYes = QT_TRANSLATE_NOOP("TPropertyGridModel", "Да");
const char *const kNo = QT_TRANSLATE_NOOP("TPropertyGridModel", "Нет");

QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

QString boolText(bool value, bool displayNames)
{
    if (displayNames)
        return translated(value ? kYes : kNo);
    return value ? kTrue : kFalse;
}

// Takes the identifiers and, in any language, the shown words.
bool parseBool(const QString &text, bool *value)
{
    for (const QString &yes : {kTrue, translated(kYes), QString::fromUtf8(kYes)})
        if (text.compare(yes, Qt::CaseInsensitive) == 0) {
            *value = true;
            return true;
        }
    for (const QString &no : {kFalse, translated(kNo), QString::fromUtf8(kNo)})
        if (text.compare(no, Qt::CaseInsensitive) == 0) {
            *value = false;
            return true;
        }
    return false;
}

// "3 строки": the Russian plural forms by the count's last digits.
QString lineCount(qsizetype count)
{
    constexpr int kTen = 10;
    constexpr int kHundred = 100;
    const qsizetype lastTwo = count % kHundred;
    const qsizetype last = count % kTen;
    const char *form = QT_TRANSLATE_NOOP("TPropertyGridModel", "%1 строк");
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1)
            form = QT_TRANSLATE_NOOP("TPropertyGridModel", "%1 строка");
        else if (last >= 2 && last <= 4)
            form = QT_TRANSLATE_NOOP("TPropertyGridModel", "%1 строки");
    }
    return translated(form).arg(count);
}

// "BMP 160×120, 24 бит" as the picture will be saved, or "(нет)".
QString pictureText(const TPicture *picture)
{
    if (!picture || picture->isEmpty())
        return translated(QT_TRANSLATE_NOOP("TPropertyGridModel", "(нет)"));
    const QString size = QStringLiteral("%1×%2").arg(picture->width()).arg(picture->height());
    if (picture->kind() == TPicture::gkBitmap)
        return translated(QT_TRANSLATE_NOOP("TPropertyGridModel", "BMP %1, %2 бит"))
            .arg(size)
            .arg(BmpBitCount(picture->image(), picture->bitmapLayout()));
    const QString format = QString::fromLatin1(QMetaEnum::fromType<TPicture::GraphicKind>().valueToKey(picture->kind()))
                               .mid(2)
                               .toUpper();
    return format + QLatin1Char(' ') + size;
}

} // namespace

QString TPropertyGridModel::ValueText(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    if (!row || row->group || !m_inspected)
        return QString();
    const TPropertyLayer::Node node = TPropertyLayer::resolve(m_inspected, row->path);
    const QVariant value = TPropertyLayer::read(m_inspected, row->path);
    switch (row->kind) {
    case TPropertyLayer::Kind::Invalid:
        return QString();
    case TPropertyLayer::Kind::Flag:
        return boolText(value.toBool(), m_displayNames);
    case TPropertyLayer::Kind::Enumeration:
        return enumText(node.enumerator, value.toInt());
    case TPropertyLayer::Kind::Set: {
        QStringList keys;
        for (int i = 0; i < node.enumerator.keyCount(); ++i)
            if (value.toInt() & node.enumerator.value(i)) {
                const QString key = QString::fromLatin1(node.enumerator.key(i));
                keys << (m_displayNames ? m_config.DisplayName(TPropertyLayer::join(row->path, key), key) : key);
            }
        return QLatin1Char('[') + keys.join(m_displayNames ? QStringLiteral(", ") : QStringLiteral(",")) + QLatin1Char(']');
    }
    case TPropertyLayer::Kind::Picture:
        if (m_displayNames)
            return pictureText(qobject_cast<TPicture *>(node.target()));
        return value.value<TPictureValue>().kind == TPicture::gkNone ? QStringLiteral("(None)")
                                                                     : QStringLiteral("(TPicture)");
    case TPropertyLayer::Kind::Object:
        if (const ObjectText text = m_objectTexts.value(row->className); text && m_displayNames && node.target())
            return text(node.target());
        return QStringLiteral("(%1)").arg(row->className);
    case TPropertyLayer::Kind::Value:
        break;
    }
    if (const TPropertyValueType *type = ValueType(row->typeId); type && type->text)
        return type->text(value);
    switch (row->typeId) {
    case QMetaType::Bool:
        return boolText(value.toBool(), m_displayNames);
    case QMetaType::QStringList:
        return m_displayNames ? lineCount(value.toStringList().size()) : QStringLiteral("(TStrings)");
    default:
        return value.toString();
    }
}

QString TPropertyGridModel::enumText(const QMetaEnum &enumerator, int value) const
{
    const QString key = QString::fromLatin1(enumerator.valueToKey(value));
    const QString label = m_displayNames ? m_config.ValueLabel(key) : QString();
    return label.isEmpty() ? key : label;
}

QStringList TPropertyGridModel::ChoiceTexts(const QModelIndex &index) const
{
    const Row *row = rowOf(index);
    if (!row || row->group || !m_inspected)
        return {};
    if (row->kind == TPropertyLayer::Kind::Enumeration) {
        const QMetaEnum e = TPropertyLayer::resolve(m_inspected, row->path).enumerator;
        QStringList texts;
        for (int i = 0; i < e.keyCount(); ++i)
            texts << enumText(e, e.value(i));
        return texts;
    }
    if (row->kind == TPropertyLayer::Kind::Flag || (row->kind == TPropertyLayer::Kind::Value && row->typeId == QMetaType::Bool))
        return {boolText(false, m_displayNames), boolText(true, m_displayNames)};
    return {};
}

// ---- parsing ----------------------------------------------------------------

bool TPropertyGridModel::parseText(const Row &row, const QString &text, QVariant *value, QString *error) const
{
    const QString trimmed = text.trimmed();
    auto bad = [&](const QString &message) {
        *error = message;
        return false;
    };
    if (row.kind == TPropertyLayer::Kind::Flag || row.typeId == QMetaType::Bool) {
        bool b = false;
        if (!parseBool(trimmed, &b))
            return bad(translated(QT_TRANSLATE_NOOP("TPropertyGridModel", "\"%1\" не является логическим значением (%2 или %3)."))
                           .arg(text, boolText(true, m_displayNames), boolText(false, m_displayNames)));
        *value = b;
        return true;
    }
    if (row.kind == TPropertyLayer::Kind::Enumeration) {
        const TPropertyLayer::Node node = TPropertyLayer::resolve(m_inspected, row.path);
        bool ok = false;
        int v = node.enumerator.keyToValue(trimmed.toLatin1().constData(), &ok);
        for (int i = 0; !ok && i < node.enumerator.keyCount(); ++i)
            if (trimmed.compare(enumText(node.enumerator, node.enumerator.value(i)), Qt::CaseInsensitive) == 0) {
                v = node.enumerator.value(i);
                ok = true;
            }
        if (!ok)
            return bad(tr("\"%1\" не является допустимым значением.").arg(text));
        *value = v;
        return true;
    }
    if (row.kind != TPropertyLayer::Kind::Value)
        return bad(tr("\"%1\" не является допустимым значением.").arg(text));
    if (const TPropertyValueType *type = ValueType(row.typeId); type && type->parse) {
        if (!type->parse(trimmed, value))
            return bad(tr("\"%1\" не является допустимым значением.").arg(text));
        return true;
    }
    switch (row.typeId) {
    case QMetaType::Int: {
        int min = std::numeric_limits<qint32>::min();
        int max = std::numeric_limits<qint32>::max();
        const bool ranged = m_config.Range(m_inspected, row.path, &min, &max);
        const QString name = m_config.DisplayName(row.path, row.name);
        bool ok = false;
        qlonglong v = trimmed.toLongLong(&ok);
        if (!ok)
            return bad(tr("%1: введите целое число от %2 до %3").arg(name).arg(min).arg(max));
        if (ranged && m_config.Clamps(m_inspected, row.path))
            v = std::clamp<qlonglong>(v, min, max);
        if (v < min || v > max)
            return bad(tr("%1: от %2 до %3").arg(name).arg(min).arg(max));
        *value = int(v);
        return true;
    }
    case QMetaType::QStringList:
        *value = text.split(QLatin1Char('\n'));
        return true;
    default:
        *value = text;
        return true;
    }
}
