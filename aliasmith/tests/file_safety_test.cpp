#include "aliasmith/ui/main_window.h"

#include "common/testing/file_safety.h"
#include "common/testing/window_test.h"
#include "common/ui/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace aliasmith {
namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;
using suite::testing::OrdinaryUser;

const QByteArray kProfile = "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n";

class AliasmithFileSafetyTest : public suite::testing::WindowTest {
protected:
    std::unique_ptr<MainWindow> window_;

    void SetUp() override
    {
        for (const char* folder : {"profiles", "Hamachi"})
            ASSERT_TRUE(QDir(programDir()).mkpath(QString::fromLatin1(folder)));
        for (const char* folder : {"", "profiles", "Hamachi"})
            OrdinaryUser::openToEveryone(file(folder));
    }

    std::filesystem::path file(const char* name) const { return suite::toPath(pathIn(name)); }
    template <typename T>
    T* w(const char* name) const
    {
        return child<T>(window_.get(), QString::fromLatin1(name));
    }
    void start()
    {
        window_ = std::make_unique<MainWindow>(programDir(), dialogs_);
        window_->show();
    }
    void selectProfile(const char* name)
    {
        auto* box = w<QComboBox>("cboProfile");
        box->setCurrentIndex(box->findText(QString::fromLatin1(name)));
    }
};

TEST_F(AliasmithFileSafetyTest, ReadOnlyProfilesAliasFilesAndSettingsAreNotReplaced)
{
    suite::testing::putReadOnly(file("profiles/home.aprof"), kProfile.toStdString());
    suite::testing::putReadOnly(file("Hamachi/aliases.txt"), "kept\r\n");
    suite::testing::putReadOnly(file("am.ini"), "\r\nEnglish\r\n");
    start();
    selectProfile("home");
    w<QLineEdit>("txtPath")->setText(pathIn("Hamachi"));

    OrdinaryUser user;
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.7"));
    click(w<QPushButton>("cmbSave"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Profile not saved"));
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("5.0.0.7"));

    // "Use profile" writes the saved profile, so the unsaved address goes.
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9"));
    dialogs_.clear();
    click(w<QPushButton>("cmbUse"));
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);

    dialogs_.clear();
    window_->close();
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);

    EXPECT_EQ(readFile("profiles/home.aprof"), kProfile);
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), "kept\r\n");
    EXPECT_EQ(readFile("am.ini"), "\r\nEnglish\r\n");
    for (const char* folder : {"", "profiles", "Hamachi"})
        EXPECT_EQ(suite::testing::temporariesIn(file(folder)), 0) << folder;
}

TEST_F(AliasmithFileSafetyTest, PipesAndHugeFilesAreNotReadAndTheWindowGoesOn)
{
    suite::testing::makePipe(file("am.ini"));
    suite::testing::makePipe(file("profiles/pipe.aprof"));
    suite::testing::makeSparse(file("profiles/huge.aprof"), std::uintmax_t{1} << 31);
    start();
    EXPECT_TRUE(w<QLineEdit>("txtPath")->text().isEmpty());
    EXPECT_EQ(w<QComboBox>("cboProfile")->findText(QStringLiteral("pipe")), -1);
    selectProfile("huge");
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Profile not loaded"));
    window_->close();
    EXPECT_TRUE(std::filesystem::is_fifo(file("am.ini")));
}

TEST_F(AliasmithFileSafetyTest, SavingClearsAwayWhatAKilledSaveLeft)
{
    writeFile("profiles/home.aprof", kProfile);
    const std::filesystem::path stale[] = {
        suite::testing::leaveStaleTemporary(file("profiles/home.aprof")),
        suite::testing::leaveStaleTemporary(file("Hamachi/aliases.txt")),
        suite::testing::leaveStaleTemporary(file("am.ini"))};
    start();
    selectProfile("home");
    w<QLineEdit>("txtPath")->setText(pathIn("Hamachi"));
    click(w<QPushButton>("cmbSave"));
    click(w<QPushButton>("cmbUse"));
    window_->close();
    for (const auto& path : stale)
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), "1.1.1.1 5.0.0.1\r\n");
}

} // namespace
} // namespace aliasmith
