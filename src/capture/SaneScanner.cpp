#include "capture/SaneScanner.h"

#include <QtEndian>

#include <dlfcn.h>
#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// The library's entry points, found once for the whole run. The library
// stays loaded: its drivers keep state of their own between sessions.
struct Library {
    SANE_Status (*init)(SANE_Int*, SANE_Auth_Callback) = nullptr;
    void (*exit)() = nullptr;
    SANE_Status (*getDevices)(const SANE_Device***, SANE_Bool) = nullptr;
    SANE_Status (*open)(SANE_String_Const, SANE_Handle*) = nullptr;
    void (*close)(SANE_Handle) = nullptr;
    const SANE_Option_Descriptor* (*getOption)(SANE_Handle, SANE_Int) = nullptr;
    SANE_Status (*controlOption)(SANE_Handle, SANE_Int, SANE_Action, void*, SANE_Int*) = nullptr;
    SANE_Status (*getParameters)(SANE_Handle, SANE_Parameters*) = nullptr;
    SANE_Status (*start)(SANE_Handle) = nullptr;
    SANE_Status (*read)(SANE_Handle, SANE_Byte*, SANE_Int, SANE_Int*) = nullptr;
    void (*cancel)(SANE_Handle) = nullptr;
    SANE_String_Const (*strstatus)(SANE_Status) = nullptr;

    bool loaded() const { return strstatus != nullptr; }
};

template <typename F> bool bind(void* handle, const char* symbol, F& function)
{
    void* address = dlsym(handle, symbol);
    if (!address)
        return false;
    // A symbol's address as the function it is: what dlsym is for.
    function = reinterpret_cast<F>(address);
    return true;
}

const Library& library()
{
    static Library lib;
    static std::once_flag once;
    std::call_once(once, [] {
        void* handle = dlopen("libsane.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return;
        Library l;
        const bool all = bind(handle, "sane_init", l.init) && bind(handle, "sane_exit", l.exit)
            && bind(handle, "sane_get_devices", l.getDevices) && bind(handle, "sane_open", l.open)
            && bind(handle, "sane_close", l.close) && bind(handle, "sane_get_option_descriptor", l.getOption)
            && bind(handle, "sane_control_option", l.controlOption)
            && bind(handle, "sane_get_parameters", l.getParameters) && bind(handle, "sane_start", l.start)
            && bind(handle, "sane_read", l.read) && bind(handle, "sane_cancel", l.cancel)
            && bind(handle, "sane_strstatus", l.strstatus);
        if (all)
            lib = l;
    });
    return lib;
}

QString statusText(const Library& lib, SANE_Status status)
{
    return QString::fromUtf8(lib.strstatus(status));
}

ScanResult failure(const Library& lib, SANE_Status status)
{
    ScanResult r;
    r.outcome = ScanResult::Outcome::Failed;
    r.error = statusText(lib, status);
    return r;
}

// The options of an open scanner, looked up by name each time: setting one
// may change the others.
class Options {
public:
    Options(const Library& lib, SANE_Handle handle)
        : lib_(lib)
        , handle_(handle)
    { }

    // The option's number and description, when the scanner has it and lets
    // the program set it now.
    int find(const char* name, const SANE_Option_Descriptor** found) const
    {
        SANE_Int count = 0;
        if (lib_.controlOption(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
            return -1;
        for (SANE_Int i = 1; i < count; ++i) {
            const SANE_Option_Descriptor* d = lib_.getOption(handle_, i);
            if (d && d->name && std::strcmp(d->name, name) == 0 && SANE_OPTION_IS_ACTIVE(d->cap)
                && SANE_OPTION_IS_SETTABLE(d->cap) && d->size >= SANE_Int(sizeof(SANE_Word))) {
                *found = d;
                return i;
            }
        }
        return -1;
    }

    // A number option (whole or fixed) set to the allowed value nearest
    // to `value`, or to the lowest or highest of its range.
    enum class Pick { Nearest, Lowest, Highest };
    void setNumber(const char* name, double value, Pick pick)
    {
        const SANE_Option_Descriptor* d = nullptr;
        const int i = find(name, &d);
        if (i < 0 || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED))
            return;
        const bool fixed = d->type == SANE_TYPE_FIXED;
        auto toDouble = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };
        SANE_Word chosen = 0;
        bool have = false;
        if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
            const SANE_Range& r = *d->constraint.range;
            if (pick == Pick::Lowest) {
                chosen = r.min;
            } else if (pick == Pick::Highest) {
                chosen = r.max;
            } else {
                const SANE_Word wanted = fixed ? SANE_FIX(value) : SANE_Word(std::lround(value));
                chosen = std::clamp(wanted, r.min, r.max);
                if (r.quant > 0)
                    chosen = r.min + (chosen - r.min) / r.quant * r.quant;
            }
            have = true;
        } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
            const SANE_Word* list = d->constraint.word_list;
            for (SANE_Word k = 1; k <= list[0]; ++k) {
                const double v = toDouble(list[k]);
                const bool better = !have || (pick == Pick::Lowest && v < toDouble(chosen))
                    || (pick == Pick::Highest && v > toDouble(chosen))
                    || (pick == Pick::Nearest && std::abs(v - value) < std::abs(toDouble(chosen) - value));
                if (better) {
                    chosen = list[k];
                    have = true;
                }
            }
        } else if (pick == Pick::Nearest) {
            chosen = fixed ? SANE_FIX(value) : SANE_Word(std::lround(value));
            have = true;
        }
        if (have)
            set(i, &chosen);
    }

    // A text option set to the first allowed value that `matches` accepts.
    void setText(const char* name, const std::function<bool(const QString&)>& matches)
    {
        const SANE_Option_Descriptor* d = nullptr;
        const int i = find(name, &d);
        if (i < 0 || d->type != SANE_TYPE_STRING || d->constraint_type != SANE_CONSTRAINT_STRING_LIST
            || !d->constraint.string_list)
            return;
        for (const SANE_String_Const* s = d->constraint.string_list; *s; ++s) {
            if (!matches(QString::fromUtf8(*s)))
                continue;
            std::vector<char> value(std::size_t(std::max<SANE_Int>(d->size, SANE_Int(std::strlen(*s) + 1))), '\0');
            std::memcpy(value.data(), *s, std::strlen(*s));
            set(i, value.data());
            return;
        }
    }

