#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program. Operations that fail raise it with the
// message the user is shown ("Cannot create file %s", "Invalid variant type
// conversion", ...); the application's error display shows message() as is.
class BrenwickError : public std::runtime_error
{
public:
    explicit BrenwickError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};
