#include "CSThread.h"

CThread::CThread() = default;
CThread::~CThread() = default;

CSemThread::CSemThread() = default;
CSemThread::~CSemThread() = default;

CSThread::CSThread() = default;
CSThread::~CSThread() = default;
