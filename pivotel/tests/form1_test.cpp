#include "common/testing/print_qstring.h"
#include "pivotel/ui/form1.h"
#include "pivotel/ui/sprite_preview.h"

#include "pivotel/core/sprite_frames.h"
#include "pivotel/tests/sprite_files.h"

#include "common/testing/window_test.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <ostream>

namespace pivotel {
namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;
using Kind = suite::testing::FakeDialogs::Kind;

const QString kSideView =
    QStringLiteral("Esse sprite também fica sempre voltado para o player, mas ele trava eixo Z "
                   "( vertical ).");
const QString kFlipper =
    QStringLiteral("Esse sprite tem a mesma função do 'Side View', exceto que quando o player se "
                   "aproxima dele, ele rotaciona a sua face para uma determinada direção.");
const QString kCommon =
    QStringLiteral("Sprite comum do Half Life. Sempre com sua face voltada para o player.");
const QString kFixed =
    QStringLiteral("Trava totalmente o sprite. Sua face sempre fica voltada para uma uma mesma "
                   "direção, que é determinada pelo 'Angle' do env_sprite.");
const QString kParallelOriented =
    QStringLiteral("Sempre com sua face voltada para o player, como o 'Common', mas girado em "
                   "torno do próprio centro pelo 'Roll' do 'Angles' do env_sprite.");

// Bytes 9 to 11 are not zero, so that a save touching more than byte 8 shows.
QByteArray sprite(char type, int length = 64)
{
    QByteArray bytes("IDSP\x02\x00\x00\x00", 8);
    bytes += type;
    bytes += "\x7F\x80\xFF";
    while (bytes.size() < length)
        bytes += static_cast<char>(bytes.size() * 13);
    bytes.truncate(length);
    return bytes;
}

QByteArray withType(QByteArray bytes, char type)
{
    bytes[8] = type;
    return bytes;
}

class Form1Test : public suite::testing::WindowTest {
protected:
    Form1 form_{dialogs_};

    QRadioButton* option(int n) const
    {
        return child<QRadioButton>(&form_, QStringLiteral("Option%1").arg(n));
    }
    QLineEdit* txtPath() const { return child<QLineEdit>(&form_, "txtPath"); }
    QString label(const char* name) const { return child<QLabel>(&form_, name)->text(); }
    QPushButton* button(const char* name) const { return child<QPushButton>(&form_, name); }

    // The option checked, 1 to 5, or 0 for none.
    int checked() const
    {
        for (int n = 1; n <= 5; ++n) {
            if (option(n)->isChecked())
                return n;
        }
        return 0;
    }

    void choose(const QString& name)
    {
        dialogs_.paths.push_back(pathIn(name));
        click(button("cmbPath"));
    }

    void readSprite(const QString& name)
    {
        choose(name);
        click(button("cmbGet"));
    }

    void saveAs(const QString& name)
    {
        dialogs_.paths.push_back(pathIn(name));
        click(button("cmbSaveAs"));
    }

    void expectLastMessage(MessageIcon icon, const QString& title, const QString& text)
    {
        ASSERT_FALSE(dialogs_.messages().isEmpty());
        const auto shown = dialogs_.lastMessage();
        EXPECT_EQ(shown.icon, icon);
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.text, text);
    }

    void expectSaved() { expectLastMessage(MessageIcon::None, "Sucess", "File Saved"); }
    void expectInvalid()
    {
        ASSERT_FALSE(dialogs_.messages().isEmpty());
        const auto shown = dialogs_.lastMessage();
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
        EXPECT_EQ(shown.title, "Error");
        EXPECT_TRUE(shown.text.startsWith("Invalid sprite file\n")) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains("Nothing was read")) << shown.text.toStdString();
    }

    // Nothing of any earlier sprite is shown.
    void expectNothingShown()
    {
        EXPECT_EQ(checked(), 0);
        EXPECT_TRUE(label("Label2").isEmpty());
        EXPECT_TRUE(previewImage().isNull());
    }

    QImage previewImage() const { return child<QLabel>(&form_, "lblPreview")->pixmap().toImage(); }

    void expectSavesOn(bool on)
    {
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(option(n)->isEnabled(), on) << n;
        EXPECT_EQ(button("cmbSave")->isEnabled(), on);
        EXPECT_EQ(button("cmbSaveAs")->isEnabled(), on);
    }
};

