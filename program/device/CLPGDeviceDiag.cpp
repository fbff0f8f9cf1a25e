#include "CLPGDevice.h"

#include "DeviceRequests.h"

static_assert(devreq::kLiveSampleSize == CDiag::kReplySize, "a sample takes the whole reply it holds");

unsigned char CLPGDevice::readDiagSample(CDiag& sample)
{
    unsigned char bytes[devreq::kLiveSampleSize];
    const unsigned char status = devreq::readLiveSample(*this, bytes);
    if (status == 0) {
        sample.clear();
        std::copy(bytes, bytes + devreq::kLiveSampleSize, sample.data());
    }
    return status;
}

namespace devreq {

// An empty store leaves the sample at its zero mode.
uint8_t newestLiveMode(CLPGDevice& device)
{
    CDiag newest;
    device.m_diagData.getLast(newest);
    return newest.getMode();
}

} // namespace devreq
