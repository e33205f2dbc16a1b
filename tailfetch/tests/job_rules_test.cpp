// The job's decisions on their own: which bytes to ask for, what a reply
// header allows, where a redirect may lead, where a new file may land.
#include "tailfetch/core/connection_route.h"
#include "tailfetch/core/output_file.h"
#include "tailfetch/core/range_plan.h"
#include "tailfetch/core/reply_policy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tailfetch {
namespace {

ReplyHeader header(int status, std::vector<std::pair<std::string, std::string>> fields)
{
    ReplyHeader reply;
    reply.status = status;
    reply.fields = std::move(fields);
    return reply;
}

TEST(RangePlanTest, FetchesTheLastBytesHeldAgainBeforeWritingAfterThem)
{
    // In place: 1,000,000 bytes held, the file has 3,000,000.
    const auto inPlace = PlanRange({1'000'000, 0, 1'000'000}, 3'000'000);
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(inPlace->from, 1'000'000 - kCheckWindow);
    EXPECT_EQ(inPlace->compareUntil, 1'000'000);
    EXPECT_EQ(inPlace->writeFrom, 1'000'000);

    // A file shorter than the window is compared whole.
    const auto small = PlanRange({5, 0, 5}, 10);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->from, 0);
    EXPECT_EQ(small->compareUntil, 5);

