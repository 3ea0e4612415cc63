#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Why a project file is refused: each reason in the editor's words (the
// message its errors carry, "%s" standing for a text the message quotes) and
// in Russian, for the player and the command line under a Russian locale.
namespace rules {

inline constexpr const char *kUnexpectedEnd = "Unexpected end of file";
inline constexpr const char *kNestingTooDeep = "Element nesting too deep";
inline constexpr const char *kFileTooLarge = "File too large";
inline constexpr const char *kInvalidAttributeName = "Invalid attribute name";
inline constexpr const char *kEndTagFirst = "End tag before the document element";
inline constexpr const char *kUtf16File = "UTF-16 text, not UTF-8 XML";
inline constexpr const char *kNotXml = "Not an XML file";
inline constexpr const char *kNotConverting = "Invalid variant type conversion";
inline constexpr const char *kNoSuchValue = "Invalid property value";
inline constexpr const char *kPictureSize = "'%s' is not a valid integer value";
inline constexpr const char *kPictureCoding = "Coding table entry not found.";
inline constexpr const char *kPictureInvalid = "Bitmap image is not valid";

struct ReadReason
{
    const char *english;
    const char *russian;
};

// Every reason a project file can be refused with.
std::span<const ReadReason> ReadReasons();

// The Russian words of a reason given in the editor's words (with "%s"
// filled in as the English has it); the English when the table lacks it.
std::string RussianReason(std::string_view english);

// A refusal as the player shows it: «строка 6: атрибут «id» = «первый»: не
// число», «строка 91: файл обрывается». An attribute is named with its text
// (or as missing), else the element when one is given.
std::string RussianFailure(int line, std::string_view element, std::string_view attribute,
                           const std::optional<std::string> &value, std::string_view englishReason);

class ReadError;
// The same for a refusal of the player's reader.
std::string RussianFailure(const ReadError &e);

} // namespace rules
