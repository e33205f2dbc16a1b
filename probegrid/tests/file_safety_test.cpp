#include "probegrid/tests/probegrid_window_test.h"

#include "probegrid/core/records.h"

#include "common/testing/file_safety.h"
#include "common/ui/text.h"

// A record file that may not or cannot be written is left as it was; a huge
// one is rewritten in place, which records_test covers.
namespace probegrid {
namespace {

using suite::MessageIcon;
using suite::testing::OrdinaryUser;

const std::string kAnaBytes = encodeRecord({storedName("Ana"), 12, 300, 6});

class ProbegridFileSafetyTest : public testing::ProbegridWindowTest {
protected:
    std::filesystem::path file(const QString& name) const { return suite::toPath(pathIn(name)); }

    // A one-player game that ends at once in a new record.
    void winARecord()
    {
        FrmMain* board = openBoard("Bia", {1});
        clickCell(board, 1);
    }

    void expectRecordNotWritten()
    {
        const auto messages = dialogs_.messages();
        ASSERT_EQ(messages.size(), 2);
        EXPECT_EQ(messages[1].icon, MessageIcon::Critical);
        EXPECT_TRUE(
            messages[1].text.startsWith("Um novo recorde foi estabelecido, mas não foi possível"))
            << messages[1].text.toStdString();
    }
};

TEST_F(ProbegridFileSafetyTest, AReadOnlyRecordFileIsReportedNotReplaced)
{
    OrdinaryUser::openToEveryone(file(""));
    suite::testing::putReadOnly(file(kRecordFileName), kAnaBytes);
    OrdinaryUser user;
    winARecord();
    expectRecordNotWritten();
    EXPECT_EQ(readFile(kRecordFileName).toStdString(), kAnaBytes);
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

TEST_F(ProbegridFileSafetyTest, APipeRecordFileIsNeitherReadNorReplaced)
{
    suite::testing::makePipe(file(kRecordFileName));
    winARecord();
    expectRecordNotWritten();
    EXPECT_TRUE(std::filesystem::is_fifo(file(kRecordFileName)));
}

TEST_F(ProbegridFileSafetyTest, ANewRecordClearsAwayWhatAKilledSaveLeft)
{
    writeFile(kRecordFileName, QByteArray::fromStdString(kAnaBytes));
    const auto stale = suite::testing::leaveStaleTemporary(file(kRecordFileName));
    winARecord();
    ASSERT_EQ(dialogs_.messages().size(), 2);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(decodeRecord(readFile(kRecordFileName).toStdString())->name, storedName("Bia"));
}

} // namespace
} // namespace probegrid
