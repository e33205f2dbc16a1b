#include "pivotel/ui/form1.h"
#include "pivotel/ui/workshop.h"

#include "pivotel/core/sprite_model.h"
#include "pivotel/tests/sprite_files.h"

#include "common/testing/window_test.h"

#include <QComboBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

namespace pivotel {
namespace {

using suite::testing::child;
using suite::testing::click;

class WorkshopTest : public suite::testing::WindowTest {
protected:
    // A one-colour picture, so its colour tells the frames apart.
    QString picture(const QString& name, QSize size, QRgb colour)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        image.save(pathIn(name));
        return pathIn(name);
    }

    // Waits for the indexing that the last change started.
    void settle()
    {
        QSignalSpy ready(&window, &Workshop::spriteReady);
        if (window.isBuilding()) {
            ASSERT_TRUE(ready.wait(60000));
        }
    }

    suite::testing::FakeDialogs dialogs;
    Workshop window{dialogs};
};

TEST_F(WorkshopTest, TwoPicturesReorderedAndSavedMakeThatSprite)
{
    dialogs.paths = {picture(QStringLiteral("red.png"), {4, 2}, qRgb(255, 0, 0)),
                     picture(QStringLiteral("blue.bmp"), {6, 6}, qRgb(0, 0, 255))};
    click(child<QPushButton>(&window, QStringLiteral("cmbAddPictures")));
    settle();
    click(child<QPushButton>(&window, QStringLiteral("cmbAddPictures")));
    settle();
    auto* list = child<QListWidget>(&window, QStringLiteral("lstFrames"));
    ASSERT_EQ(list->count(), 2);
    // The blue one, selected as the last added, goes first.
    EXPECT_EQ(list->currentRow(), 1);
    click(child<QPushButton>(&window, QStringLiteral("cmbUp")));
    EXPECT_EQ(list->currentRow(), 0);
    child<QSpinBox>(&window, QStringLiteral("txtOriginX"))->setValue(-1);
    child<QComboBox>(&window, QStringLiteral("cboFormat"))->setCurrentIndex(1);
    settle();

    dialogs.paths = {pathIn(QStringLiteral("made.spr"))};
    click(child<QPushButton>(&window, QStringLiteral("cmbSaveSprite")));
    EXPECT_EQ(dialogs.lastMessage().text, QStringLiteral("File Saved"));
    const QByteArray bytes = readFile(QStringLiteral("made.spr"));
    const std::optional<SpriteModel> sprite =
        parseSprite(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite->textureFormat, 1);
    ASSERT_EQ(sprite->entries.size(), 2u);
    const SpritePicture& first = sprite->entries[0].pictures[0];
    EXPECT_EQ(first.width, 6);
    EXPECT_EQ(first.originX, -1);
    EXPECT_EQ(first.originY, 3);
    EXPECT_EQ(sprite->palette[first.indices[0]], (Rgb{0, 0, 255}));
    EXPECT_EQ(sprite->entries[1].pictures[0].originX, -2);
    EXPECT_EQ(sprite->maxWidth, 6);

    // Deleting leaves one frame.
    click(child<QPushButton>(&window, QStringLiteral("cmbDelete")));
    settle();
    EXPECT_EQ(list->count(), 1);
    ASSERT_TRUE(window.sprite());
    EXPECT_EQ(window.sprite()->entries.size(), 1u);
}

TEST_F(WorkshopTest, AdditiveFramesOnANormalEntityAreWarnedAbout)
{
    window.loadSprite(*parseSprite(
        testing::halfLifeSprite(1, {testing::singleFrame(4, 4, testing::rampIndices(16))})));
    settle();
    auto* warning = child<QLabel>(&window, QStringLiteral("lblRenderWarning"));
    auto* mode = child<QComboBox>(&window, QStringLiteral("cboRenderMode"));
    mode->setCurrentIndex(0);
    EXPECT_EQ(warning->text(),
              QStringLiteral("Additive frames on a normal-mode entity are drawn opaque: their "
                             "black shows instead of letting the background through. Use render "
                             "mode additive or glow."));
    mode->setCurrentIndex(5);
    EXPECT_TRUE(warning->text().isEmpty());
    child<QSpinBox>(&window, QStringLiteral("txtRenderAmount"))->setValue(0);
    EXPECT_FALSE(warning->text().isEmpty());
}

TEST_F(WorkshopTest, AnUnchangedSpriteSavesAsItWasRead)
{
    const std::string bytes =
        testing::halfLifeSprite(2,
                                {testing::singleFrame(8, 2, testing::rampIndices(16)),
                                 testing::singleFrame(2, 2, testing::rampIndices(4, 100))},
                                3);
    window.loadSprite(*parseSprite(bytes));
    settle();
    dialogs.paths = {pathIn(QStringLiteral("again.spr"))};
    click(child<QPushButton>(&window, QStringLiteral("cmbSaveSprite")));
    EXPECT_EQ(readFile(QStringLiteral("again.spr")),
              QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

TEST_F(WorkshopTest, DraggingOnThePreviewMovesTheOrigin)
{
    window.loadSprite(*parseSprite(
        testing::halfLifeSprite(0, {testing::singleFrame(4, 4, testing::rampIndices(16))})));
    settle();
    auto* preview = child<QWidget>(&window, QStringLiteral("preview"));
    QTest::mousePress(preview, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(55, 47), preview->mapToGlobal(QPointF(55, 47)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &move);
    EXPECT_EQ(child<QSpinBox>(&window, QStringLiteral("txtOriginX"))->value(), -2 + 5);
    EXPECT_EQ(child<QSpinBox>(&window, QStringLiteral("txtOriginY"))->value(), 2 + 3);
    EXPECT_EQ(window.sprite()->entries[0].pictures[0].originX, 3);
}

} // namespace
} // namespace pivotel

namespace pivotel {
namespace {

TEST_F(WorkshopTest, TheSpriteGoesOutAsAnAnimatedGif)
{
    window.loadSprite(*parseSprite(
        testing::halfLifeSprite(0, {testing::singleFrame(4, 4, testing::rampIndices(16)),
                                    testing::singleFrame(2, 2, testing::rampIndices(4))})));
    settle();
    dialogs.paths = {pathIn(QStringLiteral("out.gif"))};
    click(child<QPushButton>(&window, QStringLiteral("cmbExportGif")));
    QImageReader reader(pathIn(QStringLiteral("out.gif")));
    EXPECT_EQ(reader.imageCount(), 2);
}

} // namespace
} // namespace pivotel

namespace pivotel {
namespace {

TEST_F(WorkshopTest, AFrameAddedToAReadSpriteWidensItsHeader)
{
    window.loadSprite(*parseSprite(
        testing::halfLifeSprite(0, {testing::singleFrame(4, 4, testing::rampIndices(16))})));
    settle();
    dialogs.paths = {picture(QStringLiteral("wide.png"), {20, 3}, qRgb(1, 2, 3))};
    click(child<QPushButton>(&window, QStringLiteral("cmbAddPictures")));
    settle();
    ASSERT_TRUE(window.sprite());
    EXPECT_EQ(window.sprite()->maxWidth, 20);
    EXPECT_EQ(window.sprite()->maxHeight, 4);
    click(child<QPushButton>(&window, QStringLiteral("cmbDelete")));
    settle();
    EXPECT_EQ(window.sprite()->maxWidth, 4);
}

} // namespace
} // namespace pivotel

namespace pivotel {
namespace {

TEST_F(WorkshopTest, APhotoIsReducedAndAQualityOutOfReachIsSaid)
{
    QImage photo(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            photo.setPixel(x, y, qRgb(x * 5, y * 5, (x * y) % 256));
    photo.save(pathIn(QStringLiteral("photo.png")));
    dialogs.paths = {pathIn(QStringLiteral("photo.png"))};
    click(child<QPushButton>(&window, QStringLiteral("cmbAddPictures")));
    settle();
    ASSERT_TRUE(window.sprite());
    auto* palette = child<QLabel>(&window, QStringLiteral("lblPalette"));
    EXPECT_TRUE(palette->text().contains(QStringLiteral("libimagequant")))
        << palette->text().toStdString();
    child<QSpinBox>(&window, QStringLiteral("txtQuality"))->setValue(100);
    settle();
    EXPECT_FALSE(window.sprite());
    EXPECT_TRUE(palette->text().contains(QStringLiteral("quality 100")))
        << palette->text().toStdString();
    EXPECT_FALSE(child<QPushButton>(&window, QStringLiteral("cmbSaveSprite"))->isEnabled());
}

} // namespace
} // namespace pivotel
