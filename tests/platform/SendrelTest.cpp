#include <Faultkin.h>
#include <Sendrel.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

namespace {

// Signals `done` from its destructor, so the test sees the manager dispose of it.
class ProbeThread : public CSThread
{
public:
    ProbeThread(HANDLE done, std::atomic<DWORD>* ranOn, bool throwError)
        : m_done(done), m_ranOn(ranOn), m_throw(throwError)
    {
    }
    ~ProbeThread() override { SetEvent(m_done); }
    void run() override
    {
        *m_ranOn = GetCurrentThreadId();
        if (m_throw)
            throw new CRunTime(5, L"ProbeThread::run()", 1, L"test");
    }

private:
    HANDLE m_done;
    std::atomic<DWORD>* m_ranOn;
    bool m_throw;
};

struct Event
{
    HANDLE h = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Event() { CloseHandle(h); }
};

} // namespace

TEST(Sendrel, ManagerRunsTheBodyOnItsOwnThreadAndDeletesTheObject)
{
    CMultiThread manager;
    Event done;
    std::atomic<DWORD> ranOn{0};
    manager.insert(new ProbeThread(done.h, &ranOn, false));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done.h, 5000));
    EXPECT_NE(0u, ranOn.load());
    EXPECT_NE(GetCurrentThreadId(), ranOn.load());
}

TEST(Sendrel, AnErrorEscapingTheBodyIsAbsorbedAndTheManagerGoesOn)
{
    CMultiThread manager;
    Event first, second;
    std::atomic<DWORD> ranOn{0};
    manager.insert(new ProbeThread(first.h, &ranOn, true));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first.h, 5000));
    manager.insert(new ProbeThread(second.h, &ranOn, false));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second.h, 5000));
}

namespace {
struct Shared
{
    CSendrelMutex mutex;
    int inside = 0;
    int overlaps = 0;
    long counter = 0;
};

class Worker : public CSThread
{
public:
    Worker(Shared* shared, HANDLE done) : m_shared(shared), m_done(done) {}
    ~Worker() override { ReleaseSemaphore(m_done, 1, nullptr); }
    void run() override
    {
        for (int i = 0; i < 2000; ++i) {
            m_shared->mutex.lock();
            if (++m_shared->inside != 1)
                ++m_shared->overlaps;
            long seen = m_shared->counter;
            if (i % 100 == 0)
                Sleep(0); // invite the other thread in
            m_shared->counter = seen + 1;
            --m_shared->inside;
            m_shared->mutex.unlock();
        }
    }

private:
    Shared* m_shared;
    HANDLE m_done;
};
} // namespace

TEST(Sendrel, MutexExcludesOtherThreads)
{
    Shared shared;
    HANDLE done = CreateSemaphoreW(nullptr, 0, 4, nullptr);
    CMultiThread manager;
    for (int i = 0; i < 4; ++i)
        manager.insert(new Worker(&shared, done));
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 20000));
    CloseHandle(done);
    EXPECT_EQ(0, shared.overlaps);
    EXPECT_EQ(8000, shared.counter);
}
