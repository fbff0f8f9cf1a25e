#include "ICtrlContainer.h"

ICtrlContainer::~ICtrlContainer() = default;
