#include "corvina/logos/scanner.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <QByteArray>
#include <cstring>
#include <thread>
#include <vector>

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr SANE_Int kResolution = 75;
// More than any sensible page at 75 dpi; a backend that never ends its
// frame is stopped here.
constexpr qint64 kMaxScanBytes = 256LL * 1024 * 1024;

QString saneText(SANE_Status status) {
    return QString::fromLocal8Bit(sane_strstatus(status));
}

// Sets the option of the given name to a string value when the device
// offers that value.
void offerString(SANE_Handle handle, const char* name, const char* value) {
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle, i);
        if (!option) return;
        if (!option->name || std::strcmp(option->name, name) != 0) continue;
        if (option->type != SANE_TYPE_STRING || !SANE_OPTION_IS_SETTABLE(option->cap)) return;
        if (option->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
            bool offered = false;
            for (const SANE_String_Const* s = option->constraint.string_list; *s; ++s)
                offered = offered || std::strcmp(*s, value) == 0;
            if (!offered) return;
        }
        QByteArray buffer(std::max<int>(option->size, static_cast<int>(std::strlen(value)) + 1), 0);
        std::memcpy(buffer.data(), value, std::strlen(value));
        sane_control_option(handle, i, SANE_ACTION_SET_VALUE, buffer.data(), nullptr);
        return;
    }
}

// Sets the resolution when the device offers it.
void offerResolution(SANE_Handle handle, SANE_Int dpi) {
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle, i);
        if (!option) return;
        if (!option->name || std::strcmp(option->name, SANE_NAME_SCAN_RESOLUTION) != 0) continue;
        if (!SANE_OPTION_IS_SETTABLE(option->cap)) return;
        SANE_Word value = option->type == SANE_TYPE_FIXED ? SANE_FIX(dpi) : dpi;
        sane_control_option(handle, i, SANE_ACTION_SET_VALUE, &value, nullptr);
        return;
    }
}

// The image of the frame's bytes.
QImage imageOf(const SANE_Parameters& p, const QByteArray& data) {
    const int width = p.pixels_per_line;
    const int bpl = p.bytes_per_line;
    if (width <= 0 || bpl <= 0) return {};
    const int lines = static_cast<int>(data.size() / bpl);
    if (lines <= 0) return {};
    const bool colour = p.format == SANE_FRAME_RGB;
    QImage image(width, lines, colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    for (int y = 0; y < lines; ++y) {
        const auto* in =
            reinterpret_cast<const uchar*>(data.constData()) + static_cast<qsizetype>(y) * bpl;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (p.depth == 1) {
                // Line art: a set bit is black.
                const bool black = in[x / 8] & (0x80 >> (x % 8));
                if (colour) {
                    reinterpret_cast<QRgb*>(out)[x] = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                } else {
                    out[x] = black ? 0 : 255;
                }
                continue;
            }
            const int step = p.depth == 16 ? 2 : 1;
            // 16-bit samples are in the machine's byte order; the high byte serves.
            const auto sample = [&](int index) {
                if (step == 1) return in[index];
                uint16_t value;
                std::memcpy(&value, in + 2 * index, 2);
                return static_cast<uchar>(value >> 8);
            };
            if (colour) {
                reinterpret_cast<QRgb*>(out)[x] =
                    qRgb(sample(3 * x), sample(3 * x + 1), sample(3 * x + 2));
            } else {
                out[x] = sample(x);
            }
        }
    }
    return image;
}

}  // namespace

Scanner::Scanner(QObject* parent) : QObject(parent) {}

Scanner::~Scanner() {
    cancel();
    if (worker_.valid()) worker_.wait();
}

void Scanner::run(std::function<std::function<void()>()> work) {
    if (worker_.valid()) worker_.wait();
    worker_ = std::async(std::launch::async, [this, work = std::move(work)] {
        std::function<void()> report = work();
        busy_ = false;
        QMetaObject::invokeMethod(this, report, Qt::QueuedConnection);
    });
}

