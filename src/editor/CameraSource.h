#pragma once

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

// The video capture service the webcam window works with: the computer's
// default camera in the program, a stand-in in tests.
//
// Each new frame is announced through the listener, on whatever thread the
// capture service delivers it: for a real camera that is a thread of the
// capture service, not the user-interface thread. The picture itself is taken
// afterwards, on the user-interface thread, with copyLatest().
class CameraSource : public QObject {
    Q_OBJECT
public:
    using Listener = std::function<void()>;

    explicit CameraSource(QObject* parent = nullptr);
    ~CameraSource() override;

    // Called once per frame, from any thread. Install it before start(); a
    // notification may still arrive shortly after stop(), so the listener
    // must cope with a source that is already off.
    void setListener(Listener listener);

    // False when the computer has no camera; start() then does nothing.
    virtual bool available() const = 0;
    // Starting an active source or stopping an inactive one does nothing.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // Copies the most recent frame into `picture`, which takes the frame's
    // pixel size. Does nothing and returns false when the source is not
    // active or has delivered no frame yet. User-interface thread only.
    virtual bool copyLatest(QImage& picture) = 0;

    // The source a webcam window gets: the default camera, unless another
    // factory was installed (tests, the gallery).
    using Factory = std::function<CameraSource*(QObject* parent)>;
    static CameraSource* create(QObject* parent);
    static void setFactory(Factory factory); // empty: back to the default camera

protected:
    // Tells the listener about a new frame; safe from any thread.
    void announce();
    // The same, as a function that stays safe to call after the source is
    // gone (it then reaches the listener that was installed, or nothing).
    std::function<void()> announcer() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

// The platform's default camera through QtMultimedia, with the platform's
// default settings. The device is looked up when the camera is switched on,
// so a computer without one simply never starts.
class DefaultCameraSource : public CameraSource {
    Q_OBJECT
public:
    explicit DefaultCameraSource(QObject* parent = nullptr);
    ~DefaultCameraSource() override;

    bool available() const override;
    void start() override;
    void stop() override;
    bool isActive() const override;
    bool copyLatest(QImage& picture) override;

private:
    struct Latest;
    std::shared_ptr<Latest> latest_;
    QMediaCaptureSession* session_ = nullptr;
    QCamera* camera_ = nullptr;
    QVideoSink* sink_ = nullptr;
};
