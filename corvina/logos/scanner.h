// One image from a scanner through SANE, on a worker thread.
//
// The order of calls: sane_init, sane_get_devices, sane_open of the chosen
// device (the first when none is named), "Gray" and 75 dpi when the device
// offers them, sane_start, sane_read until the image is complete, sane_close,
// sane_exit. Cancelling stops the reading (sane_cancel) and gives no image.
//
// SANE reads its configuration from SANE_CONFIG_DIR when that is set (the
// tests point it at a folder that names only the "test" backend).
#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <future>

namespace corvina {

class Scanner : public QObject {
    Q_OBJECT

  public:
    explicit Scanner(QObject* parent = nullptr);
    ~Scanner() override;

    bool busy() const { return busy_; }
    // Lists the devices (`devicesListed`) or scans one image (`scanned`),
    // on the worker thread; refused (false) while one is running.
    bool listDevices();
    bool scan(const QString& device = {});
    // Stops a running scan; `scanned` then reports it as cancelled.
    void cancel();

  signals:
    // Names of the devices ("test:0") and their descriptions; the error
    // when SANE could not be started.
    void devicesListed(const QStringList& names, const QStringList& descriptions,
                       const QString& error);
    // The image (grey or colour), or the reason there is none. `cancelled`
    // when the user stopped it.
    void scanned(const QImage& image, const QString& error, bool cancelled);

  private:
    // Runs the work on the worker thread; what it returns is then called on
    // the object's thread, once the scanner takes the next request.
    void run(std::function<std::function<void()>()> work);

    std::atomic<bool> busy_{false};
    std::atomic<bool> cancelled_{false};
    QMutex handleLock_;
    void* handle_ = nullptr;  // SANE_Handle of the running scan
    std::future<void> worker_;
};

}  // namespace corvina
