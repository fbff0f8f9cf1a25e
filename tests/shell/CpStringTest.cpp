#include "cpString.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(CpString, RoundTripsThroughCodePages)
{
    const std::wstring polish = L"Zażółć gęślą";
    const CpString cp1250 = unicode2cpString(polish, 1250);
    EXPECT_EQ(1250u, cp1250.codePage);
    EXPECT_EQ(polish.size(), cp1250.text.size());
    EXPECT_EQ(polish, cpString2unicode(cp1250));

    // Three bytes a character: more than twice the text's length.
    const std::wstring chinese = L"汉字汉字";
    const CpString utf8 = unicode2cpString(chinese, CP_UTF8);
    EXPECT_EQ(12u, utf8.text.size());
    EXPECT_EQ(chinese, cpString2unicode(utf8));

    EXPECT_EQ(L"", cpString2unicode(CpString{"", 1250}));
    EXPECT_EQ("", unicode2cpString(L"", 1250).text);
}