private:
    // A value the scanner refuses leaves its own: the scan goes on with it.
    void set(int i, void* value)
    {
        SANE_Int info = 0;
        lib_.controlOption(handle_, i, SANE_ACTION_SET_VALUE, value, &info);
    }

    const Library& lib_;
    SANE_Handle handle_;
};

// The scan settings the window offers, in the words each driver uses.
void prepare(Options& options, const ScanRequest& request)
{
    options.setText(SANE_NAME_SCAN_MODE, [&request](const QString& mode) {
        if (request.colour)
            return mode.compare(QLatin1String(SANE_VALUE_SCAN_MODE_COLOR), Qt::CaseInsensitive) == 0;
        return mode.compare(QLatin1String(SANE_VALUE_SCAN_MODE_GRAY), Qt::CaseInsensitive) == 0
            || mode.compare(QLatin1String("Grey"), Qt::CaseInsensitive) == 0;
    });
    options.setNumber(SANE_NAME_BIT_DEPTH, 8, Options::Pick::Nearest);
    options.setNumber(SANE_NAME_SCAN_RESOLUTION, request.dpi, Options::Pick::Nearest);
    options.setNumber(SANE_NAME_SCAN_X_RESOLUTION, request.dpi, Options::Pick::Nearest);
    options.setNumber(SANE_NAME_SCAN_Y_RESOLUTION, request.dpi, Options::Pick::Nearest);
    // The whole bed.
    options.setNumber(SANE_NAME_SCAN_TL_X, 0, Options::Pick::Lowest);
    options.setNumber(SANE_NAME_SCAN_TL_Y, 0, Options::Pick::Lowest);
    options.setNumber(SANE_NAME_SCAN_BR_X, 0, Options::Pick::Highest);
    options.setNumber(SANE_NAME_SCAN_BR_Y, 0, Options::Pick::Highest);
}

// The bytes a scan may hold before it is refused as absurd (a 600-dpi A3
// colour page at 16 bits a sample is about 420 MB).
constexpr qint64 MaxScanBytes = 1LL << 30;
constexpr SANE_Int ChunkBytes = 256 * 1024;

} // namespace

SaneScanner::SaneScanner()
{
    const Library& lib = library();
    if (!lib.loaded())
        return;
    SANE_Int version = 0;
    ready_ = lib.init(&version, nullptr) == SANE_STATUS_GOOD;
}

SaneScanner::~SaneScanner()
{
    if (ready_)
        library().exit();
}

