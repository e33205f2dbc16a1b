#include "common/testing/window_test.h"
#include "tests/dds_files.h"
#include "ui/main_window.h"
#include "ui/picture_area.h"
#include "ui/progress_reporter.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace texpeek {
namespace {

using suite::testing::child;
using testing::ddsFile;
using testing::repeated;

class TexpeekWindow : public suite::testing::WindowTest {
protected:
    MainWindow window_{programDir(), dialogs_};

    QByteArray bytes(const std::string& file) const
    {
        return QByteArray(file.data(), static_cast<qsizetype>(file.size()));
    }

    // Puts the file in the program folder and opens it through the dialog.
    QString open(const QString& name, const std::string& file)
    {
        writeFile(name, bytes(file));
        dialogs_.paths.push_back(pathIn(name));
        window_.Abrir();
        return pathIn(name);
    }

    QString text(const char* label) const
    {
        return child<QLabel>(&window_, QString::fromLatin1(label))->text();
    }
    QAction* item(const char* name) const
    {
        return child<QAction>(&window_, QString::fromLatin1(name));
    }
    QListWidget* report() const { return child<QListWidget>(&window_, "List1"); }
    PictureArea* picture() const { return child<PictureArea>(&window_, "Pic"); }

    // The enabled state of close, zoom in, zoom out, colour and alpha, each
    // checked to agree between the menu item and its toolbar button.
    std::vector<bool> enabled() const
    {
        const std::pair<const char*, int> pairs[] = {{"menFechar", 2},   {"menZoomPlus", 4},
                                                     {"menZoomMinus", 5}, {"menRGB", 7},
                                                     {"menAlpha", 8}};
        std::vector<bool> states;
        for (const auto& [name, position] : pairs) {
            const bool on = item(name)->isEnabled();
            EXPECT_EQ(window_.toolbarButton(position)->isEnabled(), on) << name;
            states.push_back(on);
        }
        return states;
    }