TEST_F(Form1Test, StartsWithNothingReadAndTheSavingControlsOff)
{
    EXPECT_EQ(form_.objectName(), "Form1");
    EXPECT_EQ(form_.windowTitle(), "Tavrin Sprite Axis Editor");
    EXPECT_EQ(child<QGroupBox>(&form_, "Frame1")->title(), "Sprite Location");
    EXPECT_EQ(child<QGroupBox>(&form_, "Frame2")->title(), "Axis Info");
    EXPECT_EQ(child<QGroupBox>(&form_, "Frame3")->title(), "Description");
    EXPECT_EQ(button("cmbPath")->text(), "...");
    EXPECT_EQ(button("cmbGet")->text(), "Get Sprite Info");
    EXPECT_EQ(button("cmbSave")->text(), "Save");
    EXPECT_EQ(button("cmbSaveAs")->text(), "Save As...");
    EXPECT_EQ(button("cmbAbout")->text(), "?");
    const QStringList captions{"Side View", "Flipper", "Common", "Fixed Direction",
                               "Parallel Oriented"};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(option(n)->text(), captions[n - 1]);
    EXPECT_EQ(checked(), 0);
    expectSavesOn(false);
    EXPECT_TRUE(button("cmbPath")->isEnabled());
    EXPECT_TRUE(button("cmbGet")->isEnabled());
    EXPECT_TRUE(txtPath()->text().isEmpty());
    EXPECT_TRUE(label("Label1").isEmpty());
    EXPECT_TRUE(label("Label2").isEmpty());
}

TEST_F(Form1Test, ChoosingAFileShowsItsPathAndReadsNothing)
{
    writeFile("a.spr", sprite(2));
    choose("a.spr");
    ASSERT_EQ(dialogs_.shown.size(), 1);
    EXPECT_EQ(dialogs_.shown[0].kind, Kind::OpenFile);
    EXPECT_EQ(dialogs_.shown[0].filter, "Sprites (.spr)|*.spr");
    EXPECT_EQ(txtPath()->text(), pathIn("a.spr"));
    EXPECT_EQ(checked(), 0);
    expectSavesOn(false);

    click(button("cmbPath")); // cancelled
    EXPECT_EQ(txtPath()->text(), pathIn("a.spr"));
}

TEST_F(Form1Test, AnEmptyPathBoxIsRefused)
{
    click(button("cmbGet"));
    expectLastMessage(MessageIcon::Information, "Erro", "No sprite path");
    expectSavesOn(false);
}

TEST_F(Form1Test, EachTypeSelectsItsOptionAndShowsItsText)
{
    const QStringList texts{"Side View Sprite", "Flipper Sprite", "Common Sprite",
                            "Fixed Direction Sprite", "Parallel Oriented Sprite"};
    for (int type = 0; type < 5; ++type) {
        writeFile("a.spr", sprite(static_cast<char>(type)));
        readSprite("a.spr");
        EXPECT_EQ(checked(), type + 1);
        EXPECT_EQ(label("Label2"), texts[type]);
    }
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    expectSavesOn(true);
}

TEST_F(Form1Test, ChoosingAnotherTypeAndSavingChangesOnlyByteEight)
{
    const QByteArray original = sprite(2, 300);
    writeFile("a.spr", original);
    readSprite("a.spr");
    EXPECT_EQ(checked(), 3);
    EXPECT_EQ(label("Label2"), "Common Sprite");

    click(option(2));
    ASSERT_EQ(checked(), 2);
    EXPECT_EQ(readFile("a.spr"), original) << "choosing alone writes nothing";
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("a.spr"), withType(original, 1));
}

TEST_F(Form1Test, ATypeWithoutAnOptionShowsItsNumberAndSavesUnchanged)
{
    const QByteArray original = sprite(9);
    writeFile("a.spr", original);
    readSprite("a.spr");
    EXPECT_EQ(checked(), 0);
    EXPECT_EQ(label("Label2"), "Type 9 Sprite");
    expectSavesOn(true);

    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("a.spr"), original);
}

