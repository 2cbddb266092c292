#include "widgets/ThumbnailLoader.h"

#include <QMetaObject>

#include "widgets/PhotoDecoder.h"

namespace {
// Two decodes at a time: enough to fill an album quickly without taking every core (and
// the memory of more large pictures at once) from the rest of the desktop.
constexpr int kDecodeThreads = 2;
}  // namespace

CThumbnailLoader::CThumbnailLoader(QObject* parent)
    : QObject(parent), m_generation(std::make_shared<std::atomic<int>>(0)) {
    m_pool.setMaxThreadCount(kDecodeThreads);
}

CThumbnailLoader::~CThumbnailLoader() {
    ++*m_generation;
    m_pool.clear();
    m_pool.waitForDone();
}

template <typename Work>
void CThumbnailLoader::Start(quint64 ticket, Work work) {
    ++m_pending;
    const int generation = *m_generation;
    auto cancelled = m_generation;
    m_pool.start([this, ticket, generation, cancelled, work] {
        QImage image;
        if (*cancelled == generation) image = work();
        // Queued to the loader's thread; dropped with the loader if it is gone by then
        // (the destructor waits for running tasks, so `this` is alive here).
        QMetaObject::invokeMethod(
            this, [this, ticket, image] { Deliver(ticket, image); }, Qt::QueuedConnection);
    });
}

void CThumbnailLoader::RequestThumbnail(quint64 ticket, const QString& path,
                                        ThumbnailCache::Flavour flavour) {
    // The cache folder is read here, on the caller's thread, once per request.
    const QString root = ThumbnailCache::CacheRoot();
    Start(ticket,
          [root, path, flavour] { return ThumbnailCache::LoadOrCreate(root, path, flavour); });
}

void CThumbnailLoader::RequestPicture(quint64 ticket, const QString& path, const QSize& size) {
    Start(ticket,
          [path, size] { return PhotoDecoder::Decode(path, size, PhotoDecoder::Fit::Stretch); });
}

void CThumbnailLoader::CancelPending() { ++*m_generation; }

void CThumbnailLoader::Deliver(quint64 ticket, const QImage& image) {
    --m_pending;
    emit pictureReady(ticket, image);
    if (m_pending == 0) emit allDone();
}
