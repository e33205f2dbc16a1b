#include "tailfetch/ui/main_window.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tailfetch {
namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;
using suite::testing::OrdinaryUser;

class TailfetchFileSafetyTest : public suite::testing::WindowTest {
protected:
    std::unique_ptr<MainWindow> window_;

    void start()
    {
        window_ = std::make_unique<MainWindow>(programDir(), dialogs_);
        window_->show();
    }
    std::filesystem::path file(const char* name) const { return suite::toPath(pathIn(name)); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(window_.get(), name); }
    void join(const char* source, const char* part)
    {
        box("txtArquivoFonte")->setText(pathIn(source));
        box("txtRestante")->setText(pathIn(part));
        click(child<QPushButton>(window_.get(), "cmbUnir"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window_->joining(); }, 10000));
    }
};

TEST_F(TailfetchFileSafetyTest, AJoinOntoAReadOnlyFileAndTheSettingsLeaveThemAsTheyWere)
{
    OrdinaryUser::openToEveryone(file(""));
    suite::testing::putReadOnly(file("source.bin"), std::string(100, 's'));
    suite::testing::putReadOnly(file("config.ini"), "http://example.org/kept\r\n");
    writeFile("rest.bin", "stail");
    start();

    OrdinaryUser user;
    join("source.bin", "rest.bin");
    const auto message = dialogs_.lastMessage();
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_TRUE(message.text.contains("Permission denied")) << message.text.toStdString();
    box("txtPath")->setText("http://example.org/new");
    window_->close();

    EXPECT_EQ(readFile("source.bin"), QByteArray(100, 's'));
    EXPECT_EQ(readFile("config.ini"), "http://example.org/kept\r\n");
    EXPECT_EQ(suite::testing::temporariesIn(file("")), 0);
}

TEST_F(TailfetchFileSafetyTest, ANewFileThatIsReadOnlyIsRefusedBeforeTheDownload)
{
    OrdinaryUser::openToEveryone(file(""));
    suite::testing::putReadOnly(file("out.bin"), "kept");
    start();
    box("txtPath")->setText("http://127.0.0.1:9/f");
    box("txtDestino")->setText(pathIn("out.bin"));

    OrdinaryUser user;
    dialogs_.answers.push_back(true); // yes, replace it
    click(child<QPushButton>(window_.get(), "cmbGo"));
    const QString text = dialogs_.lastMessage().text;
    EXPECT_TRUE(text.startsWith("Não é possível gravar em")) << text.toStdString();
    EXPECT_TRUE(text.contains("Permission denied")) << text.toStdString();
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(readFile("out.bin"), "kept");
}

TEST_F(TailfetchFileSafetyTest, PipesAreNeitherReadNorJoinedOnto)
{
    suite::testing::makePipe(file("config.ini"));
    suite::testing::makePipe(file("pipe.bin"));
    writeFile("rest.bin", "rtail");
    start();
    EXPECT_EQ(box("txtPath")->text(), "");
    join("pipe.bin", "rest.bin");
    EXPECT_EQ(dialogs_.lastMessage().text, "Arquivos inexistentes");
    window_->close();
    EXPECT_TRUE(std::filesystem::is_fifo(file("config.ini")));
}

TEST_F(TailfetchFileSafetyTest, SavingTheSettingsClearsAwayWhatAKilledSaveLeft)
{
    writeFile("config.ini", "http://example.org/a\r\n");
    const auto stale = suite::testing::leaveStaleTemporary(file("config.ini"));
    start();
    window_->close();
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(readFile("config.ini"), "http://example.org/a\r\n");
}

} // namespace
} // namespace tailfetch
