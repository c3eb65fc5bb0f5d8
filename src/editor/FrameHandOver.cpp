#include "editor/FrameHandOver.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <mutex>

struct FrameHandOver::State {
    QObject* context = nullptr;
    QThread* thread = nullptr;
    std::function<void()> copy;

    // Standard primitives rather than Qt's: thread checkers see through them.
    mutable std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    // Bumped by every close(): a capture thread waiting for a copy of an
    // earlier generation stops waiting, and a queued copy of an earlier
    // generation does nothing.
    quint64 generation = 0;
    quint64 posted = 0; // tickets handed out to notifications
    quint64 done = 0; // the last ticket whose copy has run (or was skipped)
};

FrameHandOver::FrameHandOver(QObject* context, std::function<void()> copy)
    : state_(std::make_shared<State>())
{
    state_->context = context;
    state_->thread = context->thread();
    state_->copy = std::move(copy);
}

FrameHandOver::~FrameHandOver()
{
    close();
}

void FrameHandOver::open()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->open = true;
}

void FrameHandOver::close()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->open = false;
    ++state_->generation;
    state_->changed.notify_all();
}

bool FrameHandOver::isOpen() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->open;
}

std::function<void()> FrameHandOver::notifier() const
{
    return [st = state_] {
        if (QThread::currentThread() == st->thread) {
            // Already on the user-interface thread: nothing to hand over.
            bool open;
            {
                std::lock_guard<std::mutex> lock(st->mutex);
                open = st->open;
            }
            if (open)
                st->copy();
            return;
        }

        std::unique_lock<std::mutex> lock(st->mutex);
        if (!st->open)
            return;
        const quint64 ticket = ++st->posted;
        const quint64 generation = st->generation;
        // Posted while holding the lock, so that close() cannot return while
        // a post to the context is still under way.
        QMetaObject::invokeMethod(
            st->context,
            [st, ticket, generation] {
                bool current;
                {
                    std::lock_guard<std::mutex> lock(st->mutex);
                    current = st->open && st->generation == generation;
                }
                // Outside the lock: the copy may take a while, and only this
                // thread ever closes, so the state cannot change under it.
                if (current)
                    st->copy();
                std::lock_guard<std::mutex> lock(st->mutex);
                if (st->done < ticket)
                    st->done = ticket;
                st->changed.notify_all();
            },
            Qt::QueuedConnection);
        st->changed.wait(lock, [&] { return st->generation != generation || st->done >= ticket; });
    };
}