TEST_F(Form1Test, ATypeWithoutAnOptionClearsTheLastOneUntilTheUserPicksOne)
{
    writeFile("zero.spr", sprite(0));
    writeFile("odd.spr", sprite(static_cast<char>(200)));
    readSprite("zero.spr");
    readSprite("odd.spr");
    EXPECT_EQ(checked(), 0) << "the earlier sprite's option must not be saved over this type";
    EXPECT_EQ(label("Label2"), "Type 200 Sprite");

    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("odd.spr"), sprite(static_cast<char>(200)));

    click(option(5));
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("odd.spr"), sprite(4));
}

TEST_F(Form1Test, NineBytesAreASpriteAndEightAreNot)
{
    writeFile("nine.spr", sprite(3, 9));
    readSprite("nine.spr");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(checked(), 4);

    writeFile("eight.spr", sprite(1, 8));
    readSprite("eight.spr");
    expectInvalid();
    expectNothingShown();
    expectSavesOn(true);
}

TEST_F(Form1Test, MissingFilesAndFoldersAreInvalidButSwitchTheControlsOn)
{
    readSprite("missing.spr");
    expectInvalid();
    expectSavesOn(true);
    expectNothingShown();

    ASSERT_TRUE(QDir(programDir()).mkdir("folder.spr"));
    readSprite("folder.spr");
    expectInvalid();
}

TEST_F(Form1Test, ATypedPathIsReadAndSavedLikeAChosenOne)
{
    writeFile("typed.spr", sprite(1));
    QTest::keyClicks(txtPath(), pathIn("typed.spr"));
    click(button("cmbGet"));
    EXPECT_EQ(checked(), 2);

    click(option(4));
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("typed.spr"), sprite(3));
}

TEST_F(Form1Test, SaveAfterSaveAsWritesTheFileThatWasRead)
{
    writeFile("a.spr", sprite(0));
    readSprite("a.spr");
    click(option(3));

    saveAs("copy.spr");
    ASSERT_EQ(dialogs_.shown.last().kind, Kind::Message);
    const auto saveDialog = dialogs_.shown[dialogs_.shown.size() - 2];
    EXPECT_EQ(saveDialog.kind, Kind::SaveFile);
    EXPECT_EQ(saveDialog.filter, "Sprites (.spr)|*.spr");
    expectSaved();
    EXPECT_EQ(readFile("copy.spr"), sprite(2));
    EXPECT_EQ(readFile("a.spr"), sprite(0)) << "the file read is untouched by Save As";
    EXPECT_EQ(txtPath()->text(), pathIn("a.spr"));

    click(option(4));
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("a.spr"), sprite(3));
    EXPECT_EQ(readFile("copy.spr"), sprite(2));
}

TEST_F(Form1Test, SaveAsOverALongerFileLeavesExactlyTheSprite)
{
    writeFile("a.spr", sprite(1, 20));
    writeFile("long.spr", QByteArray(1000, 'z'));
    readSprite("a.spr");
    saveAs("long.spr");
    expectSaved();
    EXPECT_EQ(readFile("long.spr"), sprite(1, 20));
}

TEST_F(Form1Test, ACancelledSaveAsWritesNothing)
{
    writeFile("a.spr", sprite(1));
    readSprite("a.spr");
    click(option(3));
    dialogs_.clear();
    click(button("cmbSaveAs"));
    ASSERT_EQ(dialogs_.shown.size(), 1);
    EXPECT_EQ(dialogs_.shown[0].kind, Kind::SaveFile);
    EXPECT_EQ(readFile("a.spr"), sprite(1));
    EXPECT_EQ(QDir(programDir()).entryList(QDir::Files), QStringList{"a.spr"});
}

TEST_F(Form1Test, NothingIsSavedWhenNoSpriteWasRead)
{
    writeFile("eight.spr", sprite(1, 8));
    readSprite("eight.spr");
    click(option(1));
    dialogs_.clear();

    click(button("cmbSave"));
    expectLastMessage(MessageIcon::Exclamation, "Error",
                      "No sprite has been read. Use \"Get Sprite Info\" first.");
    click(button("cmbSaveAs"));
    ASSERT_EQ(dialogs_.shown.size(), 2) << "no save dialog is offered";
    EXPECT_EQ(dialogs_.shown[1].kind, Kind::Message);
    EXPECT_EQ(dialogs_.shown[1].text, dialogs_.shown[0].text);
    EXPECT_EQ(readFile("eight.spr"), sprite(1, 8));
}

