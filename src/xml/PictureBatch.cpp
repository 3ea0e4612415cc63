#include "xml/PictureBatch.h"

#include "base/TPicture.h"
#include "xml/PictureText.h"
#include "xml/TXNode.h"
#include "xml/TXStream.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <mutex>

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
    // Each worker takes the next index until none is left.
    const int workers = int(qMin<qsizetype>(wanted, n));
    std::atomic<qsizetype> next{0};
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    for (int w = 0; w < workers; ++w)
        pool.start([&next, &work, n] {
            for (qsizetype i = next++; i < n; i = next++)
                work(i);
        });
    pool.waitForDone();
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

TBmpImage DecodeText(const QString &text, bool *writerForm)
{
    QByteArray buffer;
    return DecodePicture(text, buffer, writerForm);
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

TBmpImage DecodePictureElement(const TXNode &element, bool *writerForm)
{
    if (t_ahead) {
        if (const TBmpImage *found = t_ahead->Find(element, writerForm))
            return *found;
    }
    return DecodeText(element.Text(), writerForm);
}

TPicturesDecodedAhead::TPicturesDecodedAhead(TPictureThreads threads, const TKnownPictures &known)
    : m_threads(threads.count > 0 ? threads.count : QThread::idealThreadCount()), m_known(known)
{
    if (m_threads > 1) {
        // While the document is still being read, that takes a core of its own.
        m_pool = std::make_unique<QThreadPool>();
        m_pool->setMaxThreadCount(m_threads - 1);
    }
}

TPicturesDecodedAhead::TPicturesDecodedAhead(const TXNode &root, TPictureThreads threads, const TKnownPictures &known)
    : TPicturesDecodedAhead(threads, known)
{
    Finish(root);
}

TPicturesDecodedAhead::~TPicturesDecodedAhead()
{
    if (m_pool)
        m_pool->waitForDone();
    if (m_serving)
        t_ahead = m_outer;
}

void TPicturesDecodedAhead::Offer(const TXNode &element)
{
    if (!m_serving && IsPictureElement(element) && !element.Text().isEmpty() && !m_index.contains(&element)) {
        TResult &r = Add(element);
        r.text = element.Text();
        Run(r);
    }
}

void TPicturesDecodedAhead::Follow(TXInput &in)
{
    in.SetOnText([this](const TXNode &element) { Offer(element); });
}

TPicturesDecodedAhead::TResult &TPicturesDecodedAhead::Add(const TXNode &element)
{
    m_index.insert(&element, qsizetype(m_results.size()));
    TResult &r = m_results.emplace_back();
    r.element = &element;
    return r;
}

void TPicturesDecodedAhead::Run(TResult &r)
{
    auto work = [&r, this] {
        const auto same = std::find_if(m_known.cbegin(), m_known.cend(),
                                       [&r](const TKnownPicture &k) { return k.text == r.text; });
        if (same != m_known.cend()) {
            r.bitmap = same->bitmap;
            r.writerForm = true;
            return;
        }
        // Each job inflates into a buffer that an earlier one left behind.
        QByteArray buffer;
        {
            const std::lock_guard lock(m_buffersLock);
            if (!m_buffers.empty()) {
                buffer = std::move(m_buffers.back());
                m_buffers.pop_back();
            }
        }
        try {
            r.bitmap = DecodePicture(r.text, buffer, &r.writerForm);
        } catch (...) {
            r.error = std::current_exception();
        }
        const std::lock_guard lock(m_buffersLock);
        m_buffers.push_back(std::move(buffer));
    };
    if (m_pool)
        m_pool->start(work);
    else
        work();
}

void TPicturesDecodedAhead::Finish(const TXNode &root)
{
    if (m_serving)
        return;
    if (m_pool)
        m_pool->setMaxThreadCount(m_threads);   // the reading is done: every core decodes
    std::vector<const TXNode *> elements;
    CollectPictureElements(root, elements);
    for (const TXNode *element : elements) {
        const auto it = m_index.constFind(element);
        if (it != m_index.cend() && m_results[size_t(*it)].text.isSharedWith(element->Text()))
            continue;
        // Not offered, or changed since (blanks before a child element are
        // dropped): decoded as it stands now.
        TResult &r = Add(*element);
        r.text = element->Text();
        Run(r);
    }
    if (m_pool)
        m_pool->waitForDone();
    m_outer = t_ahead;
    t_ahead = this;
    m_serving = true;
}

const TBmpImage *TPicturesDecodedAhead::Find(const TXNode &element, bool *writerForm) const
{
    const auto it = m_index.constFind(&element);
    if (it == m_index.cend())
        return m_outer ? m_outer->Find(element, writerForm) : nullptr;
    const TResult &r = m_results[size_t(*it)];
    if (r.error)
        std::rethrow_exception(r.error);
    if (writerForm)
        *writerForm = r.writerForm;
    return &r.bitmap;
}