    // A new file starts with the incomplete file's last byte, which is both
    // compared and written; after a retry the part collected so far counts.
    const auto part = PlanRange({1'000'000, 999'999, 0}, 3'000'000);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->from, 1'000'000 - kCheckWindow);
    EXPECT_EQ(part->writeFrom, 999'999);
    EXPECT_EQ(part->compareUntil, 1'000'000);
    const auto resumed = PlanRange({1'000'000, 999'999, 500'001}, 3'000'000);
    ASSERT_TRUE(resumed);
    EXPECT_EQ(resumed->writeFrom, 1'500'000);
    EXPECT_EQ(resumed->compareUntil, 1'500'000);
    EXPECT_EQ(resumed->from, 1'500'000 - kCheckWindow);

    // A typed start with no incomplete file: nothing is held before it.
    const auto typed = PlanRange({0, 1000, 0}, 5000);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->from, 1000);
    EXPECT_EQ(typed->heldStart, 1000);
    EXPECT_EQ(typed->compareUntil, 1000);

    EXPECT_FALSE(PlanRange({10, 0, 10}, 10)) << "nothing is missing";
    EXPECT_FALSE(PlanRange({0, 5000, 0}, 5000));
}

TEST(ReplyPolicyTest, TheLengthReplyGivesTheLengthOrWhatToDoInstead)
{
    EXPECT_EQ(JudgeLengthReply(header(200, {{"Content-Length", "42"}}), false).length, 42);
    EXPECT_EQ(JudgeLengthReply(header(200, {}), false).kind, LengthVerdict::NoLength);
    EXPECT_EQ(JudgeLengthReply(header(405, {}), false).kind, LengthVerdict::AskFirstByte);
    EXPECT_EQ(JudgeLengthReply(header(405, {}), true).kind, LengthVerdict::ServerError);
    const auto byFirstByte =
        JudgeLengthReply(header(206, {{"Content-Range", "bytes 0-0/77"}}), true);
    EXPECT_EQ(byFirstByte.kind, LengthVerdict::Length);
    EXPECT_EQ(byFirstByte.length, 77);
    EXPECT_EQ(JudgeLengthReply(header(416, {}), true).length, 0);
    EXPECT_EQ(JudgeLengthReply(header(308, {}), false).kind, LengthVerdict::Redirect);
    EXPECT_EQ(JudgeLengthReply(header(401, {}), false).kind, LengthVerdict::Login);
    EXPECT_EQ(JudgeLengthReply(header(404, {}), false).kind, LengthVerdict::ServerError);
}

TEST(ReplyPolicyTest, OnlyAStrongTagOrADateNamesAVersion)
{
    EXPECT_EQ(ValidatorOf(header(200, {{"ETag", "\"a\""}, {"Last-Modified", "d"}})), "\"a\"");
    EXPECT_EQ(ValidatorOf(header(200, {{"ETag", "W/\"a\""}, {"Last-Modified", "d"}})), "d");
    EXPECT_EQ(ValidatorOf(header(200, {})), "");
}

TEST(ReplyPolicyTest, TheRangeReplyIsTakenOnlyWhenItIsTheSameVersion)
{
    const RangePlan plan{4, 5, 5, 0};
    const auto judge = [&](int status, std::vector<std::pair<std::string, std::string>> fields,
                           std::string_view validator = "") {
        return JudgeRangeReply(header(status, std::move(fields)), plan, 10, validator).kind;
    };
    EXPECT_EQ(judge(206, {{"Content-Range", "bytes 4-9/10"}}), RangeVerdict::Partial);
    EXPECT_EQ(judge(206, {{"Content-Range", "bytes 4-9/11"}}), RangeVerdict::Changed);
    EXPECT_EQ(judge(206, {{"Content-Range", "bytes 5-9/10"}}), RangeVerdict::OtherRange);
    EXPECT_EQ(judge(206, {}), RangeVerdict::OtherRange);
    // A whole file: taken (and compared) when it is the version held.
    EXPECT_EQ(judge(200, {{"Content-Length", "10"}}), RangeVerdict::Whole);
    EXPECT_EQ(judge(200, {{"Content-Length", "11"}}), RangeVerdict::Changed);
    EXPECT_EQ(judge(200, {{"ETag", "\"v1\""}}, "\"v1\""), RangeVerdict::Whole);
    EXPECT_EQ(judge(200, {{"ETag", "\"v2\""}}, "\"v1\""), RangeVerdict::Changed);
    EXPECT_EQ(judge(200, {{"Last-Modified", "Mon"}}, "Sun"), RangeVerdict::Changed);
    EXPECT_EQ(judge(200, {}, "\"v1\""), RangeVerdict::Changed);
    EXPECT_EQ(judge(302, {}), RangeVerdict::Redirect);
    EXPECT_EQ(judge(401, {}), RangeVerdict::Login);
    EXPECT_EQ(judge(416, {}), RangeVerdict::ServerError);
}

TEST(RedirectPolicyTest, NeverDownToPlainHttpAndTheLoginStaysWithItsHost)
{
    RedirectFacts facts;
    facts.targetUsable = true;
    facts.fromSecure = true;
    facts.toSecure = true;
    facts.sameOrigin = true;
    auto verdict = JudgeRedirect(facts);
    EXPECT_EQ(verdict.kind, RedirectVerdict::Follow);
    EXPECT_TRUE(verdict.carryLogin);

    facts.sameOrigin = false;
    EXPECT_FALSE(JudgeRedirect(facts).carryLogin);

    facts.toSecure = false;
    EXPECT_EQ(JudgeRedirect(facts).kind, RedirectVerdict::DownToPlain);

    facts.fromSecure = false;
    facts.targetHasLogin = true;
    verdict = JudgeRedirect(facts);
    EXPECT_EQ(verdict.kind, RedirectVerdict::Follow);
    EXPECT_TRUE(verdict.dropLogin) << "a login over plain http needs the user's word";
    facts.plainLoginAllowed = true;
    EXPECT_FALSE(JudgeRedirect(facts).dropLogin);

    facts.redirectsSoFar = 10;
    EXPECT_EQ(JudgeRedirect(facts).kind, RedirectVerdict::TooMany);
    facts.targetUsable = false;
    EXPECT_EQ(JudgeRedirect(facts).kind, RedirectVerdict::Unusable);
}

TEST(ConnectionRouteTest, OnlyHttpsIsTunnelledThroughAnHttpProxy)
{
    const ConnectionRoute plainViaProxy = RouteFor(false, ProxyKind::Http);
    EXPECT_TRUE(plainViaProxy.absoluteTarget);
    EXPECT_FALSE(plainViaProxy.socketThroughProxy);
    EXPECT_FALSE(plainViaProxy.tls);
    const ConnectionRoute tunnel = RouteFor(true, ProxyKind::Http);
    EXPECT_FALSE(tunnel.absoluteTarget);
    EXPECT_TRUE(tunnel.socketThroughProxy);
    EXPECT_TRUE(tunnel.tls);
    EXPECT_TRUE(RouteFor(false, ProxyKind::Socks).socketThroughProxy);
    const ConnectionRoute direct = RouteFor(false, ProxyKind::None);
    EXPECT_FALSE(direct.absoluteTarget || direct.socketThroughProxy || direct.tls);
    EXPECT_EQ(ProxyPortOr(ProxyKind::Http, 0), 80);
    EXPECT_EQ(ProxyPortOr(ProxyKind::Socks, 0), 1080);
    EXPECT_EQ(ProxyPortOr(ProxyKind::Http, 3128), 3128);
}

class OutputFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() /
        ("tailfetch-output-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override { std::filesystem::create_directories(dir_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void put(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string get(const std::string& name)
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(OutputFileTest, ACollectedFileNeverLandsOnAnotherUnasked)
{
    put("movie.iso", "the user's own file");
    put("movie (1).iso", "another");
    put("movie.iso.tailfetch-part", "new bytes");
    std::error_code ec;
    const auto placed =
        PlaceCollected(dir_ / "movie.iso.tailfetch-part", dir_ / "movie.iso", false, ec);
    EXPECT_FALSE(ec);
    EXPECT_EQ(placed, dir_ / "movie (2).iso");
    EXPECT_EQ(get("movie.iso"), "the user's own file");
    EXPECT_EQ(get("movie (1).iso"), "another");
    EXPECT_EQ(get("movie (2).iso"), "new bytes");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "movie.iso.tailfetch-part"));

    // A free name is simply taken; with the user's word the file is replaced.
    put("x.tailfetch-part", "x");
    EXPECT_EQ(PlaceCollected(dir_ / "x.tailfetch-part", dir_ / "x", false, ec), dir_ / "x");
    put("movie.iso.tailfetch-part", "replacement");
    EXPECT_EQ(PlaceCollected(dir_ / "movie.iso.tailfetch-part", dir_ / "movie.iso", true, ec),
              dir_ / "movie.iso");
    EXPECT_EQ(get("movie.iso"), "replacement");
    EXPECT_EQ(FreeNameBeside(dir_ / "noext"), dir_ / "noext (1)");
}

} // namespace
} // namespace tailfetch
