#include "probegrid/tests/probegrid_window_test.h"
#include "probegrid/ui/frm_about.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace probegrid {
namespace {

using suite::testing::child;
using suite::testing::click;

class StartWindow : public testing::ProbegridWindowTest {
protected:
    void expectRefused(FrmStart* start)
    {
        ASSERT_EQ(dialogs_.messages().size(), 1);
        const auto message = dialogs_.lastMessage();
        EXPECT_EQ(message.icon, suite::MessageIcon::Information);
        EXPECT_EQ(message.title, "Campos incompletos");
        EXPECT_EQ(message.text, "Preencha todos os dados corretamente");
        EXPECT_TRUE(start->isVisible());
        EXPECT_EQ(shown<FrmMain>("frmMain"), nullptr);
        dialogs_.clear();
    }
};

TEST_F(StartWindow, OpensInItsDesignState)
{
    FrmStart* start = openStart();
    EXPECT_EQ(start->windowTitle(), "Tavrin Probegrid");
    EXPECT_EQ(start->size(), QSize(237, 256));
    EXPECT_EQ(child<QGroupBox>(start, "Frame1")->title(), "Jogadores");
    EXPECT_EQ(child<QGroupBox>(start, "Frame2")->title(), "Dificuldade");
    EXPECT_TRUE(child<QRadioButton>(start, "optOne")->isChecked());
    EXPECT_EQ(child<QRadioButton>(start, "optTwo")->text(), "2 Jogadores");
    EXPECT_FALSE(child<QWidget>(start, "Label2")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(start, "txtNome2")->isEnabled());
    EXPECT_EQ(text(start, "Label3"), "Items escondidos ( 1 à 12 ):");
    EXPECT_EQ(child<QLineEdit>(start, "txtItems")->text(), "4");
    EXPECT_EQ(child<QCheckBox>(start, "chkRandom")->text(), "Items randômicos");
    EXPECT_FALSE(child<QCheckBox>(start, "chkRandom")->isChecked());
    EXPECT_EQ(child<QPushButton>(start, "cmbComecar")->text(), "Começar");
    EXPECT_EQ(session_.playerCount, 0);
}

TEST_F(StartWindow, RefusesMissingNamesAndCountsOutsideOneToTwelve)
{
    FrmStart* start = openStart();
    auto* name1 = child<QLineEdit>(start, "txtNome1");
    auto* items = child<QLineEdit>(start, "txtItems");

    items->setText("4");
    click(child<QWidget>(start, "cmbComecar"));
    expectRefused(start); // no first name

    name1->setText("Ana");
    for (const char* typed : {"13", "0", "0.5", "dez", ""}) {
        items->setText(typed);
        click(child<QWidget>(start, "cmbComecar"));
        SCOPED_TRACE(typed);
        expectRefused(start);
    }

    click(child<QWidget>(start, "optTwo"));
    items->setText("4");
    click(child<QWidget>(start, "cmbComecar"));
    expectRefused(start); // two players, no second name
    EXPECT_TRUE(name1->text() == "Ana" && items->text() == "4") << "a refusal keeps the entries";
}

TEST_F(StartWindow, TheCountIsCheckedEvenWhenItWillBeDrawn)
{
    FrmStart* start = openStart();
    child<QLineEdit>(start, "txtNome1")->setText("Ana");
    child<QLineEdit>(start, "txtItems")->setText("20");
    click(child<QWidget>(start, "chkRandom"));
    EXPECT_FALSE(child<QLineEdit>(start, "txtItems")->isEnabled());
    EXPECT_FALSE(child<QWidget>(start, "Label3")->isEnabled());
    click(child<QWidget>(start, "cmbComecar"));
    expectRefused(start);

    child<QLineEdit>(start, "txtItems")->setText("4");
    random_.draws = {0.1, 0.45}; // 2 is drawn again, then 9
    const int restartsBefore = random_.restarts;
    click(child<QWidget>(start, "cmbComecar"));
    FrmMain* board = shown<FrmMain>("frmMain");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(session_.itemCount, 9);
    EXPECT_EQ(board->game().board().count(), 9);
    EXPECT_EQ(random_.restarts - restartsBefore, 2)
        << "started from the clock for the count and the board";
    EXPECT_FALSE(start->isVisible());
}

TEST_F(StartWindow, TypedCountsAreRoundedHalfToEven)
{
    struct Case {
        const char* typed;
        int items;
    };
    for (const Case& c : {Case{"12", 12}, Case{"1", 1}, Case{"1.5", 2}, Case{"2.5", 2}}) {
        FrmStart* start = openStart();
        FrmMain* board = startGame(start, "Ana", c.typed, {});
        ASSERT_NE(board, nullptr) << c.typed;
        EXPECT_EQ(session_.itemCount, c.items) << c.typed;
        EXPECT_EQ(board->game().board().count(), c.items) << c.typed;
        board->close();
    }
}

TEST_F(StartWindow, SecondNameCountsOnlyForTwoPlayers)
{
    FrmStart* start = openStart();
    auto* name2 = child<QLineEdit>(start, "txtNome2");
    click(child<QWidget>(start, "optTwo"));
    EXPECT_TRUE(name2->isEnabled());
    EXPECT_TRUE(child<QWidget>(start, "Label2")->isEnabled());
    EXPECT_EQ(session_.playerCount, 2);
    click(child<QWidget>(start, "optOne"));
    EXPECT_FALSE(name2->isEnabled());
    EXPECT_EQ(name2->palette().color(QPalette::Base), activeBorderColour());
    EXPECT_EQ(session_.playerCount, 1);

    FrmMain* board = startGame(start, "Ana", "3", {5, 6, 7});
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(board->game().twoPlayers());
    EXPECT_EQ(session_.playerName1, "Ana");
}

TEST_F(StartWindow, NamesAreTakenAsTyped)
{
    FrmStart* start = openStart();
    FrmMain* board = startGame(start, " Ana ", "1", {3}, "  ");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(session_.playerName1, " Ana ");
    EXPECT_EQ(session_.playerName2, "  ");
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do  Ana ");
}

TEST_F(StartWindow, AboutWindowOpensModalAndCloses)
{
    FrmStart* start = openStart();
    click(child<QWidget>(start, "cmbSobre"));
    auto* about = shown<FrmAbout>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Sobre Tavrin Probegrid");
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->size(), QSize(312, 232));
    EXPECT_EQ(child<QGroupBox>(about, "fraInfo")->title(), "Info");
    EXPECT_EQ(text(about, "lblInfo3"), "Linhas: 656");
    EXPECT_EQ(text(about, "lblInfo4"), "Para maiores informações sobre como jogar, acesse:");
    EXPECT_EQ(child<QLineEdit>(about, "txtSite")->text(), kRulesAddress);
    click(child<QWidget>(about, "cmbFechar"));
    EXPECT_EQ(shown<FrmAbout>("frmAbout"), nullptr);
    EXPECT_TRUE(start->isVisible());
}

TEST_F(StartWindow, SairEndsTheProgram)
{
    FrmStart* start = openStart();
    click(child<QWidget>(start, "cmbSair"));
    EXPECT_EQ(quits_, 1);
    EXPECT_TRUE(dialogs_.shown.isEmpty());
}

} // namespace
} // namespace probegrid
