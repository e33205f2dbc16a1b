#include "ui/main_window.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"

namespace texpeek {
namespace {

class TexpeekFileSafetyTest : public suite::testing::WindowTest {
protected:
    MainWindow window_{programDir(), dialogs_};

    void open(const char* name)
    {
        dialogs_.paths.push_back(pathIn(name));
        window_.Abrir();
    }
};

TEST_F(TexpeekFileSafetyTest, APipeIsRefusedWithoutFreezingTheWindow)
{
    suite::testing::makePipe(suite::toPath(pathIn("pipe.dds")));
    open("pipe.dds");
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
}

} // namespace
} // namespace texpeek
