#include "CLPGDevice.h"

#include "DeviceRequests.h"

namespace devreq {

// The live-data store is not kept yet: as for an empty store.
uint8_t newestLiveMode(CLPGDevice&)
{
    return 0;
}

} // namespace devreq
