#pragma once

#include <QString>

// The choices of a folder import, one per control of the dialog "Добавить
// каталог..." (and one per option of "brenwick-cli import").
struct TImportOptions
{
    // "Имя команды": how a command name is formed.
    enum class NameMode { FullPath, DirPath, NoPath };
    // "Имя файла": how a program's path is formed.
    enum class PathMode { FullPath, DirPath, IncDirPath };

    static constexpr int kMaxDepthLimit = 9;   // the depth field holds one digit

    QString dirName;                            // "Каталог:"
    bool recurseDirs = true;                    // "Включать подкаталоги"
    QString dirMask = QStringLiteral("*.*");    // "Маска каталогов"
    bool limitDepth = false;                    // "Ограничить вложенность каталогов до"
    int depthLimit = 0;                         // the digit beside it
    QString fileMask = QStringLiteral("*.*");   // "Маска файлов"
    bool extension = false;                     // "Расширение файла"
    bool pathComment = false;                   // "Путь в комментарии"
    bool oneGroup = false;                      // "Всё в одну группу"
    bool noAlone = false;                       // "Не создавать группу для одного файла"
    NameMode nameMode = NameMode::NoPath;
    PathMode pathMode = PathMode::IncDirPath;
    QString dirPrefix;                          // "Приставка к пути"
    // The project's disc folder (absolute; empty when none) and the folder,
    // relative to it, from which the player resolves paths: a full path into
    // the disc folder becomes the player's path from there.
    QString discDir;
    QString discBase;
};
