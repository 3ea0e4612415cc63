#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class QSettings;

// The list of recently opened or saved projects behind "Открыть еще раз".
// Each entry's caption is "&", its 1-based position as one upper-case
// hexadecimal digit, a blank and the path; the digit is its accelerator. An
// empty list shows the single placeholder "(пусто)".
class TRecentFiles
{
public:
    static constexpr int kMaxEntries = 15;
    static const char *const kPlaceholder;
    static const char *const kSection;

    const QStringList &Paths() const { return m_paths; }
    bool IsEmpty() const { return m_paths.isEmpty(); }
    // The captions in menu order; the placeholder alone when empty.
    QStringList Captions() const;
    static QString Caption(int position, const QString &path);
    // The path of a caption: the caption without its first three characters.
    static QString PathOfCaption(const QString &caption);

    // Puts path at the top, moving it there when it is already in the list;
    // the 16th entry falls off the end.
    void AddFirst(const QString &path);
    // Appends path (used while reading the settings): nothing when it equals
    // the first entry's path; past 15 entries the first one drops out.
    void Append(const QString &path);
    void Clear() { m_paths.clear(); }

    // Fills the submenu: one item per entry that calls open with its path, or
    // the placeholder alone, which does nothing.
    void FillMenu(QMenu *menu, const std::function<void(const QString &)> &open) const;

    // "recent files": file1 ... fileF.
    void Read(QSettings &settings);
    void Write(QSettings &settings) const;
    static QString Key(int position);

private:
    QStringList m_paths;
};
