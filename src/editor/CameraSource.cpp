#include "editor/CameraSource.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

#include <mutex>

// The listener lives apart from the source, so a notification already on its
// way from the capture thread never reaches a destroyed source.
struct CameraSource::Shared {
    std::mutex mutex;
    Listener listener;
};

namespace {
CameraSource::Factory& factory()
{
    static CameraSource::Factory f;
    return f;
}
} // namespace

CameraSource::CameraSource(QObject* parent)
    : QObject(parent)
    , shared_(std::make_shared<Shared>())
{ }

CameraSource::~CameraSource() = default;

void CameraSource::setListener(Listener listener)
{
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->listener = std::move(listener);
}

std::function<void()> CameraSource::announcer() const
{
    return [shared = shared_] {
        Listener l;
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            l = shared->listener;
        }
        if (l)
            l();
    };
}

void CameraSource::announce()
{
    announcer()();
}

CameraSource* CameraSource::create(QObject* parent)
{
    if (factory())
        return factory()(parent);
    return new DefaultCameraSource(parent);
}

void CameraSource::setFactory(Factory f)
{
    factory() = std::move(f);
}

// ---- The default camera ---------------------------------------------------------

// The most recent frame, written on the capture thread and read on the
// user-interface thread, with the way to announce it.
struct DefaultCameraSource::Latest {
    std::mutex mutex;
    QVideoFrame frame;
    std::function<void()> announce;
};

DefaultCameraSource::DefaultCameraSource(QObject* parent)
    : CameraSource(parent)
    , latest_(std::make_shared<Latest>())
{ }

DefaultCameraSource::~DefaultCameraSource()
{
    stop();
    // The session goes first, so nothing is delivered to the sink while the
    // camera and the sink are taken down.
    delete session_;
    delete camera_;
    delete sink_;
}

bool DefaultCameraSource::available() const
{
    return !QMediaDevices::defaultVideoInput().isNull();
}

void DefaultCameraSource::start()
{
    if (isActive())
        return;
    if (!camera_) {
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return;
        camera_ = new QCamera(device);
        sink_ = new QVideoSink;
        session_ = new QMediaCaptureSession;
        session_->setCamera(camera_);
        session_->setVideoSink(sink_);
        latest_->announce = announcer();
        // Direct: the frame is kept on the thread that delivers it; the
        // listener hands the copying over to the user-interface thread.
        connect(
            sink_, &QVideoSink::videoFrameChanged, sink_,
            [latest = latest_](const QVideoFrame& frame) {
                std::function<void()> announce;
                {
                    std::lock_guard<std::mutex> lock(latest->mutex);
                    latest->frame = frame;
                    announce = latest->announce;
                }
                if (announce)
                    announce();
            },
            Qt::DirectConnection);
    }
    camera_->start();
}

void DefaultCameraSource::stop()
{
    if (camera_)
        camera_->stop();
    std::lock_guard<std::mutex> lock(latest_->mutex);
    latest_->frame = QVideoFrame();
}

bool DefaultCameraSource::isActive() const
{
    return camera_ && camera_->isActive();
}

bool DefaultCameraSource::copyLatest(QImage& picture)
{
    if (!isActive())
        return false;
    QVideoFrame frame;
    {
        std::lock_guard<std::mutex> lock(latest_->mutex);
        frame = latest_->frame;
    }
    if (!frame.isValid())
        return false;
    const QImage image = frame.toImage();
    if (image.isNull())
        return false;
    picture = image;
    return true;
}