    QColor pixelAt(int x, int y) const { return picture()->grab().toImage().pixelColor(x, y); }
};

using On = std::vector<bool>;

TEST_F(TexpeekWindow, StartsEmptyWithOnlyOpenAboutAndExit)
{
    EXPECT_EQ(window_.objectName(), "frmMain");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
    EXPECT_EQ(text("lblArquivo"), "Aguardando...");
    EXPECT_EQ(text("lblAltura"), "---");
    EXPECT_EQ(enabled(), (On{false, false, false, false, false}));
    EXPECT_TRUE(item("menAbrir")->isEnabled() && item("menSobre")->isEnabled());
    EXPECT_TRUE(item("menRGB")->isChecked());
    EXPECT_FALSE(item("menAlpha")->isChecked());
}

TEST_F(TexpeekWindow, ThePathIsShownInTheTitleAsItStands)
{
    window_.show();
    const QString path = open("odd [*] name.dds", ddsFile(2, 2, 32, repeated("\x01\x02\x03\x04", 4)));
    ASSERT_TRUE(dialogs_.messages().isEmpty());
    ASSERT_NE(window_.windowHandle(), nullptr);
    EXPECT_EQ(window_.windowHandle()->title(), "Texpeek Viewer - " + path);
}

TEST_F(TexpeekWindow, OpensAThirtyTwoBitFile)
{
    const QString path = open("a.dds", ddsFile(128, 64, 32, repeated("\x01\x02\x03\x04", 128 * 64)));
    ASSERT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(dialogs_.shown.first().filter, "DirectDraw Surface (DDS)|*.dds");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer - " + path);
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
    EXPECT_EQ(text("lblPercent"), "");
    EXPECT_EQ(text("lblAltura"), "64 pixels");
    EXPECT_EQ(text("lblLargura"), "128 pixels");
    EXPECT_EQ(text("lblFormato"), "32 bits");
    EXPECT_EQ(text("lblBits"), "A8R8G8B8");
    ASSERT_EQ(report()->count(), 43);
    EXPECT_EQ(report()->item(27)->text(), "BitCount - 32");
    EXPECT_EQ(enabled(), (On{true, true, true, true, true}));
    EXPECT_EQ(child<QProgressBar>(&window_, "pb")->value(), 0);
    EXPECT_EQ(pixelAt(1, 1), QColor(3, 2, 1));

    // A second open does not grow the title.
    dialogs_.paths.push_back(path);
    window_.Abrir();
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer - " + path);
}

TEST_F(TexpeekWindow, SixteenAndTwentyFourBitFilesLeaveTheAlphaViewOff)
{
    open("b.dds", ddsFile(2, 2, 24, repeated(std::string("\x00\x00\xFF", 3), 4)));
    EXPECT_EQ(text("lblBits"), "R8G8B8");
    EXPECT_EQ(text("lblFormato"), "24 bits");
    EXPECT_EQ(report()->item(27)->text(), "BitCount - 24");
    EXPECT_EQ(enabled(), (On{true, true, true, true, false}));
    EXPECT_EQ(pixelAt(2, 2), QColor(255, 0, 0));

    open("c.dds", ddsFile(2, 2, 16, repeated("\xE0\x07", 4)));
    EXPECT_EQ(text("lblBits"), "R5G6B5");
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
    EXPECT_EQ(enabled(), (On{true, true, true, true, false}));
    EXPECT_EQ(pixelAt(2, 2), QColor(0, 255, 0));
}

TEST_F(TexpeekWindow, FileSizeIsGroupedWithTheLocaleSeparator)
{
    const QLocale before;
    const std::string file = ddsFile(128, 128, 32, std::string(128 * 128 * 4, '\0'));
    ASSERT_EQ(file.size(), 65664u);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    open("d.dds", file);
    EXPECT_EQ(text("lblTamanho"), "65,664 bytes");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open("d.dds", file);
    EXPECT_EQ(text("lblTamanho"), "65.664 bytes");
    open("e.dds", ddsFile(1, 1, 32, "\x01\x02\x03\x04"));
    EXPECT_EQ(text("lblTamanho"), "132 bytes");
    QLocale::setDefault(before);
}

TEST_F(TexpeekWindow, ZoomStepsStopAtTheirLimits)
{
    open("z.dds", ddsFile(4, 4, 32, std::string(64, '\x40')));
    for (int expected : {11, 7, 3}) {
        window_.tb_ButtonClick(5);
        EXPECT_EQ(window_.cellSize(), expected);
        EXPECT_EQ(text("lblArquivo"), "Imagem reduzida");
        EXPECT_EQ(picture()->cellSize(), expected);
    }
    EXPECT_EQ(enabled(), (On{true, true, true, true, true}));
    window_.tb_ButtonClick(5);
    EXPECT_EQ(window_.cellSize(), 3);
    EXPECT_EQ(text("lblArquivo"), "Limite de zoom atingido");
    EXPECT_EQ(enabled(), (On{true, true, false, true, true}));

    window_.ZoomIn(4);
    EXPECT_EQ(window_.cellSize(), 7);
    EXPECT_EQ(enabled(), (On{true, true, true, true, true}));

    open("z.dds", ddsFile(4, 4, 32, std::string(64, '\x40')));
    EXPECT_EQ(window_.cellSize(), 15);
    for (int step = 0; step < 12; ++step)
        item("menZoomPlus")->trigger();
    EXPECT_EQ(window_.cellSize(), 63);
    EXPECT_EQ(text("lblArquivo"), "Imagem aumentada");
    item("menZoomPlus")->trigger();
    EXPECT_EQ(window_.cellSize(), 63);
    EXPECT_EQ(text("lblArquivo"), "Limite de zoom atingido");
    EXPECT_EQ(enabled(), (On{true, false, true, true, true}));

    // At 63 twips a cell is 4.2 screen pixels: cell 1 covers 4.2 to 8.4.
    EXPECT_EQ(pixelAt(3, 3), picture()->palette().color(QPalette::Window));
    EXPECT_EQ(pixelAt(5, 5), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(picture()->size(), QSize(21, 21));
}

TEST_F(TexpeekWindow, AlphaViewShowsAlphaAsGreyAndZoomReturnsToColour)
{
    open("g.dds", ddsFile(3, 3, 32, repeated(std::string("\x00\x00\xFF\x80", 4), 9)));
    item("menAlpha")->trigger();
    EXPECT_TRUE(item("menAlpha")->isChecked());
    EXPECT_FALSE(item("menRGB")->isChecked());
    EXPECT_EQ(text("lblArquivo"), "Canal alpha");
    EXPECT_EQ(pixelAt(2, 2), QColor(128, 128, 128));

    window_.tb_ButtonClick(4);
    EXPECT_EQ(pixelAt(2, 2), QColor(255, 0, 0));
    EXPECT_TRUE(item("menAlpha")->isChecked());

    window_.tb_ButtonClick(7);
    EXPECT_EQ(text("lblArquivo"), "Canais RGB");
    EXPECT_TRUE(item("menRGB")->isChecked());
}

TEST_F(TexpeekWindow, CloseClearsEverythingButKeepsOpenAvailable)
{
    open("f.dds", ddsFile(2, 2, 32, std::string(16, '\x7F')));
    item("menFechar")->trigger();
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
    EXPECT_EQ(text("lblArquivo"), "Aguardando...");
    EXPECT_EQ(text("lblBits"), "---");
    EXPECT_EQ(report()->count(), 0);
    EXPECT_TRUE(picture()->image().isNull());
    EXPECT_EQ(enabled(), (On{false, false, false, false, false}));
    EXPECT_TRUE(window_.toolbarButton(1)->isEnabled());
}

TEST_F(TexpeekWindow, CancellingTheDialogChangesNothing)
{
    const QString path = open("h.dds", ddsFile(2, 2, 32, std::string(16, '\x01')));
    window_.Abrir(); // no path queued: the user cancels
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer - " + path);
    EXPECT_EQ(report()->count(), 43);
    EXPECT_FALSE(picture()->image().isNull());
}

TEST_F(TexpeekWindow, AFailedOpenKeepsTheStateOfTheFailingStage)
{
    open("ok.dds", ddsFile(2, 2, 32, std::string(16, '\x01')));
    open("dxt.dds", ddsFile(2, 2, 0, std::string(8, '\x01')));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    const auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.text, "Erro ao abrir arquivo");
    EXPECT_EQ(shown.title, "Abrir");
    EXPECT_EQ(shown.icon, suite::MessageIcon::Critical);
    EXPECT_EQ(text("lblArquivo"), "Montando imagem...");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
    EXPECT_EQ(text("lblAltura"), "---");
    EXPECT_EQ(report()->count(), 0);
    EXPECT_TRUE(picture()->image().isNull()); // never the earlier file's picture
    EXPECT_EQ(enabled(), (On{false, false, false, false, false}));

    dialogs_.clear();
    dialogs_.paths.push_back(pathIn("missing.dds"));
    window_.Abrir();
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "Lendo arquivo...");
    EXPECT_EQ(text("lblPercent"), "0%");

