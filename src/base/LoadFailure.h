#pragma once

class BrenwickError;
class QString;

// The words a failed read is reported with, from the place the error carries.

// What is wrong, in the interface language ("Элемент «window/position»,
// атрибут «width»: ..."); empty when the error names no place.
QString LoadFailureReason(const BrenwickError &error);
// The reason followed by the runtime's message in parentheses, or that
// message alone: the line under "Не удалось открыть файл".
QString LoadFailureText(const BrenwickError &error);
// The place for the command line, in English like its other messages:
// "window/position/@width", "root/group/program/@id (command 12)", "line 14";
// empty when the error names no place.
QString LoadFailurePlace(const BrenwickError &error);
// The refusal in the player's Russian words, from the reasons' table both
// share ("строка 91: файл обрывается"); empty when the table does not know
// the error's message.
QString LoadFailureRussian(const BrenwickError &error);
