#pragma once

#include "project/TDesignFacts.h"

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
    // Where a program's path leads.
    struct TProgramPath
    {
        enum TKind { pkEmpty, pkAbsolute, pkOutside, pkOnDisc };
        TKind kind = pkEmpty;
        QString relative;   // for pkOnDisc: the disc folder's key of the path (TDiscFolder::Key)
    };

    // Checks project. discDir is the disc folder (empty: the project's
    // "Корневой Каталог"); design holds the design's figures, or null when
    // there is no design to check.
    static QList<TFinding> Run(const TProject &project, const QString &discDir, const TDesignFacts *design);
    static bool HasErrors(const QList<TFinding> &findings);
    // "#12 «Установка»".
    static QString Subject(const TBaseItem &item);

    // The folder, relative to the disc's root, from which the player resolves
    // relative paths: the root, or the project file's folder when the options
    // say so and that file lies in the disc folder (otherwise the prepared disc
    // carries the project file at its root).
    static QString BaseFolder(const TProjectOptions &options, const QString &projectFile, const QString &discDir);
    // Where a program's path (as the entry holds it) leads from baseFolder.
    static TProgramPath ResolveProgramPath(const QString &custom, const QString &baseFolder);
    // Where a program's path leads for the player of the project saved as
    // projectFile whose disc is discDir: BaseFolder and ResolveProgramPath in
    // one. The check and the test-run both resolve paths through it.
    static TProgramPath ResolveProgram(const TProjectOptions &options, const QString &projectFile,
                                       const QString &discDir, const QString &custom);
    // The disc media a folder of this many bytes fits.
    enum TDiscFit { dfCd, dfDvd, dfNone };
    static constexpr qint64 kCdBytes = 700LL * 1024 * 1024;
    static constexpr qint64 kDvdBytes = 4'700'000'000LL;
    static TDiscFit DiscFit(qint64 bytes);

    // True for an absolute URL the shell can open ("http://host/...", "mailto:...").
    static bool IsAbsoluteUrl(const QString &address);
};
