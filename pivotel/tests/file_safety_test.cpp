#include "pivotel/ui/form1.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pivotel {
namespace {

using suite::testing::child;
using suite::testing::click;
using suite::testing::OrdinaryUser;

QByteArray spriteOfType(char type)
{
    QByteArray bytes("IDSP\x02\x00\x00\x00", 8);
    bytes += type;
    bytes += QByteArray(23, 'x');
    return bytes;
}

class PivotelFileSafetyTest : public suite::testing::WindowTest {
protected:
    Form1 form_{dialogs_};

    std::filesystem::path file(const char* name) const { return suite::toPath(pathIn(name)); }
    void read(const char* name)
    {
        dialogs_.paths.push_back(pathIn(name));
        click(child<QPushButton>(&form_, "cmbPath"));
        click(child<QPushButton>(&form_, "cmbGet"));
    }
    QString lastText() const { return dialogs_.lastMessage().text; }
};

TEST_F(PivotelFileSafetyTest, SaveAndSaveAsLeaveAReadOnlySpriteAsItWas)
{
    OrdinaryUser::openToEveryone(file(""));
    writeFile("a.spr", spriteOfType(0));
    suite::testing::putReadOnly(file("locked.spr"), spriteOfType(1).toStdString());
    read("locked.spr");
    click(child<QRadioButton>(&form_, "Option4"));

    OrdinaryUser user;
    click(child<QPushButton>(&form_, "cmbSave"));
    EXPECT_TRUE(lastText().startsWith("Could not save")) << lastText().toStdString();
    EXPECT_TRUE(lastText().endsWith("Permission denied")) << lastText().toStdString();
    EXPECT_EQ(readFile("locked.spr"), spriteOfType(1));

    dialogs_.paths.push_back(pathIn("locked.spr"));
    click(child<QPushButton>(&form_, "cmbSaveAs"));
    EXPECT_TRUE(lastText().startsWith("Could not save")) << lastText().toStdString();
    EXPECT_EQ(readFile("locked.spr"), spriteOfType(1));
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

TEST_F(PivotelFileSafetyTest, APipeOrAHugeFileIsRefusedWithoutFreezingTheWindow)
{
    suite::testing::makePipe(file("pipe.spr"));
    read("pipe.spr");
    EXPECT_TRUE(lastText().startsWith("Invalid sprite file\n\nNothing was read"))
        << lastText().toStdString();

    suite::testing::makeSparse(file("huge.spr"), std::uintmax_t{1} << 31);
    read("huge.spr");
    EXPECT_TRUE(lastText().contains("too large")) << lastText().toStdString();
}

TEST_F(PivotelFileSafetyTest, SavingClearsAwayWhatAKilledSaveLeft)
{
    writeFile("a.spr", spriteOfType(0));
    const auto stale = suite::testing::leaveStaleTemporary(file("a.spr"));
    read("a.spr");
    click(child<QRadioButton>(&form_, "Option2"));
    click(child<QPushButton>(&form_, "cmbSave"));
    EXPECT_EQ(lastText(), "File Saved");
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

} // namespace
} // namespace pivotel
