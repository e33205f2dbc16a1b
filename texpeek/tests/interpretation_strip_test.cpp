#include "common/testing/window_test.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/window_fixture.h"
#include "texpeek/ui/compare_window.h"
#include "texpeek/ui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QToolButton>

namespace texpeek {
namespace {

using suite::testing::child;
using testing::ddsFile;
using testing::dx10Header;
using testing::maskedHeader;
using testing::normalMapBc5;

class TexpeekReading : public testing::WindowFixture {
protected:
    // Opens the file, which must open.
    void open(const QString& name, const std::string& file)
    {
        WindowFixture::open(name, file);
        ASSERT_TRUE(status().startsWith("Imagem aberta")) << status().toStdString();
    }
    QString status() const { return child<QLabel>(&window_, "lblArquivo")->text(); }
    QToolButton* button(const char* name) const
    {
        return child<QToolButton>(&window_, QString::fromLatin1(name));
    }
    // The buttons the strip shows for this file, by their texts.
    QStringList shownButtons() const
    {
        QStringList texts;
        for (const char* name :
             {"cmdColourSpace", "cmdAlpha", "cmdSigned", "cmdNormalZ", "cmdMaskOrder", "cmdCurve"})
            if (!button(name)->isHidden())
                texts << button(name)->text();
        return texts;
    }
    QColor shown() const { return window_.viewImage().pixelColor(0, 0); }
};

// One pixel whose 10-bit red field is full and blue empty, with the masks a
// writer meant for A2B10G10R10.
std::string tenTenTenTwo()
{
    return maskedHeader(1, 1, 32, 0x41, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000) +
           std::string("\xFF\x03\x00\xC0", 4);
}

TEST_F(TexpeekReading, TheSwappedMaskOrderIsAGuessOneClickUndoesAndSaveAndCopyFollow)
{
    open("m.dds", tenTenTenTwo());
    EXPECT_EQ(shownButtons(), (QStringList{"Cores: sRGB (suposição)", "Alfa: direto (suposição)",
                                           "10:10:10:2: vermelho e azul trocados (suposição)"}));
    EXPECT_EQ(shown(), QColor(0, 0, 255));

    button("cmdMaskOrder")->click();
    EXPECT_EQ(button("cmdMaskOrder")->text(), "10:10:10:2: como gravado");
    EXPECT_EQ(window_.interpretation().maskOrder.value, MaskOrder::AsWritten);
    EXPECT_EQ(shown(), QColor(255, 0, 0));

    dialogs_.paths.push_back(pathIn("out.png"));
    window_.saveImage();
    EXPECT_EQ(QImage(pathIn("out.png")).pixelColor(0, 0), QColor(255, 0, 0));
    window_.copyImage();
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixelColor(0, 0), QColor(255, 0, 0));

