#pragma once

#include <functional>
#include <memory>

class QObject;

// Hands the camera's frame notifications over to the user-interface thread.
//
// For each notification the capture thread posts the copying of the frame to
// the thread of `context` and waits until it is done: only that thread ever
// touches the pictures, and at most one frame is in flight. A plain blocking
// queued call would deadlock when the user-interface thread stops the camera
// (stopping waits for the capture thread, which waits for the user-interface
// thread); here close() releases a waiting capture thread at once, refuses
// every later notification and turns copies still queued into no-ops. So the
// user-interface thread closes first and then stops the camera, and may then
// destroy `context`: no copy runs after close(), and nothing is posted to
// `context` once close() has returned.
//
// A notification that arrives on the thread of `context` itself copies at
// once, without waiting for itself.
class FrameHandOver {
public:
    FrameHandOver(QObject* context, std::function<void()> copy);
    ~FrameHandOver(); // closes
    FrameHandOver(const FrameHandOver&) = delete;
    FrameHandOver& operator=(const FrameHandOver&) = delete;

    // What the capture source calls for each frame, from any thread. It stays
    // safe to call after the hand-over is gone: it then does nothing.
    std::function<void()> notifier() const;

    // Thread of `context` only.
    void open();
    void close();
    bool isOpen() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};
