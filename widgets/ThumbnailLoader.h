#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "widgets/ThumbnailCache.h"

// Decodes album pictures on two worker threads and hands each finished picture back on the
// thread of the loader, so that an album of camera pictures shows at once and fills in
// without freezing the window. Every request is answered exactly once, with a null image
// when the file could not be read or the request was cancelled.
class CThumbnailLoader : public QObject {
    Q_OBJECT
public:
    explicit CThumbnailLoader(QObject* parent = nullptr);
    // Waits for the decodes already running (at most two); queued ones are dropped.
    ~CThumbnailLoader() override;

    // A thumbnail of the flavour's size, through the desktop thumbnail cache.
    void RequestThumbnail(quint64 ticket, const QString& path, ThumbnailCache::Flavour flavour);
    // The whole picture stretched to exactly this size (the zoomed photo); not cached.
    void RequestPicture(quint64 ticket, const QString& path, const QSize& size);
    // Requests not started yet are answered with a null image without decoding.
    void CancelPending();

    int Pending() const { return m_pending; }
    quint64 NewTicket() { return ++m_lastTicket; }

signals:
    void pictureReady(quint64 ticket, const QImage& image);
    void allDone();

private:
    template <typename Work>
    void Start(quint64 ticket, Work work);
    void Deliver(quint64 ticket, const QImage& image);

    QThreadPool m_pool;
    std::shared_ptr<std::atomic<int>> m_generation;
    int m_pending = 0;
    quint64 m_lastTicket = 0;
};
