#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// Where in a file a read failed. Readers fill it in as the error passes up
// through them (the innermost the attribute, each enclosing reader its
// element's name), so that the message can name what is wrong.
struct TFilePlace
{
    enum TWhat {
        fwUnknown,   // nothing known beyond the runtime's message
        fwValue,     // an attribute missing or not converting
        fwEnum,      // an attribute's number that names no value
        fwPicture,   // a picture text that does not decode
        fwEnd,       // the file ends before its document element is closed
        fwName,      // an attribute name that could not be written back as read
        fwStart,     // a file that is UTF-16 or not XML at all
    };
    TWhat what = fwUnknown;
    QStringList elements;            // element names, outermost first
    QString attribute;               // empty: the element itself
    std::optional<QString> value;    // the attribute's text; none when missing
    int command = 0;                 // 1-based number of a command element in file order
    int line = 0;                    // 1-based line of the file, when known
    qint64 offset = -1;              // the byte offset of the tag that failed, when known

    bool IsKnown() const { return what != fwUnknown || !elements.isEmpty(); }
};

// The one error type of the program. Operations that fail raise it with the
// message the user is shown ("Cannot create file %s", "Invalid variant type
// conversion", ...); the application's error display shows message() as is.
// A read failure also carries its place in the file.
class BrenwickError : public std::runtime_error
{
public:
    explicit BrenwickError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    BrenwickError(const QString &message, TFilePlace::TWhat what)
        : BrenwickError(message) { m_place.what = what; }

    const QString &message() const noexcept { return m_message; }
    const TFilePlace &place() const noexcept { return m_place; }
    TFilePlace &place() noexcept { return m_place; }

private:
    QString m_message;
    TFilePlace m_place;
};

// Runs read; a BrenwickError passing through names element as the enclosing one.
template <typename F>
decltype(auto) InElement(const QString &element, F &&read)
{
    try {
        return read();
    } catch (BrenwickError &e) {
        e.place().elements.prepend(element);
        throw;
    }
}
