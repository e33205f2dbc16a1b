// Plain rules behind the window and the command line: the start checks, the
// settings line, the progress figures and the sums a file is checked against.
#include "tailfetch/core/checksums.h"
#include "tailfetch/core/progress_figures.h"
#include "tailfetch/core/settings_file.h"
#include "tailfetch/core/start_request.h"

#include <gtest/gtest.h>

namespace tailfetch {
namespace {

StartInputs valid()
{
    StartInputs inputs;
    inputs.url = "http://example.org/f.iso";
    inputs.addressUsable = true;
    inputs.startText = "1001";
    inputs.destinationNamed = true;
    return inputs;
}

TEST(StartRequestTest, ReadsTheStartAndRefusesWhatTheJobCannotUse)
{
    EXPECT_EQ(CheckStart(valid()).refusal, StartCheck::None);
    EXPECT_EQ(CheckStart(valid()).startByte, 1001);
    EXPECT_EQ(ReadStartByte("1000.5"), 1000) << "halves go to the even neighbour";
    EXPECT_EQ(ReadStartByte("1001.5"), 1002);
    EXPECT_EQ(ReadStartByte(" 7 "), 7);
    EXPECT_FALSE(ReadStartByte("12a"));

    StartInputs empty = valid();
    empty.startText.clear();
    const StartCheck one = CheckStart(empty);
    EXPECT_TRUE(one.startBoxBecomesOne);
    EXPECT_EQ(one.startByte, 1);

    for (const char* url : {"", "HTTP://example.org/f", " http://example.org/f",
                            "http://example.org", "ftp://example.org/f"}) {
        StartInputs inputs = valid();
        inputs.url = url;
        EXPECT_EQ(CheckStart(inputs).refusal, StartCheck::Fields) << url;
    }
    StartInputs noDestination = valid();
    noDestination.destinationNamed = false;
    EXPECT_EQ(CheckStart(noDestination).refusal, StartCheck::Fields);
    StartInputs zero = valid();
    zero.startText = "0";
    EXPECT_EQ(CheckStart(zero).refusal, StartCheck::StartBelowOne);

    // From the incomplete file: its length, 1 for an empty one.
    StartInputs fromFile = valid();
    fromFile.byteOption = false;
    fromFile.sourceNamed = true;
    EXPECT_EQ(CheckStart(fromFile).refusal, StartCheck::Fields) << "no such file";
    fromFile.sourceSize = 1000;
    EXPECT_EQ(CheckStart(fromFile).startByte, 1000);
    fromFile.sourceSize = 0;
    EXPECT_EQ(CheckStart(fromFile).startByte, 1);
    fromFile.destinationIsSource = true;
    EXPECT_EQ(CheckStart(fromFile).refusal, StartCheck::DestinationIsSource);
    fromFile.newFile = false;
    fromFile.destinationNamed = false;
    EXPECT_EQ(CheckStart(fromFile).refusal, StartCheck::None);
}

TEST(SettingsFileTest, HoldsOneLine)
{
    EXPECT_EQ(UrlFromSettings("http://a/b\r\nsecond\r\n"), "http://a/b");
    EXPECT_EQ(UrlFromSettings("http://a/b\nx"), "http://a/b");
    EXPECT_EQ(UrlFromSettings(""), "");
    EXPECT_EQ(SettingsText("http://a/b"), "http://a/b\r\n");
    EXPECT_EQ(ReadSettingsUrl("/nonexistent/config.ini"), "");
}

TEST(ProgressFiguresTest, SpeedShareAndTimeLeft)
{
    EXPECT_EQ(AverageSpeed(5, 2), 2) << "2.5 rounds to the even 2";
    EXPECT_EQ(AverageSpeed(7, 2), 4);
    EXPECT_EQ(AverageSpeed(100, 0), 0);
    EXPECT_EQ(PercentDone(999, 1000), 99) << "100 only when whole";
    EXPECT_EQ(PercentDone(1000, 1000), 100);
    EXPECT_FALSE(PercentDone(5, -1));
    EXPECT_EQ(SecondsLeft(1001, 1000), 2);
    EXPECT_FALSE(SecondsLeft(1000, 0));
    EXPECT_EQ(DurationText(45), "45 s");
    EXPECT_EQ(DurationText(185), "3 min 05 s");
    EXPECT_EQ(DurationText(7620), "2 h 07 min");
}

TEST(ChecksumsTest, ATypedSumIsToldByItsLength)
{
    EXPECT_EQ(ParseTypedDigest(" 900150983CD24FB0D6963F7D28E17F72 ")->kind, DigestKind::Md5);
    EXPECT_EQ(ParseTypedDigest("900150983CD24FB0D6963F7D28E17F72")->hex,
              "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(ParseTypedDigest(std::string(40, 'a'))->kind, DigestKind::Sha1);
    EXPECT_EQ(ParseTypedDigest(std::string(64, 'a'))->kind, DigestKind::Sha256);
    EXPECT_FALSE(ParseTypedDigest(std::string(63, 'a')));
    EXPECT_FALSE(ParseTypedDigest(std::string(64, 'g')));
    EXPECT_FALSE(ParseTypedDigest(""));
}

// SHA-256 of "abc", in base64 and hexadecimal.
constexpr const char* kAbc64 = "ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0=";
constexpr const char* kAbcHex = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

TEST(ChecksumsTest, TheServersFieldsGiveTheStrongestSum)
{
    ReplyHeader header;
    header.fields = {{"Repr-Digest", std::string("sha-512=:AAAA:, sha-256=:") + kAbc64 + ":"}};
    ASSERT_TRUE(DigestFromHeader(header));
    EXPECT_EQ(DigestFromHeader(header)->hex, kAbcHex);

    header.fields = {{"Digest", std::string("MD5=kAFQmDzST7DWlj99KOF/cg==,SHA-256=") + kAbc64}};
    EXPECT_EQ(DigestFromHeader(header)->kind, DigestKind::Sha256);
    header.fields = {{"digest", "md5=kAFQmDzST7DWlj99KOF/cg=="}};
    EXPECT_EQ(DigestFromHeader(header)->hex, "900150983cd24fb0d6963f7d28e17f72");
    header.fields = {{"Digest", "SHA-256=not base64!"}, {"Content-Digest", "x"}};
    EXPECT_FALSE(DigestFromHeader(header));
}

TEST(ChecksumsTest, ListsOfSumsNameTheFile)
{
    const std::string list = std::string("# sums\n") + std::string(64, '1') + "  other.iso\n" +
                             kAbcHex + " *./movie.iso\r\n";
    EXPECT_EQ(DigestFromSumsFile(list, "movie.iso")->hex, kAbcHex);
    EXPECT_FALSE(DigestFromSumsFile(list, "missing.iso"));
    EXPECT_EQ(DigestFromSumsFile(std::string(kAbcHex) + "\n", "movie.iso")->hex, kAbcHex)
        << "a FILE.sha256 with the sum alone";
    EXPECT_FALSE(DigestFromSumsFile("<html>not found</html>", "movie.iso"));
}

} // namespace
} // namespace tailfetch