    dialogs_.clear();
    open("huge.dds", ddsFile(65536, 32768, 32, ""));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    dialogs_.clear();
    open("negative.dds", ddsFile(-2, 2, 24, ""));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
}

TEST_F(TexpeekWindow, ZoomKeepsTheMiddleOfTheVisiblePartInPlace)
{
    window_.show();
    open("big.dds", ddsFile(1000, 1000, 24, ""));
    auto* bar = child<QScrollArea>(&window_, "PicScroll")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const double before = (bar->value() + bar->pageStep() / 2.0) / (bar->maximum() + bar->pageStep());
    window_.ZoomIn(4);
    window_.ZoomIn(4);
    const double after = (bar->value() + bar->pageStep() / 2.0) / (bar->maximum() + bar->pageStep());
    EXPECT_NEAR(after, before, 0.01);
    EXPECT_GT(bar->value(), bar->maximum() / 3);
}

TEST_F(TexpeekWindow, TallAndEmptyImagesOpen)
{
    open("tall.dds", ddsFile(1, 40000, 16, ""));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(text("lblAltura"), "40000 pixels");
    window_.ZoomIn(4);
    EXPECT_EQ(picture()->height(), 40001 * 19 / 15 + 1);

    open("empty.dds", ddsFile(0, 5, 32, ""));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
    EXPECT_EQ(report()->count(), 43);
}

TEST(ProgressReporter, PercentFollowsReadingStagesOnlyAndEndsEmpty)
{
    QWidget window;
    QLabel status(&window), format(&window), percent(&window);
    QProgressBar bar(&window);
    ProgressReporter progress(&window, &status, &format, &bar, &percent);
    progress.setTotal(1000);

    progress.stageStarted(Stage::Reading, "Adquirindo cores da imagem 24 bits...", "R8G8B8");
    EXPECT_EQ(status.text(), "Adquirindo cores da imagem 24 bits...");
    EXPECT_EQ(format.text(), "R8G8B8");
    progress.pixelsDone(333);
    EXPECT_EQ(percent.text(), "33%");
    progress.pixelsDone(667);
    EXPECT_EQ(percent.text(), "100%");
    EXPECT_EQ(bar.value(), 1000);
    progress.stageFinished(Stage::Reading);
    EXPECT_EQ(percent.text(), "");

    progress.stageStarted(Stage::Drawing, "Montando imagem...", {});
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(format.text(), "R8G8B8");
    progress.pixelsDone(1000);
    EXPECT_EQ(bar.value(), 1000);
    EXPECT_EQ(percent.text(), "");
}

TEST_F(TexpeekWindow, AboutBoxHasFourLines)
{
    window_.tb_ButtonClick(10);
    const auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.title, "Sobre");
    EXPECT_EQ(shown.icon, suite::MessageIcon::Question);
    EXPECT_EQ(shown.text.split("\r\n").size(), 4);
    EXPECT_TRUE(shown.text.startsWith("Texpeek Viewer\r\n"));
}

TEST_F(TexpeekWindow, AFileGivenAtStartOpensWithoutTheDialog)
{
    writeFile("given.dds", bytes(ddsFile(4, 2, 24, repeated("\x01\x02\x03", 8))));
    window_.openFile(pathIn("given.dds"));
    EXPECT_TRUE(dialogs_.shown.isEmpty());
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer - " + pathIn("given.dds"));
    EXPECT_EQ(text("lblLargura"), "4 pixels");
}

} // namespace
} // namespace texpeek
