#include "capture/ScannerSource.h"

#include "capture/SaneScanner.h"

#include <mutex>

namespace {

std::mutex factoryLock;

ScannerSource::Factory& installed()
{
    static ScannerSource::Factory factory;
    return factory;
}

} // namespace

ScannerSource::~ScannerSource() = default;

std::unique_ptr<ScannerSource> ScannerSource::create()
{
    ScannerSource::Factory factory;
    {
        const std::lock_guard<std::mutex> guard(factoryLock);
        factory = installed();
    }
    if (factory)
        return factory();
    return std::make_unique<SaneScanner>();
}

void ScannerSource::setFactory(Factory factory)
{
    const std::lock_guard<std::mutex> guard(factoryLock);
    installed() = std::move(factory);
}