QList<ScannerDevice> SaneScanner::devices()
{
    QList<ScannerDevice> found;
    if (!ready_)
        return found;
    const Library& lib = library();
    const SANE_Device** list = nullptr;
    if (lib.getDevices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return found;
    for (const SANE_Device** d = list; *d; ++d) {
        ScannerDevice device;
        device.name = QString::fromUtf8((*d)->name);
        const QString vendor = QString::fromUtf8((*d)->vendor).trimmed();
        const QString model = QString::fromUtf8((*d)->model).trimmed();
        device.label = (vendor + QLatin1Char(' ') + model).trimmed();
        if (device.label.isEmpty())
            device.label = device.name;
        found.append(device);
    }
    return found;
}

ScanResult SaneScanner::scan(const ScanRequest& request, const Progress& progress)
{
    const Library& lib = library();
    if (!ready_) {
        ScanResult none;
        none.error = lib.loaded() ? statusText(lib, SANE_STATUS_INVAL) : QString();
        return none;
    }
    SANE_Handle handle = nullptr;
    const QByteArray name = request.device.toUtf8();
    SANE_Status status = lib.open(name.constData(), &handle);
    if (status != SANE_STATUS_GOOD)
        return failure(lib, status);

    Options options(lib, handle);
    prepare(options, request);

    ScanResult result;
    status = lib.start(handle);
    SANE_Parameters p {};
    if (status == SANE_STATUS_GOOD)
        status = lib.getParameters(handle, &p);
    if (status == SANE_STATUS_GOOD
        && ((p.format != SANE_FRAME_GRAY && p.format != SANE_FRAME_RGB) || p.bytes_per_line <= 0
            || p.pixels_per_line <= 0 || (p.depth != 1 && p.depth != 8 && p.depth != 16)))
        status = SANE_STATUS_UNSUPPORTED;

    QByteArray bytes;
    const qint64 total = p.lines > 0 ? qint64(p.lines) * p.bytes_per_line : 0;
    if (status == SANE_STATUS_GOOD && total > MaxScanBytes)
        status = SANE_STATUS_NO_MEM;
    if (status == SANE_STATUS_GOOD) {
        bytes.reserve(total > 0 ? total : ChunkBytes);
        std::vector<SANE_Byte> chunk(static_cast<std::size_t>(ChunkBytes));
        result.outcome = ScanResult::Outcome::Done;
        for (;;) {
            if (progress && !progress(bytes.size(), total)) {
                result.outcome = ScanResult::Outcome::Stopped;
                break;
            }
            SANE_Int length = 0;
            status = lib.read(handle, chunk.data(), ChunkBytes, &length);
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD)
                break;
            if (bytes.size() + length > MaxScanBytes) {
                status = SANE_STATUS_NO_MEM;
                break;
            }
            bytes.append(reinterpret_cast<const char*>(chunk.data()), length);
        }
    }
    // Ends the frame whatever happened, and stops the scanner when asked to.
    lib.cancel(handle);
    lib.close(handle);

    if (result.outcome == ScanResult::Outcome::Stopped)
        return result;
    if (status != SANE_STATUS_GOOD && status != SANE_STATUS_EOF)
        return failure(lib, status);

    SaneFrame::Layout layout;
    layout.kind = p.format == SANE_FRAME_RGB ? SaneFrame::Kind::Rgb : SaneFrame::Kind::Gray;
    layout.depth = p.depth;
    layout.pixelsPerLine = p.pixels_per_line;
    layout.bytesPerLine = p.bytes_per_line;
    result.image = SaneFrame::picture(layout, bytes);
    if (result.image.isNull())
        return failure(lib, SANE_STATUS_IO_ERROR);
    return result;
}

namespace SaneFrame {

QImage picture(const Layout& layout, const QByteArray& bytes)
{
    const int channels = layout.kind == Kind::Rgb ? 3 : 1;
    const qint64 needed = (qint64(layout.pixelsPerLine) * channels * layout.depth + 7) / 8;
    if (layout.pixelsPerLine <= 0 || layout.bytesPerLine < needed
        || (layout.depth != 1 && layout.depth != 8 && layout.depth != 16))
        return {};
    const qint64 lines = bytes.size() / layout.bytesPerLine;
    if (lines <= 0 || lines > 1'000'000)
        return {};
    QImage image(layout.pixelsPerLine, int(lines), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = data + qint64(y) * layout.bytesPerLine;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Sample `s` of the line, as 0 to 255.
        auto sample = [&](int s) -> int {
            switch (layout.depth) {
            case 1: {
                const bool set = (line[s / 8] >> (7 - s % 8)) & 1;
                // A grey line-art bit set is black; in colour it is full intensity.
                return layout.kind == Kind::Gray ? (set ? 0 : 255) : (set ? 255 : 0);
            }
            case 16:
                // Samples of 16 bits come in the machine's own byte order.
                return qFromUnaligned<quint16>(line + 2 * s) >> 8;
            default:
                return line[s];
            }
        };
        if (channels == 3 && layout.depth == 8) {
            for (int x = 0; x < image.width(); ++x)
                out[x] = qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
        } else if (channels == 3) {
            for (int x = 0; x < image.width(); ++x)
                out[x] = qRgb(sample(3 * x), sample(3 * x + 1), sample(3 * x + 2));
        } else {
            for (int x = 0; x < image.width(); ++x) {
                const int g = sample(x);
                out[x] = qRgb(g, g, g);
            }
        }
    }
    return image;
}

} // namespace SaneFrame