bool Scanner::listDevices() {
    if (busy_.exchange(true)) return false;
    run([this]() -> std::function<void()> {
        QStringList names, descriptions;
        QString error;
        SANE_Int version = 0;
        const SANE_Status status = sane_init(&version, nullptr);
        if (status != SANE_STATUS_GOOD) {
            error = saneText(status);
        } else {
            const SANE_Device** devices = nullptr;
            if (sane_get_devices(&devices, SANE_FALSE) == SANE_STATUS_GOOD && devices) {
                for (int i = 0; devices[i]; ++i) {
                    names << QString::fromLocal8Bit(devices[i]->name);
                    descriptions << QStringLiteral("%1 %2").arg(
                        QString::fromLocal8Bit(devices[i]->vendor),
                        QString::fromLocal8Bit(devices[i]->model));
                }
            }
            sane_exit();
        }
        return [=, this] { emit devicesListed(names, descriptions, error); };
    });
    return true;
}

bool Scanner::scan(const QString& device) {
    if (busy_.exchange(true)) return false;
    cancelled_ = false;
    run([this, device]() -> std::function<void()> {
        QImage image;
        QString error;
        SANE_Int version = 0;
        SANE_Status status = sane_init(&version, nullptr);
        if (status != SANE_STATUS_GOOD) {
            error = saneText(status);
        } else {
            QByteArray name = device.toLocal8Bit();
            const SANE_Device** devices = nullptr;
            if (sane_get_devices(&devices, SANE_FALSE) == SANE_STATUS_GOOD && devices &&
                devices[0] && name.isEmpty()) {
                name = devices[0]->name;
            }
            SANE_Handle handle = nullptr;
            if (name.isEmpty()) {
                error = tx("logos_46", "Es wurde kein Scanner gefunden.");
            } else if ((status = sane_open(name.constData(), &handle)) != SANE_STATUS_GOOD) {
                error = saneText(status);
            } else {
                {
                    QMutexLocker lock(&handleLock_);
                    handle_ = handle;
                }
                offerString(handle, SANE_NAME_SCAN_MODE, SANE_VALUE_SCAN_MODE_GRAY);
                offerResolution(handle, kResolution);
                SANE_Parameters parameters{};
                QByteArray data;
                status = cancelled_ ? SANE_STATUS_CANCELLED : sane_start(handle);
                if (status == SANE_STATUS_GOOD) status = sane_get_parameters(handle, &parameters);
                std::vector<SANE_Byte> buffer(64 * 1024);
                while (status == SANE_STATUS_GOOD && !cancelled_) {
                    SANE_Int length = 0;
                    status = sane_read(handle, buffer.data(), static_cast<SANE_Int>(buffer.size()),
                                       &length);
                    if (status == SANE_STATUS_GOOD) {
                        data.append(reinterpret_cast<const char*>(buffer.data()), length);
                        if (data.size() > kMaxScanBytes) status = SANE_STATUS_NO_MEM;
                    }
                }
                if (status == SANE_STATUS_EOF && !cancelled_) {
                    image = imageOf(parameters, data);
                    if (image.isNull())
                        error = tx("logos_47", "Der Scanner hat kein Bild geliefert.");
                } else if (!cancelled_) {
                    error = saneText(status);
                }
                sane_cancel(handle);
                {
                    QMutexLocker lock(&handleLock_);
                    handle_ = nullptr;
                }
                sane_close(handle);
            }
            sane_exit();
        }
        const bool cancelled = cancelled_;
        if (cancelled) image = {};
        return [=, this] { emit scanned(image, error, cancelled); };
    });
    return true;
}

void Scanner::cancel() {
    cancelled_ = true;
    QMutexLocker lock(&handleLock_);
    if (handle_) sane_cancel(handle_);
}

}  // namespace corvina
