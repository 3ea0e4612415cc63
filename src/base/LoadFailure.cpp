#include "base/LoadFailure.h"

#include "base/BrenwickError.h"

#include <QCoreApplication>

#include "rules/ReadReasons.h"

namespace {


// The element a picture stands in: its own element, or the object's for the
// one picture of a background or theme ("background", not "background/source").
QString PictureOwner(const TFilePlace &p)
{
    QStringList path = p.elements;
    if (path.size() > 1 && path.constLast() == QLatin1String("source"))
        path.removeLast();
    return path.join(u'/');
}

// "Элемент «window/position»" or "Команда №12 («program»)".
QString Subject(const TFilePlace &p)
{
    if (p.command > 0)
        return QCoreApplication::translate("LoadFailure", "Команда №%1 (элемент «%2»)").arg(p.command).arg(p.elements.value(p.elements.size() - 1));
    return QCoreApplication::translate("LoadFailure", "Элемент «%1»").arg(p.elements.join(u'/'));
}

} // namespace

QString LoadFailureReason(const BrenwickError &error)
{
    const TFilePlace &p = error.place();
    switch (p.what) {
    case TFilePlace::fwEnd:
        if (p.line > 0)
            return QCoreApplication::translate("LoadFailure", "Файл обрывается на строке %1.").arg(p.line);
        return QCoreApplication::translate("LoadFailure", "Файл обрывается раньше, чем закрыт его корневой элемент.");
    case TFilePlace::fwPicture:
        return QCoreApplication::translate("LoadFailure", "Картинка в элементе «%1» повреждена.").arg(PictureOwner(p));
    case TFilePlace::fwEnum:
        return QCoreApplication::translate("LoadFailure", "%1, атрибут «%2»: число «%3» не означает ни одного из допустимых значений.")
            .arg(Subject(p), p.attribute, p.value.value_or(QString()));
    case TFilePlace::fwValue:
        if (!p.value)
            return QCoreApplication::translate("LoadFailure", "%1: нет атрибута «%2».").arg(Subject(p), p.attribute);
        return QCoreApplication::translate("LoadFailure", "%1, атрибут «%2»: нет значения или оно не число («%3»).").arg(Subject(p), p.attribute, *p.value);
    case TFilePlace::fwName:
        return QCoreApplication::translate("LoadFailure", "%1: в имени атрибута «%2» стоит кавычка.").arg(Subject(p), p.attribute);
    case TFilePlace::fwStart:
        return QCoreApplication::translate("LoadFailure", "Это не файл проекта: он записан не в UTF-8 или это не XML.");
    case TFilePlace::fwUnknown:
        break;
    }
    if (!p.elements.isEmpty())
        return QCoreApplication::translate("LoadFailure", "%1 не читается.").arg(Subject(p));
    return QString();
}

QString LoadFailureText(const BrenwickError &error)
{
    const QString reason = LoadFailureReason(error);
    if (reason.isEmpty())
        return error.message();
    return QStringLiteral("%1 (%2)").arg(reason, error.message());
}

QString LoadFailurePlace(const BrenwickError &error)
{
    const TFilePlace &p = error.place();
    QString place = p.elements.join(u'/');
    if (!p.attribute.isEmpty())
        place += (place.isEmpty() ? QStringLiteral("@") : QStringLiteral("/@")) + p.attribute;
    if (p.command > 0)
        place += QStringLiteral(" (command %1)").arg(p.command);
    if (p.line > 0)
        place += (place.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("line %1").arg(p.line);
    return place;
}

QString LoadFailureRussian(const BrenwickError &error)
{
    const std::string english = error.message().toStdString();
    if (rules::RussianReason(english) == english)
        return QString();
    const TFilePlace &p = error.place();
    const std::optional<std::string> value = p.value ? std::optional(p.value->toStdString()) : std::nullopt;
    return QString::fromStdString(rules::RussianFailure(p.line, p.elements.join(u'/').toStdString(),
                                                        p.attribute.toStdString(), value, english));
}
