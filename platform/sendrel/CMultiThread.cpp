#include "CMultiThread.h"

CMultiThread::CMultiThread() = default;
CMultiThread::~CMultiThread() = default;
