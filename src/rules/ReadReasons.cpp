#include "rules/ReadReasons.h"

#include "rules/XmlReader.h"

namespace rules {

namespace {

const ReadReason kReasons[] = {
    {kUnexpectedEnd, "файл обрывается"},
    {kNestingTooDeep, "элементы вложены слишком глубоко"},
    {kFileTooLarge, "файл слишком велик"},
    {kInvalidAttributeName, "в имени атрибута стоит кавычка"},
    {kEndTagFirst, "закрывающий тег стоит раньше корневого элемента"},
    {kUtf16File, "файл записан в UTF-16, а не в UTF-8"},
    {kNotXml, "это не файл XML"},
    {kNotConverting, "не число"},
    {kNoSuchValue, "число не означает ни одного из допустимых значений"},
    {kPictureSize, "картинка повреждена: размер «%s» не число"},
    {kPictureCoding, "картинка повреждена: знак вне кодировки Base64"},
    {kPictureInvalid, "картинка повреждена"},
};

// Whether text is the pattern with "%s" standing for any text; that text.
bool Matches(std::string_view pattern, std::string_view text, std::string_view &filled)
{
    const std::size_t hole = pattern.find("%s");
    if (hole == std::string_view::npos)
        return pattern == text;
    const std::string_view head = pattern.substr(0, hole);
    const std::string_view tail = pattern.substr(hole + 2);
    if (text.size() < head.size() + tail.size() || text.substr(0, head.size()) != head
        || text.substr(text.size() - tail.size()) != tail)
        return false;
    filled = text.substr(head.size(), text.size() - head.size() - tail.size());
    return true;
}

} // namespace

std::span<const ReadReason> ReadReasons()
{
    return kReasons;
}

std::string RussianReason(std::string_view english)
{
    for (const ReadReason &r : kReasons) {
        std::string_view filled;
        if (!Matches(r.english, english, filled))
            continue;
        std::string russian = r.russian;
        const std::size_t hole = russian.find("%s");
        if (hole != std::string::npos)
            russian.replace(hole, 2, filled);
        return russian;
    }
    return std::string(english);
}

std::string RussianFailure(int line, std::string_view element, std::string_view attribute,
                           const std::optional<std::string> &value, std::string_view englishReason)
{
    std::string text;
    if (line > 0)
        text = "строка " + std::to_string(line) + ": ";
    if (!attribute.empty() && !value)
        return text + "нет атрибута «" + std::string(attribute) + "»";
    if (!attribute.empty()) {
        text += "атрибут «" + std::string(attribute) + "» = «" + *value + "»: ";
    } else if (!element.empty()) {
        text += "элемент «" + std::string(element) + "»: ";
    }
    return text + RussianReason(englishReason);
}

std::string RussianFailure(const ReadError &e)
{
    return RussianFailure(e.Line(), e.Element(), e.Attribute(), e.Value(), e.Reason());
}

} // namespace rules
