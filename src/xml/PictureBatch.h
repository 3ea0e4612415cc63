#pragma once

#include "base/BmpFile.h"

#include <QHash>
#include <QThreadPool>
#include <QList>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

class TPicture;
class TXInput;
class TXNode;

// Pictures are the bulk of a project file: compressing and inflating them is
// nearly all the work of a save and an open. These run them on every core,
// each picture on its own; the rest of the document stays in order on the
// calling thread, and the results are exactly those of doing them one by one.

// How many threads may share the work; 0 means one per core.
struct TPictureThreads
{
    int count = 0;
};

// Gives every picture its text before a save: each is made to hold a bitmap
// (in order, on this thread), then those without a kept text are compressed in
// parallel and keep their new text, so that PictureToText only reads it.
// Throws the failure of the first picture, in order, that cannot be written,
// as PictureToText would; the others keep their texts.
void EncodePictures(const QList<TPicture *> &pictures, TPictureThreads threads = {});

// Bitmaps whose picture texts a reader knows already (the editor's own
// pictures, when it reads back the project it has just written): an element
// holding one of these texts, character for character, takes that bitmap
// instead of decoding the text again. Their texts are kept texts, which are
// in the writer's own form.
struct TKnownPicture
{
    QString text;
    TBmpImage bitmap;
};
using TKnownPictures = QList<TKnownPicture>;

// The pictures among these that know the bitmap of their kept text.
TKnownPictures KnownPictures(const QList<TPicture *> &pictures);

// The bitmap a picture element's text carries, checked as TextToPicture checks
// it: a null image for an empty text or a size of 0 or below; a damaged text
// throws its BrenwickError. Taken from the decoding ahead under way on this
// thread when it holds the element. writerForm, when given, tells whether the
// text is in the writer's own form (as DecodePicture tells it).
TBmpImage DecodePictureElement(const TXNode &element, bool *writerForm = nullptr);

// While it lives, decodes ahead, in parallel, the picture elements of a
// document (the elements "source", "default", "selected" and "pressed" that
// hold text), for DecodePictureElement on the same thread. Decoding may start
// while the document is still being read: Offer each element as its text is
// read; Finish then decodes what was not offered (or whose text changed since)
// and waits for all. A failure is kept and thrown only when the reader asks
// for that element, so the first picture to fail is the one the reader meets
// first. Scopes nest; the inner one is asked first. An element whose text is
// one of the known pictures' takes its bitmap.
class TPicturesDecodedAhead
{
public:
    explicit TPicturesDecodedAhead(TPictureThreads threads = {}, const TKnownPictures &known = {});
    // Decodes the picture elements under root at once (Finish).
    explicit TPicturesDecodedAhead(const TXNode &root, TPictureThreads threads = {},
                                   const TKnownPictures &known = {});
    ~TPicturesDecodedAhead();
    TPicturesDecodedAhead(const TPicturesDecodedAhead &) = delete;
    TPicturesDecodedAhead &operator=(const TPicturesDecodedAhead &) = delete;

    // Starts decoding the element's text when it is a picture element.
    void Offer(const TXNode &element);
    // Offers the input's element texts as it reads them.
    void Follow(TXInput &in);
    // Decodes the picture elements under root not decoded yet, waits for all,
    // and from then on serves DecodePictureElement on this thread.
    void Finish(const TXNode &root);

    // The element's bitmap, or nullptr when this scope did not decode it;
    // rethrows the element's failure. writerForm as DecodePictureElement's.
    const TBmpImage *Find(const TXNode &element, bool *writerForm = nullptr) const;
    int Count() const { return int(m_index.size()); }

private:
    struct TResult
    {
        const TXNode *element = nullptr;
        QString text;   // the text decoded, shared with the element's
        TBmpImage bitmap;
        bool writerForm = false;
        std::exception_ptr error;
    };
    TResult &Add(const TXNode &element);
    void Run(TResult &r);

    const int m_threads;
    const TKnownPictures m_known;
    std::unique_ptr<QThreadPool> m_pool;   // none when decoding on this thread
    std::deque<TResult> m_results;         // stays in place while workers fill it
    std::mutex m_buffersLock;
    std::vector<QByteArray> m_buffers;     // inflated bytes' room, for the next job
    QHash<const TXNode *, qsizetype> m_index;
    const TPicturesDecodedAhead *m_outer = nullptr;
    bool m_serving = false;
};