TEST_F(Form1Test, AFailedReadStopsTheEarlierSpriteFromBeingSaved)
{
    writeFile("a.spr", sprite(2));
    writeFile("bad.spr", "short");
    readSprite("a.spr");
    readSprite("bad.spr");
    dialogs_.clear();

    click(button("cmbSave"));
    click(button("cmbSaveAs"));
    ASSERT_EQ(dialogs_.shown.size(), 2) << "no save dialog is offered";
    for (const auto& shown : dialogs_.shown)
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_EQ(readFile("a.spr"), sprite(2));
    EXPECT_EQ(readFile("bad.spr"), "short");

    // A good read makes saving possible again.
    readSprite("a.spr");
    click(button("cmbSave"));
    expectSaved();
}

TEST_F(Form1Test, SaveRefusesWhenThePathBoxNamesAnotherFile)
{
    writeFile("a.spr", sprite(2));
    writeFile("b.spr", sprite(0, 100));
    readSprite("a.spr");
    click(option(2));
    choose("b.spr");
    dialogs_.clear();

    click(button("cmbSave"));
    expectLastMessage(MessageIcon::Exclamation, "Error",
                      "The path box does not name the sprite that was read. "
                      "Use \"Get Sprite Info\" first.");
    EXPECT_EQ(readFile("a.spr"), sprite(2));
    EXPECT_EQ(readFile("b.spr"), sprite(0, 100));

    // Save As names its own target, so it still saves the sprite read.
    saveAs("copy.spr");
    expectSaved();
    EXPECT_EQ(readFile("copy.spr"), sprite(1));
}

TEST_F(Form1Test, AFailedWriteIsReportedWithTheFileAndNotAsSaved)
{
    writeFile("a.spr", sprite(2));
    readSprite("a.spr");
    ASSERT_TRUE(QFile::remove(pathIn("a.spr")));
    ASSERT_TRUE(QDir(programDir()).mkdir("a.spr"));

    click(button("cmbSave"));
    auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.title, "Error");
    EXPECT_TRUE(shown.text.contains(pathIn("a.spr"))) << shown.text.toStdString();

    const QString target = pathIn("missing/copy.spr");
    dialogs_.paths.push_back(target);
    click(button("cmbSaveAs"));
    shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(shown.text.contains(target)) << shown.text.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(Form1Test, AboutNamesTheProgramOnThreeLines)
{
    click(button("cmbAbout"));
    const auto shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::None);
    EXPECT_EQ(shown.title, "About");
    const QStringList lines = shown.text.split("\n\r");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Tavrin Sprite Axis Editor");
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_FALSE(lines[2].isEmpty());
}

QByteArray bytesOf(const std::string& bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TEST_F(Form1Test, AFileThatIsNotASpriteIsShownAsSuchAndNeverSaved)
{
    const QByteArray text("Shopping list:\r\n- milk\r\n- bread\r\n");
    QByteArray versionThree = sprite(2);
    versionThree[4] = 3;
    writeFile("good.spr", sprite(1));
    writeFile("list.txt", text);
    writeFile("three.spr", versionThree);

    for (const QString& name : {QStringLiteral("list.txt"), QStringLiteral("three.spr")}) {
        readSprite("good.spr");
        readSprite(name);
        const auto shown = dialogs_.lastMessage();
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_TRUE(shown.text.contains("is not a sprite")) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains(pathIn(name))) << shown.text.toStdString();
        EXPECT_EQ(checked(), 0) << "the earlier sprite's option must not stay beside this file";
        EXPECT_EQ(label("Label2"), "Not a sprite");

        click(option(3));
        dialogs_.clear();
        click(button("cmbSave"));
        click(button("cmbSaveAs"));
        ASSERT_EQ(dialogs_.shown.size(), 2) << "no save dialog is offered";
        for (const auto& refused : dialogs_.shown) {
            EXPECT_EQ(refused.icon, MessageIcon::Exclamation);
            EXPECT_TRUE(refused.text.contains("not a sprite")) << refused.text.toStdString();
        }
    }
    EXPECT_EQ(readFile("list.txt"), text);
    EXPECT_EQ(readFile("three.spr"), versionThree);
    EXPECT_EQ(readFile("good.spr"), sprite(1));
}

