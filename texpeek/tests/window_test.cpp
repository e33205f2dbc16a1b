#include "common/testing/print_qstring.h"
#include "common/testing/window_test.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/window_fixture.h"
#include "texpeek/ui/main_window.h"
#include "texpeek/ui/picture_area.h"
#include "texpeek/ui/progress_reporter.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <ostream>

namespace texpeek {
namespace {

using suite::testing::child;
using testing::bc1Block;
using testing::ddsFile;
using testing::dx10Header;
using testing::fourCCHeader;
using testing::maskedHeader;
using testing::repeated;

class TexpeekWindow : public testing::WindowFixture {
protected:
    QByteArray bytes(const std::string& file) const
    {
        return QByteArray(file.data(), static_cast<qsizetype>(file.size()));
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
        const std::pair<const char*, int> pairs[] = {{"menFechar", 2},
                                                     {"menZoomPlus", 4},
                                                     {"menZoomMinus", 5},
                                                     {"menRGB", 7},
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
    const QString path =
        open("odd [*] name.dds", ddsFile(2, 2, 32, repeated("\x01\x02\x03\x04", 4)));
    ASSERT_TRUE(dialogs_.messages().isEmpty());
    ASSERT_NE(window_.windowHandle(), nullptr);
    EXPECT_EQ(window_.windowHandle()->title(), "Texpeek Viewer - " + path);
}

TEST_F(TexpeekWindow, OpensAThirtyTwoBitFile)
{
    const QString path =
        open("a.dds", ddsFile(128, 64, 32, repeated("\x01\x02\x03\x04", 128 * 64)));
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

TEST_F(TexpeekWindow, AFailedOpenKeepsTheStateOfTheFailingStageAndSaysWhy)
{
    open("ok.dds", ddsFile(2, 2, 32, std::string(16, '\x01')));
    open("dxt.dds", ddsFile(2, 2, 0, std::string(8, '\x01')));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    const auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.text, "Erro ao abrir arquivo");
    EXPECT_EQ(shown.title, "Abrir");
    EXPECT_EQ(shown.icon, suite::MessageIcon::Critical);
    EXPECT_EQ(text("lblArquivo"), "0 bits por pixel não suportados");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
    EXPECT_EQ(text("lblAltura"), "---");
    EXPECT_EQ(report()->count(), 0);
    EXPECT_TRUE(picture()->image().isNull()); // never the earlier file's picture
    EXPECT_EQ(enabled(), (On{false, false, false, false, false}));

    dialogs_.clear();
    dialogs_.paths.push_back(pathIn("missing.dds"));
    window_.Abrir();
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_TRUE(text("lblArquivo").startsWith("Não foi possível ler o arquivo ("))
        << text("lblArquivo").toStdString();
    EXPECT_EQ(text("lblPercent"), "0%");

    dialogs_.clear();
    open("huge.dds", ddsFile(65536, 32768, 32, ""));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "Imagem grande demais: 65536 x 32768 pixels");
    dialogs_.clear();
    open("negative.dds", ddsFile(-2, 2, 24, ""));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "Tamanho inválido: -2 x 2");
    dialogs_.clear();
    open("atc.dds", fourCCHeader(4, 4, "ATC ") + std::string(8, '\0'));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "FourCC \"ATC \" não suportado");
}

TEST_F(TexpeekWindow, ZoomKeepsTheMiddleOfTheVisiblePartInPlace)
{
    window_.show();
    open("big.dds", ddsFile(1000, 1000, 24, std::string(3000000, '\0')));
    auto* bar = child<QScrollArea>(&window_, "PicScroll")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const double before =
        (bar->value() + bar->pageStep() / 2.0) / (bar->maximum() + bar->pageStep());
    window_.ZoomIn(4);
    window_.ZoomIn(4);
    const double after =
        (bar->value() + bar->pageStep() / 2.0) / (bar->maximum() + bar->pageStep());
    EXPECT_NEAR(after, before, 0.01);
    EXPECT_GT(bar->value(), bar->maximum() / 3);
}

TEST_F(TexpeekWindow, TallAndEmptyImagesOpen)
{
    open("tall.dds", ddsFile(1, 40000, 16, std::string(80000, '\0')));
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

namespace texpeek {
namespace {

using suite::testing::child;
using testing::bc1Block;
using testing::fourCCHeader;
using testing::maskedHeader;

class TexpeekSurfaces : public testing::WindowFixture {
protected:
    QAction* item(const char* name) const
    {
        return child<QAction>(&window_, QString::fromLatin1(name));
    }
    QComboBox* box(const char* name) const
    {
        return child<QComboBox>(&window_, QString::fromLatin1(name));
    }
    PictureArea* picture() const { return child<PictureArea>(&window_, "Pic"); }
    QColor shown(int x, int y) const { return window_.viewImage().pixelColor(x, y); }
};

// A BC1 cube map of 8 x 8 faces with two levels: face k is one solid
// colour, its second level another.
std::string cubeMap()
{
    const std::uint16_t faces[6] = {0xF800, 0x07E0, 0x001F, 0xFFE0, 0xF81F, 0x07FF};
    std::string bytes = fourCCHeader(8, 8, "DXT1", 2, 0x200 | 0xFC00);
    for (std::uint16_t colour : faces) {
        for (int block = 0; block < 4; ++block)
            bytes += bc1Block(colour, colour, 0);
        bytes += bc1Block(0xFFFF, 0xFFFF, 0);
    }
    return bytes;
}

TEST_F(TexpeekSurfaces, LevelAndFaceChoicesShowThatSurfaceWithTheCurrentViewAndZoom)
{
    open("cube.dds", cubeMap());
    ASSERT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(text("lblBits"), "BC1 (DXT1)");
    EXPECT_EQ(box("cboNivel")->count(), 2);
    EXPECT_EQ(box("cboNivel")->itemText(1), "1: 4 x 4");
    ASSERT_EQ(box("cboFace")->count(), 6);
    EXPECT_EQ(box("cboFace")->itemText(5), "-Z");
    EXPECT_EQ(text("lblFace"), "Face:");
    EXPECT_EQ(shown(0, 0), QColor(255, 0, 0)); // the first face first

    window_.ZoomIn(4);
    emit box("cboFace")->activated(2);
    EXPECT_EQ(shown(7, 7), QColor(0, 0, 255));
    EXPECT_EQ(box("cboFace")->currentIndex(), 2);
    EXPECT_EQ(picture()->cellSize(), 19);
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");

    emit box("cboNivel")->activated(1);
    EXPECT_EQ(window_.viewImage().size(), QSize(4, 4));
    EXPECT_EQ(shown(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(box("cboFace")->currentIndex(), 2); // the face stays

    // The alpha view stays the view on show across a surface choice.
    item("menAlpha")->trigger();
    window_.showSurface(0, 4);
    EXPECT_EQ(shown(1, 1), QColor(255, 255, 255)); // BC1 opaque: alpha 255
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");

    // A new open starts again at the first level and face.
    open("cube.dds", cubeMap());
    EXPECT_EQ(box("cboFace")->currentIndex(), 0);
    EXPECT_EQ(shown(0, 0), QColor(255, 0, 0));
}

TEST_F(TexpeekSurfaces, ArraysAndVolumesNameTheirChoicesAndSingleImagesOfferNone)
{
    open("array.dds", dx10Header(2, 2, 61, 3) + std::string(12, '\x20'));
    EXPECT_EQ(text("lblFace"), "Camada:");
    EXPECT_EQ(box("cboFace")->count(), 3);
    EXPECT_TRUE(box("cboFace")->isEnabled());
    EXPECT_FALSE(box("cboNivel")->isEnabled());
    // The report goes on after its 43 lines with the extended header.
    auto* list = child<QListWidget>(&window_, "List1");
    ASSERT_EQ(list->count(), 51);
    EXPECT_EQ(list->item(46)->text(), "DXGI Format - 61");
    EXPECT_EQ(text("lblBits"), "R8_UNORM");

    open("plain.dds", ddsFile(2, 2, 24, std::string(12, '\x01')));
    EXPECT_FALSE(box("cboFace")->isEnabled());
    EXPECT_FALSE(box("cboNivel")->isEnabled());
}

TEST_F(TexpeekSurfaces, ChannelViewsShowOneChannelAsGreyAndAlphaFollowsTheFormat)
{
    open("c.dds", ddsFile(2, 2, 32, repeated("\x10\x20\x30\x40", 4)));
    item("menRed")->trigger();
    EXPECT_EQ(shown(1, 1), QColor(0x30, 0x30, 0x30));
    EXPECT_EQ(text("lblArquivo"), "Canal vermelho");
    EXPECT_TRUE(item("menRed")->isChecked());
    EXPECT_FALSE(item("menRGB")->isChecked());
    item("menGreen")->trigger();
    EXPECT_EQ(shown(1, 1), QColor(0x20, 0x20, 0x20));
    item("menBlue")->trigger();
    EXPECT_EQ(shown(1, 1), QColor(0x10, 0x10, 0x10));
    EXPECT_FALSE(item("menRed")->isChecked());
    item("menRGB")->trigger();
    EXPECT_EQ(shown(1, 1), QColor(0x30, 0x20, 0x10));

    // A1R5G5B5 has alpha, so its alpha view is on; X1R5G5B5 has none.
    open("a1.dds",
         maskedHeader(1, 1, 16, 0x41, 0x7C00, 0x03E0, 0x001F, 0x8000) + std::string("\x00\x80", 2));
    EXPECT_TRUE(item("menAlpha")->isEnabled());
    item("menAlpha")->trigger();
    EXPECT_EQ(shown(0, 0), QColor(255, 255, 255));
    open("x1.dds",
         maskedHeader(1, 1, 16, 0x40, 0x7C00, 0x03E0, 0x001F, 0) + std::string("\x00\x80", 2));
    EXPECT_FALSE(item("menAlpha")->isEnabled());
    EXPECT_TRUE(item("menRed")->isEnabled());

    item("menFechar")->trigger();
    EXPECT_FALSE(item("menRed")->isEnabled());
    EXPECT_FALSE(item("menSalvarImagem")->isEnabled());
}

TEST_F(TexpeekSurfaces, TheViewOnShowIsSavedAsPngAndCopied)
{
    open("p.dds", ddsFile(3, 2, 32, repeated("\x10\x20\x30\x80", 6)));
    dialogs_.paths.push_back(pathIn("out.png"));
    item("menSalvarImagem")->trigger();
    EXPECT_EQ(dialogs_.shown.last().filter, "Imagem PNG (*.png)|*.png");
    QImage saved(pathIn("out.png"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(3, 2));
    EXPECT_EQ(saved.pixelColor(2, 1), QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(text("lblArquivo"), "Imagem salva");

    item("menAlpha")->trigger();
    dialogs_.paths.push_back(pathIn("alpha.png"));
    window_.saveImage();
    EXPECT_EQ(QImage(pathIn("alpha.png")).pixelColor(0, 0), QColor(0x80, 0x80, 0x80));

    // A folder in the way is refused with a message; nothing is written.
    QDir(programDir()).mkdir(QStringLiteral("taken.png"));
    dialogs_.paths.push_back(pathIn("taken.png"));
    window_.saveImage();
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao salvar imagem");

    item("menCopiar")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
}

TEST_F(TexpeekSurfaces, EscapeCancelsAnOpenWhichEndsLikeAFailedOne)
{
    QObject::connect(&window_, &MainWindow::decodingStarted, &window_,
                     [this] { QTest::keyClick(&window_, Qt::Key_Escape); });
    open("big.dds", ddsFile(512, 512, 32, std::string(512 * 512 * 4, '\x55')));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "Abertura cancelada");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
    EXPECT_EQ(child<QListWidget>(&window_, "List1")->count(), 0);
    EXPECT_TRUE(picture()->image().isNull());
    EXPECT_FALSE(item("menFechar")->isEnabled());

    // The next open is not cancelled by the last one's Esc.
    QObject::disconnect(&window_, &MainWindow::decodingStarted, nullptr, nullptr);
    dialogs_.clear();
    open("big.dds", ddsFile(2, 2, 32, std::string(16, '\x55')));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
}

TEST_F(TexpeekSurfaces, AFileFromTheCommandLineADropOrTheRecentListOpensAsFromTheDialog)
{
    const std::string file = ddsFile(2, 2, 24, std::string(12, '\x7F'));
    writeFile("cli.dds", QByteArray(file.data(), static_cast<qsizetype>(file.size())));
    writeFile("dropped.dds", QByteArray(file.data(), static_cast<qsizetype>(file.size())));

    window_.openFile(pathIn("cli.dds"));
    EXPECT_TRUE(dialogs_.shown.isEmpty());
    EXPECT_EQ(window_.windowTitle(),
              "Texpeek Viewer - " + QDir::toNativeSeparators(pathIn("cli.dds")));
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pathIn("dropped.dds"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window_, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window_, &drop);
    EXPECT_EQ(window_.windowTitle(),
              "Texpeek Viewer - " + QDir::toNativeSeparators(pathIn("dropped.dds")));

    // The last file opened comes first in the list, which outlives the window.
    auto* recent = child<QMenu>(&window_, "menRecentes");
    ASSERT_EQ(recent->actions().size(), 2);
    MainWindow again(programDir(), dialogs_);
    QAction* first = again.findChild<QAction*>("menRecente1");
    ASSERT_NE(first, nullptr);
    first->trigger();
    EXPECT_EQ(again.windowTitle(),
              "Texpeek Viewer - " + QDir::toNativeSeparators(pathIn("dropped.dds")));
}

TEST_F(TexpeekSurfaces, PixelUnderTheMouseCtrlWheelZoomAndFitToWindow)
{
    window_.resize(800, 600);
    window_.show();
    open("m.dds", ddsFile(4, 4, 32, repeated("\x10\x20\x30\x40", 16)));
    // At one screen pixel a cell, image pixel (2, 1) starts at (3, 2).
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 2), QPointF(3, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_EQ(text("lblPixel"), "x 2, y 1    R 48  G 32  B 16  A 64");
    QMouseEvent away(QEvent::MouseMove, QPointF(0, 0), QPointF(0, 0), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &away);
    EXPECT_EQ(text("lblPixel"), "");

    QWidget* viewport = child<QScrollArea>(&window_, "PicScroll")->viewport();
    QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(window_.cellSize(), 19);
    QWheelEvent back(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &back);
    EXPECT_EQ(window_.cellSize(), 15);

    item("menAjustar")->trigger();
    EXPECT_TRUE(picture()->fitsToWindow());
    EXPECT_EQ(picture()->size(), viewport->size());
    // The 4 x 4 image fills the shorter side: its last pixel is at the far edge.
    const int side = std::min(viewport->width(), viewport->height());
    EXPECT_EQ(picture()->imagePixelAt(QPoint(side - 1, side - 1)), QPoint(3, 3));
    EXPECT_EQ(picture()->imagePixelAt(QPoint(side / 4 + 1, 0)), QPoint(1, 0));
    // A zoom step leaves the fitted view.
    window_.ZoomIn(4);
    EXPECT_FALSE(picture()->fitsToWindow());
    EXPECT_FALSE(item("menAjustar")->isChecked());
}

} // namespace
} // namespace texpeek
