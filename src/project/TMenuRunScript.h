#pragma once

#include "project/TMenuRun.h"

#include <QString>
#include <QStringList>

// The test-run as text, for scripts (brenwick-cli try): steps given as words
// and the state and the log printed a line each. The words are fixed, whatever
// the interface language.
//
//   state: level "/Игры" selected #2 "Тетрис" menu "Тетрис" | "Выход"
//   state: ended
//   log: Запуск: games\tetris.exe — файл есть на диске
//   ask: Выйти? -> yes
class TMenuRunScript
{
public:
    // One step: "down", "up", "enter", "escape", "close", "entry:N" (activate
    // the menu's entry numbered N), "button:CAPTION" (press the stand-alone
    // button with that caption). A window minimised by the previous step is
    // restored first. Returns an empty string, or why the step is bad (an
    // unknown word, a number or caption that names nothing here, a stand-alone
    // button the visitor cannot see, a step after the run has ended); a bad
    // step changes nothing.
    static QString Step(TMenuRun &run, const QString &step);
    // The state line.
    static QString StateLine(const TMenuRun &run);
    // The log's lines from index from on.
    static QStringList LogLines(const TMenuRun &run, qsizetype from);
};
