#include "layout/TDesignThumbnails.h"

#include "base/BrenwickError.h"
#include "base/UserPrompt.h"
#include "layout/TDesignFileParts.h"
#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

namespace {

class TFixedSource : public TMenuSource
{
public:
    explicit TFixedSource(const Level &level) : m_level(level) {}
    bool isTreeEmpty() const override { return m_level.entries.isEmpty(); }
    Level currentLevel() const override { return m_level; }

private:
    Level m_level;
};

struct TSilent : UserPrompt
{
    Answer ask(const QString &, const QString &, Buttons, Icon) override { return Answer::Cancel; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
};

// A menu window that is never shown, with its project and buttons.
struct TSampleWindow
{
    TSilent prompt;
    TPreviewForm form;
    TProject project;
    TLayoutEditor layout{form, project, prompt};
    TDesignFileParts parts{form, &layout.Document()};

    TSampleWindow()
    {
        form.hide();
        project.SetDesignParts(&parts);
    }
    ~TSampleWindow()
    {
        form.setMenuSource(nullptr);
        project.SetDesignParts(nullptr);
    }
};

const char *const kSample[] = {
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Установка программы"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Руководство пользователя"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Драйверы устройств"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Дополнительные материалы"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Примеры и шаблоны"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Видеоуроки"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Обзор диска"),
    QT_TRANSLATE_NOOP("TDesignThumbnails", "Сайт разработчика"),
};

} // namespace

TMenuSource::Level TDesignThumbnails::SampleLevel()
{
    TMenuSource::Level level;
    for (const char *caption : kSample)
        level.entries << TMenuSource::Entry{QCoreApplication::translate("TDesignThumbnails", caption), false};
    level.current = 0;
    return level;
}

TMenuSource::Level TDesignThumbnails::LevelOf(const TMenuSource &tree)
{
    TMenuSource::Level level;
    const TMenuSource::Level current = tree.currentLevel();
    // The top level, with the first visible entry current.
    if (!current.hasGroup)
        for (const TMenuSource::Entry &e : current.entries)
            if (!e.hidden)
                level.entries << e;
    if (level.entries.isEmpty())
        return SampleLevel();
    level.current = 0;
    return level;
}

QImage TDesignThumbnails::Render(const QString &designFile, const TMenuSource::Level &level)
{
    TSampleWindow window;
    window.layout.FormShow();
    window.project.LoadProject(designFile, TProject::WholeProject());
    const TFixedSource source(level);
    window.form.setMenuSource(&source);
    window.form.fillMenu();
    return window.form.renderClient(false);
}

QString TDesignThumbnails::Key(const QString &designFile, const TMenuSource::Level &level)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const TMenuSource::Entry &e : level.entries)
        hash.addData(e.caption.toUtf8().append('\n'));
    const QFileInfo info(designFile);
    return designFile + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch()) +
           QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|') + QLatin1String(hash.result().toHex());
}

QList<QImage> TDesignThumbnails::Draw(const QList<TGalleryDesign> &designs, const TMenuSource::Level &level)
{
    QList<QImage> result(designs.size());
    QList<int> missing;
    QList<QImage> full;
    for (int i = 0; i < designs.size(); ++i) {
        const auto kept = m_kept.constFind(Key(designs.at(i).fileName, level));
        if (kept != m_kept.constEnd()) {
            result[i] = *kept;
            continue;
        }
        // The window's painting runs on this thread only; the pictures of each
        // file are decoded on every core by the reader.
        QImage image;
        try {
            image = Render(designs.at(i).fileName, level);
        } catch (const BrenwickError &) {
        }
        missing << i;
        full << image;
    }
    const QList<QImage> small = QtConcurrent::blockingMapped(full, [](const QImage &image) {
        return image.isNull() ? QImage()
                              : image.scaled(kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    });
    for (int k = 0; k < missing.size(); ++k) {
        const int i = missing.at(k);
        result[i] = small.at(k);
        if (!small.at(k).isNull())
            m_kept.insert(Key(designs.at(i).fileName, level), small.at(k));
    }
    return result;
}

void TDesignThumbnails::Forget(const QString &designFile)
{
    const QString prefix = designFile + QLatin1Char('|');
    m_kept.removeIf([&prefix](QHash<QString, QImage>::iterator it) { return it.key().startsWith(prefix); });
}
