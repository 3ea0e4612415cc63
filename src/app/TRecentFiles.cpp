#include "app/TRecentFiles.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

const char *const TRecentFiles::kPlaceholder = QT_TRANSLATE_NOOP("TRecentFiles", "(пусто)");
const char *const TRecentFiles::kSection = "recent files";

namespace {
const int kCaptionPrefixLength = 3;   // "&", the digit, the blank
const int kHexBase = 16;
} // namespace

QString TRecentFiles::Caption(int position, const QString &path)
{
    return QLatin1Char('&') + QString::number(position, kHexBase).toUpper() + QLatin1Char(' ') + path;
}

QString TRecentFiles::PathOfCaption(const QString &caption)
{
    return caption.mid(kCaptionPrefixLength);
}

QString TRecentFiles::Key(int position)
{
    return QStringLiteral("file") + QString::number(position, kHexBase).toUpper();
}

QStringList TRecentFiles::Captions() const
{
    if (m_paths.isEmpty())
        return {QCoreApplication::translate("TRecentFiles", kPlaceholder)};
    QStringList captions;
    for (int i = 0; i < m_paths.size(); ++i)
        captions << Caption(i + 1, m_paths[i]);
    return captions;
}

void TRecentFiles::AddFirst(const QString &path)
{
    // The placeholder's path is empty, so an empty path never enters an empty list.
    if (path == (m_paths.isEmpty() ? QString() : m_paths.constFirst()))
        return;
    m_paths.removeAll(path);
    if (m_paths.size() >= kMaxEntries)
        m_paths.removeLast();
    m_paths.prepend(path);
}

void TRecentFiles::Append(const QString &path)
{
    if (path == (m_paths.isEmpty() ? QString() : m_paths.constFirst()))
        return;
    if (m_paths.size() >= kMaxEntries)
        m_paths.removeFirst();
    m_paths.append(path);
}

void TRecentFiles::Read(QSettings &settings)
{
    settings.beginGroup(QString::fromUtf8(kSection));
    const int count = int(settings.childKeys().size());
    // Keys file1.. up to the number of keys in the section; a key the count
    // reaches but the file lacks reads as an empty path, which enters the list
    // unless it would stand first (other names and keys beyond the count are
    // not read).
    for (int i = 1; i <= count; ++i)
        Append(settings.value(Key(i)).toString());
    settings.endGroup();
}

void TRecentFiles::Write(QSettings &settings) const
{
    settings.beginGroup(QString::fromUtf8(kSection));
    settings.remove(QString());   // keys of an older, longer list must not come back
    for (int i = 0; i < m_paths.size(); ++i)
        settings.setValue(Key(i + 1), m_paths[i]);
    settings.endGroup();
}

void TRecentFiles::FillMenu(QMenu *menu, const std::function<void(const QString &)> &open) const
{
    menu->clear();
    if (IsEmpty()) {
        menu->addAction(QCoreApplication::translate("TRecentFiles", kPlaceholder));
        return;
    }
    const QStringList paths = Paths();
    for (int i = 0; i < paths.size(); ++i) {
        // A "&" inside the path is shown as itself, not as an accelerator.
        QString caption = TRecentFiles::Caption(i + 1, paths[i]);
        caption = caption.left(2) + caption.mid(2).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = menu->addAction(caption);
        a->setData(paths[i]);
        const QString path = paths[i];
        QObject::connect(a, &QAction::triggered, menu, [open, path] { open(path); });
    }
}
