#include "tests/probegrid_window_test.h"

#include "core/records.h"

#include "common/testing/file_safety.h"
#include "common/ui/text.h"

// The record file as it is written today: read whole and replaced through a
// temporary.
namespace probegrid {
namespace {

using suite::MessageIcon;
using suite::testing::OrdinaryUser;

const std::string kAna = encodeRecord({storedName("Ana"), 12, 300, 6});

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
        ASSERT_EQ(messages.size(), 3);
        EXPECT_EQ(messages[1].title, "Novo Recorde");
        EXPECT_EQ(messages[2].icon, MessageIcon::Critical);
    }
};

TEST_F(ProbegridFileSafetyTest, AReadOnlyRecordFileIsReportedNotReplaced)
{
    OrdinaryUser::openToEveryone(file(""));
    suite::testing::putReadOnly(file(kRecordFileName), kAna);
    OrdinaryUser user;
    winARecord();
    expectRecordNotWritten();
    EXPECT_EQ(readFile(kRecordFileName).toStdString(), kAna);
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

TEST_F(ProbegridFileSafetyTest, APipeOrAHugeRecordFileIsNeitherReadNorReplaced)
{
    suite::testing::makePipe(file(kRecordFileName));
    winARecord();
    expectRecordNotWritten();
    EXPECT_TRUE(std::filesystem::is_fifo(file(kRecordFileName)));

    std::filesystem::remove(file(kRecordFileName));
    dialogs_.clear();
    suite::testing::makeSparse(file(kRecordFileName), std::uintmax_t{1} << 31);
    FrmMain* board = openBoard("Ana", {1});
    suite::testing::click(suite::testing::child<QWidget>(board, "cmbRec"));
    EXPECT_EQ(dialogs_.lastMessage().text, "Não há nenhum registro por enquanto");
    dialogs_.clear();
    clickCell(board, 1);
    expectRecordNotWritten();
    EXPECT_EQ(std::filesystem::file_size(file(kRecordFileName)), std::uintmax_t{1} << 31);
}

TEST_F(ProbegridFileSafetyTest, ANewRecordClearsAwayWhatAKilledSaveLeft)
{
    writeFile(kRecordFileName, QByteArray::fromStdString(kAna));
    const auto stale = suite::testing::leaveStaleTemporary(file(kRecordFileName));
    winARecord();
    ASSERT_EQ(dialogs_.messages().size(), 2);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(decodeRecord(readFile(kRecordFileName).toStdString())->name, storedName("Bia"));
}

} // namespace
} // namespace probegrid
