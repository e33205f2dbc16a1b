#include "entwright/ui/frm_main.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"

#include <QAction>

namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::OrdinaryUser;

const QByteArray kTwoEntityMap =
    "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n";

class EntwrightFileSafetyTest : public suite::testing::WindowTest {
protected:
    frmMain window_{programDir(), dialogs_};

    std::filesystem::path file(const char* name) const { return suite::toPath(pathIn(name)); }
    void trigger(const char* action) { child<QAction>(&window_, action)->trigger(); }
    void open(const char* name)
    {
        dialogs_.paths.push_back(pathIn(name));
        trigger("menOpen");
    }
};

TEST_F(EntwrightFileSafetyTest, SaveAndSaveAsLeaveAReadOnlyFileAsItWas)
{
    OrdinaryUser::openToEveryone(file(""));
    suite::testing::putReadOnly(file("locked.ent"), kTwoEntityMap.toStdString());
    open("locked.ent");
    ASSERT_EQ(window_.currentFile(), pathIn("locked.ent"));

    OrdinaryUser user;
    trigger("menSave");
    auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(shown.text.contains("Permission denied")) << shown.text.toStdString();

    dialogs_.clear();
    dialogs_.paths.push_back(pathIn("locked.ent"));
    trigger("menSaveAs");
    shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(shown.text.contains("Permission denied")) << shown.text.toStdString();
    EXPECT_EQ(readFile("locked.ent"), kTwoEntityMap);
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

TEST_F(EntwrightFileSafetyTest, APipeOrAHugeFileIsNotOpenedAndTheWindowGoesOn)
{
    writeFile("map.ent", kTwoEntityMap);
    open("map.ent");
    suite::testing::makePipe(file("pipe.ent"));
    open("pipe.ent");
    suite::testing::makeSparse(file("huge.ent"), std::uintmax_t{1} << 31);
    open("huge.ent");
    EXPECT_EQ(window_.currentFile(), pathIn("map.ent"));
    EXPECT_EQ(window_.table().Entities.size(), 2u);
}

TEST_F(EntwrightFileSafetyTest, SavingClearsAwayWhatAKilledSaveLeft)
{
    writeFile("map.ent", kTwoEntityMap);
    const auto stale = suite::testing::leaveStaleTemporary(file("map.ent"));
    open("map.ent");
    trigger("menSave");
    EXPECT_EQ(dialogs_.lastMessage().text, "File saved sucessfully");
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

} // namespace