TEST_F(Form1Test, TheFramesAreShownWithTheirCountLargestSizeAndFormat)
{
    using namespace pivotel::testing;
    writeFile("glow.spr",
              bytesOf(halfLifeSprite(2, {singleFrame(3, 3, rampIndices(9)),
                                         frameGroup({picture(5, 4, rampIndices(20)),
                                                     picture(2, 2, rampIndices(4))})})));
    readSprite("glow.spr");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    const QString info = label("lblPreviewInfo");
    EXPECT_TRUE(info.contains("Frames: 3")) << info.toStdString();
    EXPECT_TRUE(info.contains("Largest frame: 5 x 4")) << info.toStdString();
    EXPECT_TRUE(info.contains("index-alpha")) << info.toStdString();
    EXPECT_FALSE(info.contains("Damaged")) << info.toStdString();
    const QImage before = previewImage();
    ASSERT_FALSE(before.isNull());

    // The options edit the type only: the pictures stay as read.
    click(option(1));
    EXPECT_EQ(previewImage(), before);
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(previewImage(), before);
    EXPECT_EQ(label("lblPreviewInfo"), info);
}

TEST_F(Form1Test, DamagedFramesStillShowTheTypeAndSaveWhileThePreviewSaysWhy)
{
    using namespace pivotel::testing;
    std::string bytes = halfLifeSprite(
        0, {singleFrame(2, 2, rampIndices(4)), singleFrame(16, 16, rampIndices(256))}, 3);
    bytes.resize(bytes.size() - 100);
    writeFile("cut.spr", bytesOf(bytes));
    readSprite("cut.spr");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(checked(), 4);
    const QString info = label("lblPreviewInfo");
    EXPECT_TRUE(info.contains("Frames: 1")) << info.toStdString();
    EXPECT_TRUE(info.contains("Damaged: frame 2 is cut short")) << info.toStdString();
    EXPECT_FALSE(previewImage().isNull()) << "the whole first frame is shown";

    click(option(3));
    click(button("cmbSave"));
    expectSaved();
    bytes[8] = 2;
    EXPECT_EQ(readFile("cut.spr"), bytesOf(bytes));
}

TEST_F(Form1Test, AQuakeSpriteSaysItsPaletteIsNotInTheFile)
{
    using namespace pivotel::testing;
    writeFile("q.spr", bytesOf(quakeSprite({singleFrame(4, 4, rampIndices(16))})));
    readSprite("q.spr");
    EXPECT_EQ(checked(), 3);
    EXPECT_TRUE(label("lblPreviewInfo").contains("No palette in file"));
    EXPECT_FALSE(previewImage().isNull());
}

TEST_F(Form1Test, AFailedReadClearsThePreviewOfTheSpriteBefore)
{
    using namespace pivotel::testing;
    writeFile("a.spr", bytesOf(halfLifeSprite(0, {singleFrame(4, 4, rampIndices(16))})));
    readSprite("a.spr");
    ASSERT_FALSE(previewImage().isNull());
    readSprite("missing.spr");
    expectNothingShown();
    EXPECT_EQ(label("lblPreviewInfo"), "Nothing was read.");
}

