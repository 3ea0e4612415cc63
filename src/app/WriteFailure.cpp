#include "app/WriteFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString WithRuntime(const QString &reason, const QString &runtimeMessage)
{
    return runtimeMessage.isEmpty() ? reason : reason + QStringLiteral(" (") + runtimeMessage + u')';
}

} // namespace

QString WriteFailureText(const QString &fileName, const QString &runtimeMessage)
{
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    QString reason;
    if (file.isDir())
        reason = QCoreApplication::translate("WriteFailure", "«%1» — папка, файл с таким именем записать нельзя")
                     .arg(QDir::toNativeSeparators(fileName));
    else if (!folder.isDir())
        reason = QCoreApplication::translate("WriteFailure", "Папки %1 нет").arg(folderName);
    else if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        reason = QCoreApplication::translate("WriteFailure", "Нет прав на запись в папку %1").arg(folderName);
    else
        reason = QCoreApplication::translate("WriteFailure", "Не удалось записать файл в папку %1").arg(folderName);
    return WithRuntime(reason, runtimeMessage);
}

QString FolderAsFileText(const QString &fileName)
{
    if (!QFileInfo(fileName).isDir())
        return QString();
    return QCoreApplication::translate("WriteFailure",
                                       "«%1» — папка, а не файл проекта. Откройте файл Velmora.XML внутри неё.")
        .arg(QDir::toNativeSeparators(fileName));
}
