#include "capture/ScannerService.h"

#include <QThread>

#include <atomic>
#include <csignal>
#include <pthread.h>

// What the worker thread keeps: the drivers, created by its first job and
// closed when the thread ends, and the flag that stops a scan.
struct ScannerService::Worker {
    std::unique_ptr<ScannerSource> source;
    std::atomic<bool> stop {false};

    ScannerSource& drivers()
    {
        if (!source)
            source = ScannerSource::create();
        return *source;
    }
};

namespace {

// The thread the drivers run on. A network driver writing to a scanner that
// went away must not end the program: SIGPIPE is blocked here.
class DriverThread : public QThread {
public:
    explicit DriverThread(std::shared_ptr<ScannerService::Worker> worker)
        : worker_(std::move(worker))
    { }

protected:
    void run() override
    {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        exec();
        // The drivers are closed on the thread that opened them.
        worker_->source.reset();
    }

private:
    std::shared_ptr<ScannerService::Worker> worker_;
};

} // namespace

ScannerService::ScannerService(QObject* parent)
    : QObject(parent)
    , worker_(std::make_shared<Worker>())
{
    thread_ = new DriverThread(worker_);
    thread_->setObjectName(QStringLiteral("scanner"));
    context_ = new QObject;
    context_->moveToThread(thread_);
    thread_->start();
}

ScannerService::~ScannerService()
{
    shutdown();
}

void ScannerService::shutdown()
{
    if (!thread_)
        return;
    worker_->stop = true;
    thread_->quit();
    thread_->wait();
    delete context_;
    context_ = nullptr;
    delete thread_;
    thread_ = nullptr;
    scanning_ = false;
}

void ScannerService::findScanners()
{
    if (!context_)
        return;
    std::shared_ptr<Worker> worker = worker_;
    QMetaObject::invokeMethod(
        context_,
        [worker, this] {
            const QList<ScannerDevice> found = worker->drivers().devices();
            // Posted to this object, which outlives the worker thread (see
            // shutdown()); what arrives after a shutdown is dropped.
            QMetaObject::invokeMethod(
                this,
                [this, found] {
                    if (thread_)
                        Q_EMIT scannersFound(found);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void ScannerService::scan(const ScanRequest& request, const QSize& previewBox)
{
    if (!context_ || scanning_)
        return;
    scanning_ = true;
    worker_->stop = false;
    std::shared_ptr<Worker> worker = worker_;
    QMetaObject::invokeMethod(
        context_,
        [worker, request, previewBox, this] {
            int told = -2;
            auto progress = [&](qint64 done, qint64 total) {
                const int percent = total > 0 ? int(done * 100 / total) : -1;
                if (percent != told) {
                    told = percent;
                    QMetaObject::invokeMethod(
                        this,
                        [this, percent] {
                            if (thread_ && scanning_)
                                Q_EMIT progressed(percent);
                        },
                        Qt::QueuedConnection);
                }
                return !worker->stop.load();
            };
            ScanResult result = worker->drivers().scan(request, progress);
            QImage preview;
            if (result.outcome == ScanResult::Outcome::Done && !previewBox.isEmpty())
                preview = result.image.scaled(previewBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QMetaObject::invokeMethod(
                this,
                [this, result, preview] {
                    if (!thread_)
                        return;
                    scanning_ = false;
                    switch (result.outcome) {
                    case ScanResult::Outcome::Done:
                        Q_EMIT scanned(result.image, preview);
                        break;
                    case ScanResult::Outcome::Stopped:
                        Q_EMIT stopped();
                        break;
                    case ScanResult::Outcome::Failed:
                        Q_EMIT failed(result.error);
                        break;
                    }
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void ScannerService::stop()
{
    worker_->stop = true;
}