    // The next open starts from the file's own reading again.
    open("again.dds", tenTenTenTwo());
    EXPECT_EQ(shown(), QColor(0, 0, 255));
    window_.Fechar();
    EXPECT_TRUE(shownButtons().isEmpty());
}

TEST_F(TexpeekReading, AlphaCyclesThroughStraightPremultipliedAndData)
{
    open("a.dds", ddsFile(1, 1, 32, std::string("\x10\x20\x30\x40", 4)));
    EXPECT_EQ(shown(), QColor(0x30, 0x20, 0x10));
    button("cmdAlpha")->click();
    EXPECT_EQ(button("cmdAlpha")->text(), "Alfa: pré-multiplicado");
    // Divided back by alpha 0x40: three times brighter and a quarter.
    EXPECT_NEAR(shown().red(), 191, 1);
    EXPECT_NEAR(shown().blue(), 64, 1);
    button("cmdAlpha")->click();
    EXPECT_EQ(button("cmdAlpha")->text(), "Alfa: dados (ignorado nas cores)");
    EXPECT_EQ(shown(), QColor(0x30, 0x20, 0x10));
    button("cmdAlpha")->click();
    EXPECT_EQ(button("cmdAlpha")->text(), "Alfa: direto");
}

TEST_F(TexpeekReading, FloatDataHasAnExposureAndACurveButNoGuesses)
{
    // Half floats: red, green and blue 0.5, alpha 1.
    open("f.dds", dx10Header(1, 1, 10) + std::string("\x00\x38\x00\x38\x00\x38\x00\x3C", 8));
    EXPECT_EQ(shownButtons(),
              (QStringList{"Cores: lineares", "Alfa: direto (suposição)", "Acima de 1: cortado"}));
    auto* exposure = child<QDoubleSpinBox>(&window_, "spnExposure");
    EXPECT_FALSE(exposure->isHidden());
    EXPECT_EQ(exposure->value(), 0.0);
    EXPECT_EQ(shown().red(), 188); // 0.5 encoded for the screen

    exposure->setValue(1.0);
    EXPECT_EQ(shown().red(), 255);
    button("cmdCurve")->click();
    EXPECT_EQ(button("cmdCurve")->text(), "Acima de 1: curva de tons");
    EXPECT_EQ(shown().red(), 188); // 1 / (1 + 1)
    EXPECT_EQ(window_.interpretation().exposureEv.value, 1.0);

    // An 8-bit file has no exposure to set.
    open("plain.dds", ddsFile(1, 1, 24, std::string("\x10\x20\x30", 3)));
    EXPECT_TRUE(exposure->isHidden());
}

TEST_F(TexpeekReading, ANormalMapRebuildsZByGuessAndCanLeaveBlueEmpty)
{
    open("n.dds", normalMapBc5(64));
    EXPECT_EQ(button("cmdNormalZ")->text(), "Normais: Z reconstruído (suposição)");
    // The flat corner points straight out: x and y at the middle, z full.
    const QColor flat = shown();
    EXPECT_NEAR(flat.red(), 128, 1);
    EXPECT_NEAR(flat.green(), 128, 1);
    EXPECT_EQ(flat.blue(), 255);
    button("cmdNormalZ")->click();
    EXPECT_EQ(button("cmdNormalZ")->text(), "Normais: azul vazio");
    EXPECT_EQ(shown().blue(), 0);
    EXPECT_EQ(shown().red(), flat.red());
}

TEST_F(TexpeekReading, AShortFileSaysHowMuchIsMissing)
{
    open("whole.dds", ddsFile(4, 4, 32, std::string(64, '\x7F')));
    EXPECT_EQ(status(), "Imagem aberta");
    open("short.dds", ddsFile(4, 4, 32, std::string(32, '\x7F')));
    EXPECT_TRUE(status().startsWith("Imagem aberta - Faltam 32 de 64 bytes"))
        << status().toStdString();
}

// Two 2 x 2 pictures that differ by 10 in the green of one pixel.
TEST_F(TexpeekReading, TwoFilesCompareSideBySideOneOverTheOtherAndAsTheirDifference)
{
    const std::string pixel("\x10\x20\x30\xFF", 4);
    open("a.dds", ddsFile(2, 2, 32, pixel + pixel + pixel + pixel));
    const std::string off("\x10\x2A\x30\xFF", 4);
    writeFile("b.dds", QByteArray::fromStdString(ddsFile(2, 2, 32, pixel + pixel + pixel + off)));
    dialogs_.paths.push_back(pathIn("b.dds"));
    child<QAction>(&window_, "menComparar")->trigger();

    CompareWindow* compare = window_.compareWindow();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(child<QLabel>(compare, "lblMaiorErro")->text(), "Maior erro: 10");
    // Mean square 100 / (4 pixels x 4 channels): 40.08 dB.
    EXPECT_TRUE(child<QLabel>(compare, "lblPsnr")->text().startsWith("PSNR: 40"))
        << child<QLabel>(compare, "lblPsnr")->text().toStdString();
    EXPECT_EQ(child<QLabel>(compare, "lblDiferentes")->text(), "Pixels diferentes: 1");
    EXPECT_EQ(compare->shownImage().pixelColor(1, 1), QColor(0x30, 0x20, 0x10));

    compare->setMode(CompareWindow::Mode::Over);
    compare->swapPictures();
    EXPECT_EQ(compare->shownImage().pixelColor(1, 1), QColor(0x30, 0x2A, 0x10));
    EXPECT_TRUE(child<QLabel>(compare, "lblMostrando")->text().endsWith("b.dds"));

    compare->setMode(CompareWindow::Mode::Difference);
    EXPECT_EQ(compare->shownImage().pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(compare->shownImage().pixelColor(1, 1), QColor(0, 250, 0)); // 10 x 25

    // A picture of other sides is only shown beside; a file that cannot be
    // read is said so, and the comparison on show stays.
    writeFile("wide.dds",
              QByteArray::fromStdString(ddsFile(4, 1, 32, pixel + pixel + pixel + pixel)));
    window_.compareWith(pathIn("wide.dds"));
    compare = window_.compareWindow();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(child<QLabel>(compare, "lblMaiorErro")->text(), "Tamanhos diferentes: 2 x 2 e 4 x 1");
    EXPECT_FALSE(child<QComboBox>(compare, "cboModo")->isEnabled());
    window_.compareWith(pathIn("missing.dds"));
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(window_.compareWindow(), compare);
}

} // namespace
} // namespace texpeek
