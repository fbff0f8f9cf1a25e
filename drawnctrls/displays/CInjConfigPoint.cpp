#include "CInjConfigPoint.h"

CInjConfigPoint::~CInjConfigPoint() = default;
