#include "ThrowerDll.h"

#include <Faultkin.h>

#include <gtest/gtest.h>

TEST(Faultkin, ErrorThrownInOneDllIsCaughtWholeInAnother)
{
    int before = CThrowerError::s_destroyed;
    try {
        throwNested();
        FAIL() << "nothing thrown";
    } catch (IError* e) {
        EXPECT_EQ(L"CThrowerError", e->name());
        auto* typed = dynamic_cast<CThrowerError*>(e);
        ASSERT_NE(nullptr, typed);
        EXPECT_EQ(10u, e->code());
        // Codes 0..4 are the base's, 5..9 the run-time class's, 10 the thrower's own.
        EXPECT_EQ(L"Thrower failed.", e->message());
        std::wstring report = e->format();
        EXPECT_NE(std::wstring::npos, report.find(L"CThrowerError 10: Thrower failed."));
        EXPECT_NE(std::wstring::npos, report.find(L"throwNested() - GetLastError()=5"));
        EXPECT_NE(std::wstring::npos, report.find(L"ThrowerDll, line 21"));
        EXPECT_NE(std::wstring::npos, report.find(L"Caused by: IError 3: Invalid argument."));
        EXPECT_NE(std::wstring::npos, report.find(L"inner()"));
        delete e;
    }
    EXPECT_EQ(before + 1, CThrowerError::s_destroyed);
}

TEST(Faultkin, CodesWithoutATextStillFormat)
{
    IError plain(42, nullptr, 0, nullptr);
    EXPECT_EQ(L"Unknown error.", plain.message());
    EXPECT_NE(std::wstring::npos, plain.format().find(L"IError 42"));

    CRunTime runtime(6, L"f()", 1, L"file");
    EXPECT_EQ(L"CRunTime", runtime.name());
    EXPECT_EQ(L"System call failed.", runtime.message());
}

TEST(Faultkin, Ansi2UnicodeWidensText)
{
    EXPECT_EQ(L"serialport", ansi2unicode("serialport"));
    EXPECT_EQ(L"", ansi2unicode(""));
    EXPECT_EQ(L"", ansi2unicode(nullptr));
}
