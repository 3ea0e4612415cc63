#include "xml/PictureBatch.h"

#include "kit/TPicture.h"
#include "xml/PictureText.h"
#include "xml/TXNode.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <numeric>

namespace {

// The decoding ahead under way on this thread (innermost scope); each reader
// thread has its own, so reads on different threads never meet.
thread_local const TPicturesDecodedAhead *t_ahead = nullptr;

// Runs work(i) for i in [0, n): on this thread alone for one thread or one
// item, otherwise across a pool of the wanted size. Returns when all are done.
template <typename Work>
void ForEachIndex(qsizetype n, TPictureThreads threads, Work work)
{
    const int wanted = threads.count > 0 ? threads.count : QThread::idealThreadCount();
    if (n < 2 || wanted < 2) {
        for (qsizetype i = 0; i < n; ++i)
            work(i);
        return;
    }
    std::vector<qsizetype> indices(size_t(n), 0);
    std::iota(indices.begin(), indices.end(), qsizetype(0));
    QThreadPool pool;
    pool.setMaxThreadCount(int(qMin<qsizetype>(wanted, n)));
    QtConcurrent::blockingMap(&pool, indices, [&work](qsizetype i) { work(i); });
}

bool IsPictureElement(const TXNode &node)
{
    static const QLatin1StringView kNames[] = {QLatin1StringView("source"), QLatin1StringView("default"),
                                               QLatin1StringView("selected"), QLatin1StringView("pressed")};
    for (const QLatin1StringView name : kNames)
        if (node.Name() == name)
            return true;
    return false;
}

void CollectPictureElements(const TXNode &node, std::vector<const TXNode *> &out)
{
    for (const TXNode *child = node.FirstChild(); child; child = child->Next()) {
        if (IsPictureElement(*child) && !child->Text().isEmpty())
            out.push_back(child);
        CollectPictureElements(*child, out);
    }
}

TBmpImage DecodeText(const QString &text)
{
    const QByteArray bytes = text.isEmpty() ? QByteArray() : PictureTextToBytes(text);
    return bytes.isEmpty() ? TBmpImage() : ReadBmp(bytes);
}

} // namespace

void EncodePictures(const QList<TPicture *> &pictures, TPictureThreads threads)
{
    struct TJob
    {
        TPicture *picture;
        QImage image;
        TBitmapLayout layout;
        QString text;
        std::exception_ptr error;
    };
    std::vector<TJob> jobs;
    for (TPicture *picture : pictures) {
        picture->makeBitmap();
        if (picture->keptText().isEmpty())
            jobs.push_back({picture, picture->image(), picture->bitmapLayout(), {}, {}});
    }
    ForEachIndex(qsizetype(jobs.size()), threads, [&jobs](qsizetype i) {
        TJob &job = jobs[size_t(i)];
        try {
            job.text = BytesToPictureText(BitmapBytes(job.image, job.layout));
        } catch (...) {
            job.error = std::current_exception();
        }
    });
    std::exception_ptr first;
    for (TJob &job : jobs) {
        if (job.error && !first)
            first = job.error;
        else if (!job.error)
            job.picture->keepText(job.text);
    }
    if (first)
        std::rethrow_exception(first);
}

TKnownPictures KnownPictures(const QList<TPicture *> &pictures)
{
    TKnownPictures known;
    for (const TPicture *picture : pictures) {
        const QImage image = picture->keptTextImage();
        if (!image.isNull())
            known.append({picture->keptText(), {image, picture->bitmapLayout()}});
    }
    return known;
}

TBmpImage DecodePictureElement(const TXNode &element)
{
    if (t_ahead) {
        if (const TBmpImage *found = t_ahead->Find(element))
            return *found;
    }
    return DecodeText(element.Text());
}

TPicturesDecodedAhead::TPicturesDecodedAhead(const TXNode &root, TPictureThreads threads,
                                             const TKnownPictures &known)
    : m_outer(t_ahead)
{
    std::vector<const TXNode *> elements;
    CollectPictureElements(root, elements);
    m_results.resize(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        m_results[i].element = elements[i];
        m_index.insert(elements[i], qsizetype(i));
    }
    ForEachIndex(qsizetype(m_results.size()), threads, [this, &known](qsizetype i) {
        TResult &r = m_results[size_t(i)];
        const QString &text = r.element->Text();
        const auto same = std::find_if(known.cbegin(), known.cend(),
                                       [&text](const TKnownPicture &k) { return k.text == text; });
        if (same != known.cend()) {
            r.bitmap = same->bitmap;
            return;
        }
        try {
            r.bitmap = DecodeText(text);
        } catch (...) {
            r.error = std::current_exception();
        }
    });
    t_ahead = this;
}

TPicturesDecodedAhead::~TPicturesDecodedAhead()
{
    t_ahead = m_outer;
}

const TBmpImage *TPicturesDecodedAhead::Find(const TXNode &element) const
{
    const auto it = m_index.constFind(&element);
    if (it == m_index.cend())
        return m_outer ? m_outer->Find(element) : nullptr;
    const TResult &r = m_results[size_t(*it)];
    if (r.error)
        std::rethrow_exception(r.error);
    return &r.bitmap;
}
