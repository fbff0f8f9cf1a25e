#include "CLPGDeviceErr.h"

CLPGDeviceErr::CLPGDeviceErr() = default;

CLPGDeviceErr::~CLPGDeviceErr() = default;