TEST(SpritePreviewImages, SeeThroughPixelsShowTheChequerAndOpaqueOnesTheirColour)
{
    using namespace pivotel::testing;
    // Index 255 is clear in alpha-test; in index-alpha the index is coverage.
    const std::string indices("\x05\xFF", 2);
    const SpriteFrames alphaTest = decodeFrames(halfLifeSprite(3, {singleFrame(2, 1, indices)}));
    ASSERT_EQ(alphaTest.frames.size(), 1u);
    const QImage frame = frameImage(alphaTest.frames[0]);
    EXPECT_EQ(frame.size(), QSize(2, 1));
    EXPECT_EQ(frame.pixelColor(0, 0), QColor(paletteRed(5), paletteGreen(5), paletteBlue(5)));
    EXPECT_EQ(frame.pixelColor(1, 0).alpha(), 0);

    const QImage sheet = framesSheet(alphaTest);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixelColor(0, 0), QColor(paletteRed(5), paletteGreen(5), paletteBlue(5)));
    EXPECT_EQ(sheet.pixelColor(1, 0), QColor(0xCC, 0xCC, 0xCC));

    const SpriteFrames indexAlpha = decodeFrames(halfLifeSprite(2, {singleFrame(2, 1, indices)}));
    ASSERT_EQ(indexAlpha.frames.size(), 1u);
    const QImage faint = frameImage(indexAlpha.frames[0]);
    EXPECT_EQ(faint.pixelColor(0, 0).alpha(), 5);
    EXPECT_EQ(faint.pixelColor(1, 0), QColor(paletteRed(255), paletteGreen(255), paletteBlue(255)));
}

TEST_F(Form1Test, OpenFileFillsThePathBoxAndReadsIt)
{
    writeFile("a.spr", sprite(3));
    form_.openFile(pathIn("a.spr"));
    EXPECT_EQ(txtPath()->text(), pathIn("a.spr"));
    EXPECT_EQ(checked(), 4);
    click(option(2));
    click(button("cmbSave"));
    expectSaved();
    EXPECT_EQ(readFile("a.spr"), sprite(1));

    form_.openFile(pathIn("missing.spr"));
    expectInvalid();
    expectNothingShown();
}

TEST_F(Form1Test, DroppingAFileReadsItAsGetSpriteInfoDoes)
{
    writeFile("dropped.spr", sprite(1));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pathIn("dropped.spr"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form_, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form_, &drop);
    EXPECT_EQ(txtPath()->text(), pathIn("dropped.spr"));
    EXPECT_EQ(checked(), 2);
    expectSavesOn(true);

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/a.spr"))});
    QDragEnterEvent remote(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form_, &remote);
    EXPECT_FALSE(remote.isAccepted()) << "only local files can be read";
}

// Hovering goes through the window system, as a real pointer would.
class Form1HoverTest : public Form1Test {
protected:
    void SetUp() override
    {
        form_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    }

    // Moves the pointer over the window, which hands the move to whatever
    // widget lies under it.
    void hover(QWidget* widget, QPoint at = {5, 5})
    {
        QTest::mouseMove(form_.windowHandle(), widget->mapTo(&form_, at));
    }
};

TEST_F(Form1HoverTest, EachOptionDescribesItselfAndTheFrameClears)
{
    writeFile("a.spr", sprite(0));
    readSprite("a.spr");
    auto* frame = child<QGroupBox>(&form_, "Frame2");
    const QStringList descriptions{kSideView, kFlipper, kCommon, kFixed, kParallelOriented};
    for (int n = 1; n <= 5; ++n) {
        hover(option(n));
        EXPECT_EQ(label("Label1"), descriptions[n - 1]) << n;
        hover(option(n), option(n)->rect().center());
        EXPECT_EQ(label("Label1"), descriptions[n - 1]) << n;

        hover(frame, {frame->width() - 3, frame->height() - 3});
        EXPECT_TRUE(label("Label1").isEmpty()) << n;
    }
}

TEST_F(Form1HoverTest, OptionsDescribeThemselvesBeforeASpriteIsRead)
{
    hover(option(4));
    EXPECT_EQ(label("Label1"), kFixed);
    hover(button("cmbGet"));
    EXPECT_EQ(label("Label1"), kFixed) << "only the frame clears the description";
}

TEST_F(Form1HoverTest, TheOptionWithTheKeyboardFocusDescribesItself)
{
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    writeFile("a.spr", sprite(1));
    readSprite("a.spr");
    option(2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(label("Label1"), kFlipper);
    // The arrow keys move the focus, and the choice, along the options.
    QTest::keyClick(option(2), Qt::Key_Down);
    EXPECT_TRUE(option(3)->hasFocus());
    EXPECT_EQ(label("Label1"), kCommon);
    QTest::keyClick(option(3), Qt::Key_Down);
    QTest::keyClick(option(4), Qt::Key_Down);
    EXPECT_EQ(label("Label1"), kParallelOriented);
}

} // namespace
} // namespace pivotel
