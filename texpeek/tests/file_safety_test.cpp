#include "texpeek/ui/main_window.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"
#include "texpeek/tests/dds_files.h"

#include <QImage>
#include <QLabel>

namespace texpeek {
namespace {

using suite::testing::child;
using suite::testing::OrdinaryUser;

class TexpeekFileSafetyTest : public suite::testing::WindowTest {
protected:
    MainWindow window_{programDir(), dialogs_};

    std::filesystem::path file(const char* name) const { return suite::toPath(pathIn(name)); }
    void open(const char* name)
    {
        dialogs_.paths.push_back(pathIn(name));
        window_.Abrir();
    }
    // A 2 x 1 picture, opened, so that there is a view to save.
    void openPicture()
    {
        const std::string dds =
            testing::ddsFile(2, 1, 32, testing::repeated("\x10\x20\x30\x80", 2));
        writeFile("p.dds", QByteArray(dds.data(), static_cast<qsizetype>(dds.size())));
        open("p.dds");
        ASSERT_TRUE(dialogs_.messages().isEmpty());
    }
    void saveAs(const char* name)
    {
        dialogs_.paths.push_back(pathIn(name));
        window_.saveImage();
    }
    QString status() const { return child<QLabel>(&window_, "lblArquivo")->text(); }
};

TEST_F(TexpeekFileSafetyTest, APipeIsRefusedWithoutFreezingTheWindow)
{
    suite::testing::makePipe(suite::toPath(pathIn("pipe.dds")));
    open("pipe.dds");
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
}

TEST_F(TexpeekFileSafetyTest, SavingOverAReadOnlyPictureLeavesItAsItWas)
{
    OrdinaryUser::openToEveryone(file(""));
    openPicture();
    suite::testing::putReadOnly(file("locked.png"), "someone else's picture");

    OrdinaryUser user;
    saveAs("locked.png");
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao salvar imagem");
    EXPECT_TRUE(status().endsWith("Permission denied)")) << status().toStdString();
    EXPECT_EQ(readFile("locked.png"), QByteArray("someone else's picture"));
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);

    // The refusal is the file's, not the folder's: a new name still saves.
    saveAs("free.png");
    EXPECT_EQ(status(), "Imagem salva");
    EXPECT_EQ(QImage(pathIn("free.png")).pixelColor(1, 0), QColor(0x30, 0x20, 0x10));
}

TEST_F(TexpeekFileSafetyTest, SavingClearsAwayWhatAKilledSaveLeft)
{
    openPicture();
    writeFile("out.png", QByteArray("an older picture"));
    const auto stale = suite::testing::leaveStaleTemporary(file("out.png"));
    saveAs("out.png");
    EXPECT_EQ(status(), "Imagem salva");
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
    EXPECT_EQ(QImage(pathIn("out.png")).size(), QSize(2, 1));
}

} // namespace
} // namespace texpeek
