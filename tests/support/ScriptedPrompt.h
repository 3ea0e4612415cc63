#pragma once

#include "base/UserPrompt.h"

#include <QFont>
#include <QList>
#include <functional>
#include <QString>
#include <QStringList>

// A UserPrompt for tests: answers come from queues filled by the test, and
// every question asked is recorded (caption and text) for assertions.
// An empty queue answers Cancel / an empty file name.
class ScriptedPrompt : public UserPrompt
{
public:
    struct Asked
    {
        QString caption;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    QList<Answer> answers;
    QStringList openNames;
    QStringList saveNames;
    QStringList folders;
    QStringList texts;
    QList<Asked> asked;
    QStringList dialogsShown;   // captions of file/folder dialogs, in order
    QStringList dialogFolders;  // the folders they started in, in the same order
    // Font dialogs: each answer changes the font the dialog shows (a function
    // that changes nothing confirms it untouched); none left cancels.
    QList<std::function<void(QFont &)>> fontAnswers;
    QList<QFont> fontsShown;
    QStringList textsShown;     // the texts the text questions started with

    Answer ask(const QString &caption, const QString &text, Buttons buttons, Icon icon) override
    {
        asked.append({caption, text, buttons, icon});
        if (answers.isEmpty())
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        return answers.takeFirst();
    }
    QString openFileName(const QString &caption, const QString &folder, const QString &) override
    {
        dialogsShown << caption;
        dialogFolders << folder;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(const QString &caption, const QString &folder, const QString &, const QString &) override
    {
        dialogsShown << caption;
        dialogFolders << folder;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    QString folder(const QString &caption, const QString &start) override
    {
        dialogsShown << caption;
        dialogFolders << start;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
    bool font(const QString &caption, const QFont &initial, QFont *chosen) override
    {
        dialogsShown << caption;
        fontsShown << initial;
        if (fontAnswers.isEmpty())
            return false;
        *chosen = initial;
        fontAnswers.takeFirst()(*chosen);
        return true;
    }
    QString text(const QString &caption, const QString &, const QString &initial) override
    {
        dialogsShown << caption;
        textsShown << initial;
        return texts.isEmpty() ? QString() : texts.takeFirst();
    }
};
