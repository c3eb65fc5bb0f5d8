#include "reading/Ocr.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>

#include <omp.h>

namespace reading::Ocr {

namespace {

// The one engine of the process, loaded on first use.
struct Engine {
    std::timed_mutex mutex;
    std::unique_ptr<tesseract::TessBaseAPI> api;
    bool loaded = false;
    bool tried = false;
};

Engine& engine()
{
    static Engine e;
    return e;
}

// The engine goes before the language data it holds: the engine's library
// keeps that data in a cache of its own, made on first use and destroyed at
// exit after every function registered from here on.
void releaseAtExit()
{
    Engine& e = engine();
    if (e.mutex.try_lock()) {
        e.api.reset();
        e.loaded = false;
        e.mutex.unlock();
    }
}

// Called with the mutex held.
tesseract::TessBaseAPI* loadedApi()
{
    Engine& e = engine();
    if (!e.tried) {
        e.tried = true;
        const QString folder = dataFolder();
        if (!folder.isEmpty()) {
            auto api = std::make_unique<tesseract::TessBaseAPI>();
            const QByteArray path = QFile::encodeName(folder);
            if (api->Init(path.constData(), Language, tesseract::OEM_LSTM_ONLY) == 0) {
                // Lines read with low confidence are not read again as white
                // on black: a bill's text is dark on light.
                api->SetVariable("tessedit_do_invert", "0");
                api->SetPageSegMode(tesseract::PSM_AUTO);
                e.api = std::move(api);
                e.loaded = true;
                std::atexit(releaseAtExit);
            }
        }
    }
    return e.loaded ? e.api.get() : nullptr;
}

// What the engine's callbacks reach while it reads.
struct Watch {
    const std::atomic_bool* cancel;
    const std::function<void(int)>* progress;
    int last = -1;
};

bool cancelled(void* watch, int /*words*/)
{
    return static_cast<Watch*>(watch)->cancel->load();
}

bool progressed(tesseract::ETEXT_DESC* monitor, int, int, int, int)
{
    auto* watch = static_cast<Watch*>(monitor->cancel_this);
    const int percent = std::clamp(int(monitor->progress), 0, 100);
    if (percent != watch->last && *watch->progress) {
        watch->last = percent;
        (*watch->progress)(percent);
    }
    return true;
}

} // namespace

QString dataFolder()
{
    const QString data = QString::fromLatin1(Language) + QStringLiteral(".traineddata");
    for (const QString& folder :
        {ProgramFolder::file(QStringLiteral("tessdata")), QStringLiteral("/usr/share/tesseract-ocr/5/tessdata")}) {
        if (QFileInfo(QDir(folder).filePath(data)).isFile())
            return folder;
    }
    return {};
}

QImage prepared(const QImage& picture)
{
    QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    const int width = gray.width();
    if (width <= 0)
        return gray;
    const double scale = std::min(MaxEnlargement, double(ReadingWidth) / width);
    // Pictures near the reading width are read as they are.
    if (scale > 1.25 || scale < 0.75)
        gray = gray.scaledToWidth(std::max(1, int(width * scale)), Qt::SmoothTransformation);
    return gray;
}

std::optional<QString> read(
    const QImage& picture, const std::atomic_bool& cancel, const std::function<void(int)>& progress)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage gray = prepared(picture);
    if (cancel)
        return std::nullopt;

    Engine& e = engine();
    // Another reading holds the engine: wait for it, unless cancelled.
    std::unique_lock<std::timed_mutex> lock(e.mutex, std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(50)))
        if (cancel)
            return std::nullopt;
    tesseract::TessBaseAPI* api = loadedApi();
    if (!api || cancel)
        return std::nullopt;

    api->SetImage(gray.constBits(), gray.width(), gray.height(), 1, int(gray.bytesPerLine()));
    // As if the picture were an A4 page wide: the engine's idea of how large
    // a letter is.
    api->SetSourceResolution(std::clamp(int(gray.width() / 8.27), 70, 1200));

    Watch watch {&cancel, &progress};
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = &cancelled;
    monitor.cancel_this = &watch;
    monitor.progress_callback2 = &progressed;
    // The engine asks for four threads in its inner loops whatever the
    // machine has; on a two-core laptop they then wait on each other and the
    // reading takes about four times as long. Allowed to adjust, the thread
    // library gives each loop only the cores that are free. The setting
    // belongs to the calling thread, so it is made here, before every reading.
    omp_set_dynamic(1);
    const int failed = api->Recognize(&monitor);
    if (failed != 0 || cancel) {
        api->Clear();
        return std::nullopt;
    }

    QString text;
    std::unique_ptr<tesseract::ResultIterator> it(api->GetIterator());
    if (it && !it->Empty(tesseract::RIL_WORD)) {
        do {
            const std::unique_ptr<char[]> word(it->GetUTF8Text(tesseract::RIL_WORD));
            if (!word)
                continue;
            if (!text.isEmpty())
                text += it->IsAtBeginningOf(tesseract::RIL_TEXTLINE) ? QLatin1Char('\n') : QLatin1Char(' ');
            text += it->Confidence(tesseract::RIL_WORD) >= MinConfidence ? QString::fromUtf8(word.get())
                                                                         : QString(QChar(0x25A1));
        } while (it->Next(tesseract::RIL_WORD));
    }
    it.reset();
    api->Clear();
    if (progress)
        progress(100);
    return text;
}

} // namespace reading::Ocr
