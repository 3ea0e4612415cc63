#pragma once

#include "project/TDesignFacts.h"
#include "rules/ProgramPath.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class TBaseItem;
class TProject;
class TProjectOptions;

// One thing the check found wrong with the project.
struct TFinding
{
    enum TSeverity { fsError, fsWarning, fsInfo };

    TSeverity severity = fsError;
    // What is concerned: "#12 «Установка»", "кнопка «Выход»", a file on the
    // disc; empty for the project as a whole.
    QString subject;
    // What is wrong, a Russian sentence without the final full stop.
    QString text;
    // The entry or the design object concerned, for selecting it; at most one.
    const TBaseItem *item = nullptr;
    QPointer<QObject> object;
    // The program path that mends the entry's path ("Исправить"); empty when
    // there is none.
    QString fix;

    // "Ошибка", "Предупреждение" or "Сведения".
    static QString SeverityCaption(TSeverity severity);
    // One line: "ошибка: #12 «Установка»: файл Soft\setup.exe не найден на диске".
    QString Line() const;
};

// The check of a project before it goes onto a disc. It reads the command
// tree, the options, the disc folder and the design's figures and changes
// nothing.
class TProjectCheck
{
public:
    // Checks project. discDir is the disc folder: empty for the project's
    // "Корневой Каталог", which "Подготовить диск" fills (a missing player is
    // then only noted), or a folder to be burned as it is. design holds the
    // design's figures, or null when there is no design to check. Program
    // paths are judged from where "Подготовить диск" puts the project file:
    // the disc's root.
    static QList<TFinding> Run(const TProject &project, const QString &discDir, const TDesignFacts *design);
    static bool HasErrors(const QList<TFinding> &findings);
    // "#12 «Установка»".
    static QString Subject(const TBaseItem &item);

    // The folder, relative to the disc's root, from which the player reading
    // the project file where it stands resolves relative paths: the root, or
    // the project file's folder when the options say so and that file lies in
    // the disc folder.
    static QString BaseFolder(const TProjectOptions &options, const QString &projectFile, const QString &discDir);
    // Where a program's path leads for the player of the project saved as
    // projectFile whose disc is discDir: BaseFolder and
    // rules::ResolveProgramPath in one.
    static rules::ProgramPath ResolveProgram(const TProjectOptions &options, const QString &projectFile,
                                             const QString &discDir, const QString &custom);
    // The disc media an image of this many bytes fits.
    enum TDiscFit { dfCd, dfDvd, dfDvdDualLayer, dfNone };
    static constexpr qint64 kCdBytes = 700LL * 1024 * 1024;
    // The smaller of the recordable formats: DVD+R (2,295,104 sectors) and
    // DVD-R DL (4,171,712 sectors).
    static constexpr qint64 kDvdBytes = 2'295'104LL * 2048;
    static constexpr qint64 kDvdDualLayerBytes = 4'171'712LL * 2048;
    static TDiscFit DiscFit(qint64 bytes);

    // True for an address the shell can open: an absolute URL ("http://host/...",
    // "mailto:...") or a host name beginning with "www.".
    static bool IsAbsoluteUrl(const QString &address);
};
