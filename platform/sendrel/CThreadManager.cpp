#include "CThreadManager.h"

#include "CSThread.h"

#include <IError.h>

#include <process.h>
#include <windows.h>

#include <string>

namespace {
void reportEscaped(const std::wstring& text)
{
    // Never a message box: the thread must not wait on anybody.
    OutputDebugStringW((L"Sendrel: error escaped a thread body: " + text + L"\n").c_str());
}

unsigned __stdcall threadMain(void* arg)
{
    CSemThread* thread = static_cast<CSemThread*>(arg);
    try {
        thread->run();
    } catch (IError* e) {
        reportEscaped(e->name() + L"\n" + e->format());
        delete e;
    } catch (...) {
        reportEscaped(L"unknown exception");
    }
    delete thread;
    return 0;
}
} // namespace

CThreadManager::CThreadManager() = default;

CThreadManager::~CThreadManager() = default;

void CThreadManager::insert(CSemThread* thread)
{
    if (!thread)
        return;
    uintptr_t handle = _beginthreadex(nullptr, 0, threadMain, thread, 0, nullptr);
    if (handle == 0) {
        reportEscaped(L"cannot start a thread");
        delete thread;
        return;
    }
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}
