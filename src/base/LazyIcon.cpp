#include "base/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace icons {

namespace {

// The files of one icon and, once something drew it, the icon read from them.
struct Source
{
    QList<File> files;
    QIcon read;

    const QIcon &Read()
    {
        if (read.isNull())
            for (const File &file : std::as_const(files))
                read.addFile(file.path, file.size);
        return read;
    }
};

class TLazyIconEngine : public QIconEngine
{
public:
    explicit TLazyIconEngine(std::shared_ptr<Source> source) : m_source(std::move(source)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_source->Read().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_source->Read().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return m_source->Read().pixmap(size, scale, mode, state);
    }
    // As a picture icon answers: the largest file that fits, never enlarged.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSize best;
        for (const File &file : std::as_const(m_source->files)) {
            const QSize fitted = file.size.scaled(size, Qt::KeepAspectRatio).boundedTo(file.size);
            if (!best.isValid() || fitted.width() * fitted.height() > best.width() * best.height())
                best = fitted;
        }
        return best;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const File &file : std::as_const(m_source->files))
            sizes << file.size;
        return sizes;
    }
    bool isNull() override { return m_source->files.isEmpty(); }
    QString key() const override { return QStringLiteral("TLazyIconEngine"); }
    QIconEngine *clone() const override { return new TLazyIconEngine(m_source); }

private:
    std::shared_ptr<Source> m_source;
};

QIcon Make(QList<File> files)
{
    return QIcon(new TLazyIconEngine(std::make_shared<Source>(Source{std::move(files), {}})));
}

} // namespace

QIcon Lazy(const QString &path, const QList<int> &sizes)
{
    QList<File> files;
    for (int size : sizes)
        files << File{path.arg(size), QSize(size, size)};
    return Make(std::move(files));
}

QIcon Lazy(const QString &path, int size)
{
    return Make({File{path, QSize(size, size)}});
}

QIcon Program()
{
    return Lazy(QStringLiteral(":/icons/app-%1.png"), {16, 24, 32, 48, 64, 128});
}

}   // namespace icons
