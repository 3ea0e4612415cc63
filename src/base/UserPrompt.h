#pragma once

#include <functional>

#include <QString>

class QFont;

// Every question to the user and every file or folder dialog goes through this
// interface. The editor installs QtUserPrompt (kit/QtUserPrompt.h); tests install
// a scripted one, so that nothing in a test blocks on a modal dialog.
class UserPrompt
{
public:
    enum class Answer { Ok, Yes, No, Cancel };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~UserPrompt() = default;

    // A modal message box; returns the button pressed (Cancel when closed).
    virtual Answer ask(const QString &caption, const QString &text, Buttons buttons, Icon icon) = 0;

    // File dialogs: filter in the form "Файлы XML|*.xml" (pairs of description|masks).
    // An empty result means the user cancelled.
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual QString folder(const QString &caption, const QString &dir) = 0;
    // A line of text, starting from initial; an empty result means the user
    // cancelled. Without a way to ask, nobody answers.
    virtual QString text([[maybe_unused]] const QString &caption, [[maybe_unused]] const QString &label,
                         [[maybe_unused]] const QString &initial)
    {
        return {};
    }

    // The font dialog, starting from initial; false when the user cancelled.
    // The chosen font names what the user chose, not what this machine
    // substitutes for it. Without a way to ask, nobody answers.
    virtual bool font([[maybe_unused]] const QString &caption, [[maybe_unused]] const QFont &initial,
                      [[maybe_unused]] QFont *chosen)
    {
        return false;
    }

    // What the field says under its label about the text as it stands ("" for nothing).
    using TextNote = std::function<QString(const QString &text)>;

    // A line of text of at most maxLength characters, held to that length as
    // it is typed, with the note (if any) kept up to date below the label; by
    // default the plain line above.
    virtual QString limitedText(const QString &caption, const QString &label, const QString &initial,
                                [[maybe_unused]] int maxLength, [[maybe_unused]] const TextNote &note = {})
    {
        return text(caption, label, initial);
    }

    // Shorthand for a plain message with an OK button.
    void inform(const QString &caption, const QString &text, Icon icon = Icon::Information)
    {
        ask(caption, text, Buttons::Ok, icon);
    }
};
