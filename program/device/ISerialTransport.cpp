#include "ISerialTransport.h"

#include "Win32SerialTransport.h"

#include <mutex>

namespace {
std::mutex s_factoryLock;
SerialTransportFactory s_factory;
} // namespace

void setSerialTransportFactory(SerialTransportFactory factory)
{
    std::lock_guard<std::mutex> hold(s_factoryLock);
    s_factory = std::move(factory);
}

std::unique_ptr<ISerialTransport> makeSerialTransport()
{
    SerialTransportFactory factory;
    {
        std::lock_guard<std::mutex> hold(s_factoryLock);
        factory = s_factory;
    }
    if (factory)
        return factory();
    return std::make_unique<Win32SerialTransport>();
}
