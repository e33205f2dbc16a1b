#include "tailfetch/core/http_range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tailfetch {
namespace {

TEST(SplitHost, TakesTheTextBetweenTheSecondAndThirdSlash)
{
    EXPECT_EQ(SplitHost("http://example.org/file.zip"), "example.org");
    EXPECT_EQ(SplitHost("http://example.org/dir/file.zip"), "example.org");
    // The two slashes need not touch.
    EXPECT_EQ(SplitHost("a/b/c/d"), "c");
    EXPECT_EQ(SplitHost("http://host:8080/f"), "host:8080");
    EXPECT_EQ(SplitHost("http:///f"), "");
}

TEST(SplitHost, NeedsThreeSlashes)
{
    EXPECT_EQ(SplitHost(""), std::nullopt);
    EXPECT_EQ(SplitHost("http://example.org"), std::nullopt);
    EXPECT_EQ(SplitHost("example.org/file"), std::nullopt);
}

TEST(SplitHost, DropsLowerCaseWwwAndTheCharacterAfterIt)
{
    EXPECT_EQ(SplitHost("http://www.example.org/f"), "example.org");
    EXPECT_EQ(SplitHost("http://wwwxexample.org/f"), "example.org");
    EXPECT_EQ(SplitHost("http://www/f"), "");
    EXPECT_EQ(SplitHost("http://WWW.example.org/f"), "WWW.example.org");
    EXPECT_EQ(SplitHost("http://ww.example.org/f"), "ww.example.org");
}

} // namespace
} // namespace tailfetch
