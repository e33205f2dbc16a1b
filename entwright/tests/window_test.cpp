#include "common/testing/print_qstring.h"
#include "entwright/ui/frm_main.h"

#include "entwright/core/bsp_map.h"
#include "entwright/ui/property_table.h"
#include "entwright/ui/ripent_watch.h"
#include "entwright/tests/support/bsp_builder.h"

#include "common/testing/window_test.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QSpinBox>
#include <QTableWidget>
#include <QItemSelectionModel>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;
using suite::testing::FakeDialogs;
using suite::testing::onModal;

const QByteArray kMap = "{\r\n"
                        "\"classname\" \"worldspawn\"\r\n"
                        "\"wad\" \"caf\xE9\x99.wad\"\r\n"
                        "\r\n"
                        "}\r\n"
                        "\r\n"
                        "{\n"
                        "\"origin\" \"0 0 0\"\n"
                        "\"classname\" \"light\"\n"
                        "\tnot quoted\n"
                        "}\n"
                        "{\n"
                        "\"classname\" \"info_player_start\"\n"
                        "}\n"
                        "after the last block\n";

class MainWindow : public suite::testing::WindowTest {
protected:
    frmMain window_{programDir(), dialogs_};

    void SetUp() override
    {
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    template <typename T>
    T* get(const char* name)
    {
        return child<T>(&window_, QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    QListView* entities() { return get<QListView>("listEntity"); }
    QListWidget* keys() { return get<QListWidget>("listKey"); }
    QLineEdit* txtKey() { return get<QLineEdit>("txtKey"); }
    QPlainTextEdit* txtValue() { return get<QPlainTextEdit>("txtValue"); }

    void trigger(const char* action)
    {
        QAction* found = get<QAction>(action);
        ASSERT_NE(found, nullptr);
        ASSERT_TRUE(found->isEnabled()) << action;
        found->trigger();
    }

    void open(const QString& name, const QByteArray& bytes)
    {
        writeFile(name, bytes);
        dialogs_.paths.push_back(pathIn(name));
        trigger("menOpen");
    }

    static void clickRow(QAbstractItemView* list, int row)
    {
        const QModelIndex index = list->model()->index(row, 0);
        ASSERT_TRUE(index.isValid()) << "row " << row;
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(index).center());
    }

    static QStringList texts(const QAbstractItemView* list)
    {
        QStringList result;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            result << list->model()->index(i, 0).data().toString();
        return result;
    }

    // "1" for each enabled control, in the order given.
    QString enabled(std::initializer_list<const char*> names)
    {
        QString result;
        for (const char* name : names) {
            QWidget* widget = get<QWidget>(name);
            result += widget && widget->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        }
        return result;
    }
    QString keyButtons()
    {
        return enabled({"cmbAdd", "cmbDelEnt", "cmbApply", "cmbDelete", "cmbClear"});
    }
    QString entityControls()
    {
        return enabled({"listEntity", "listKey", "txtKey", "txtValue", "cmbAddEnt"});
    }

    void expectWarning(const QString& title, const QString& text)
    {
        const FakeDialogs::Shown shown = dialogs_.lastMessage();
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.text, text);
        dialogs_.clear();
    }
};

TEST_F(MainWindow, StartsWithOnlyOpenSaveAsRipentAndAbout)
{
    EXPECT_EQ(window_.windowTitle(), "Entwright 2.0");
    EXPECT_EQ(window_.objectName(), "frmMain");
    EXPECT_EQ(entityControls(), "00000");
    EXPECT_EQ(keyButtons(), "00000");
    EXPECT_FALSE(get<QAction>("menSave")->isEnabled());
    const std::pair<const char*, const char*> menus[] = {
        {"menOpen", "Open..."},     {"menSaveAs", "Save As..."}, {"menImport", "Import..."},
        {"menExport", "Export..."}, {"menAbout", "About"},       {"menExit", "Exit"}};
    for (const auto& [name, text] : menus) {
        EXPECT_TRUE(get<QAction>(name)->isEnabled()) << name;
        EXPECT_EQ(get<QAction>(name)->text(), text);
    }
    EXPECT_EQ(get<QAction>("menSave")->text(), "Save");
    EXPECT_EQ(button("cmbDelete")->text(), "Del");
    EXPECT_EQ(button("cmbDelEnt")->text(), "Delete");
}

TEST_F(MainWindow, EnabledStatesFollowOpenAndClicks)
{
    open("map.ent", kMap);
    EXPECT_EQ(dialogs_.shown.front().filter,
              "Half Life Entity Files (.ent)|*.ent|BSP Files (.BSP)|*.bsp");
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "info_player_start"}));
    EXPECT_EQ(entityControls(), "11111");
    EXPECT_EQ(keyButtons(), "00000");
    EXPECT_TRUE(get<QAction>("menSave")->isEnabled());
    EXPECT_EQ(window_.currentFile(), pathIn("map.ent"));

    clickRow(entities(), 1);
    EXPECT_EQ(texts(keys()),
              (QStringList{"\"origin\" \"0 0 0\"", "\"classname\" \"light\"", "\tnot quoted"}));
    EXPECT_EQ(keyButtons(), "11000");

    clickRow(keys(), 0);
    EXPECT_EQ(txtKey()->text(), "origin");
    EXPECT_EQ(txtValue()->toPlainText(), "0 0 0");
    EXPECT_EQ(keyButtons(), "11111");

    // Clear empties the boxes only; a new entity click resets the key buttons.
    click(button("cmbClear"));
    EXPECT_TRUE(txtKey()->text().isEmpty());
    EXPECT_TRUE(txtValue()->toPlainText().isEmpty());
    EXPECT_EQ(keyButtons(), "11111");
    clickRow(entities(), 0);
    EXPECT_EQ(keyButtons(), "11000");
    EXPECT_EQ(texts(keys()),
              (QStringList{"\"classname\" \"worldspawn\"", "\"wad\" \"caf\u00E9\u2122.wad\"", ""}));

    // An empty line fills neither box but still enables its commands.
    txtKey()->setText(QStringLiteral("typed"));
    clickRow(keys(), 2);
    EXPECT_EQ(txtKey()->text(), "typed");
    EXPECT_EQ(keyButtons(), "11111");
}

TEST_F(MainWindow, FailedOpenChangesNothing)
{
    open("map.ent", kMap);
    clickRow(entities(), 2);
    const QString before = enabled({"cmbAdd", "cmbDelEnt"});
    open("bare.ent", "{\n\"classname\" \"a\"\n}\n{\n}\n");
    open("open.ent", "{\n\"classname\" \"a\"\n");
    open("none.ent", "nothing here\n");
    dialogs_.paths.push_back(pathIn("missing.ent"));
    trigger("menOpen");
    trigger("menOpen"); // cancelled
    // Each refusal says why, and where.
    const QList<FakeDialogs::Shown> shown = dialogs_.messages();
    ASSERT_EQ(shown.size(), 5); // the stray-line warning of map.ent, then four refusals
    for (int i = 1; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].icon, MessageIcon::Critical);
        EXPECT_EQ(shown[i].title, "Open");
    }
    EXPECT_TRUE(shown[1].text.contains("bare.ent")) << shown[1].text.toStdString();
    EXPECT_TRUE(shown[1].text.contains("line 4")) << shown[1].text.toStdString();
    EXPECT_TRUE(shown[2].text.contains("line 1")) << shown[2].text.toStdString();
    EXPECT_TRUE(shown[3].text.contains("no entity")) << shown[3].text.toStdString();
    EXPECT_TRUE(shown[4].text.contains("could not be read")) << shown[4].text.toStdString();
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "info_player_start"}));
    EXPECT_EQ(texts(keys()), QStringList{"\"classname\" \"info_player_start\""});
    EXPECT_EQ(enabled({"cmbAdd", "cmbDelEnt"}), before);
    EXPECT_EQ(window_.currentFile(), pathIn("map.ent"));
    EXPECT_EQ(window_.table().Entities.size(), 3u);
}

TEST_F(MainWindow, FailedFirstOpenKeepsEverythingDisabled)
{
    open("bare.ent", "{\n}\n");
    EXPECT_EQ(entityControls(), "00000");
    EXPECT_FALSE(get<QAction>("menSave")->isEnabled());
    EXPECT_TRUE(window_.currentFile().isEmpty());
}

TEST_F(MainWindow, EditedFileKeepsUntouchedLinesByteForByte)
{
    open("map.ent", kMap);
    clickRow(entities(), 1);
    clickRow(keys(), 0);
    txtValue()->setPlainText(QStringLiteral("8 8 \u20AC"));
    click(button("cmbApply"));
    EXPECT_EQ(texts(keys()).first(), "\"origin\" \"8 8 \u20AC\"");
    EXPECT_TRUE(txtKey()->text().isEmpty());

    txtKey()->setText(QStringLiteral("_light"));
    txtValue()->setPlainText(QStringLiteral("255 255 128 200"));
    click(button("cmbAdd"));
    EXPECT_EQ(texts(keys()).last(), "\"_light\" \"255 255 128 200\"");

    trigger("menSave");
    // Untouched lines keep their own line ends and the text around the
    // blocks stays; the edited and added lines take the file's usual LF.
    EXPECT_EQ(readFile("map.ent"), QByteArray("{\r\n"
                                              "\"classname\" \"worldspawn\"\r\n"
                                              "\"wad\" \"caf\xE9\x99.wad\"\r\n"
                                              "\r\n"
                                              "}\r\n"
                                              "\r\n"
                                              "{\n"
                                              "\"origin\" \"8 8 \x80\"\n"
                                              "\"classname\" \"light\"\n"
                                              "\tnot quoted\n"
                                              "\"_light\" \"255 255 128 200\"\n"
                                              "}\n"
                                              "{\n"
                                              "\"classname\" \"info_player_start\"\n"
                                              "}\n"
                                              "after the last block\n"));
    const FakeDialogs::Shown saved = dialogs_.lastMessage();
    EXPECT_EQ(saved.icon, MessageIcon::Information);
    EXPECT_EQ(saved.title, "Save");
    EXPECT_EQ(saved.text, "File saved sucessfully");
}

TEST_F(MainWindow, ApplyGivesBackTheShownTextUnchanged)
{
    // A no-break space (byte A0, also the end of the UTF-8 letter a grave)
    // and a key longer than a line edit holds by default.
    const QByteArray longKey(40000, 'k');
    open("map.ent", "{\n\"classname\" \"a\"\n\"message\" \"voil\xC3\xA0\xA0!\"\n\"" + longKey +
                        "\" \"v\"\n}\n");
    clickRow(entities(), 0);
    clickRow(keys(), 1);
    txtKey()->setText(QStringLiteral("text"));
    click(button("cmbApply"));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    clickRow(keys(), 2);
    txtValue()->setPlainText(QStringLiteral("w"));
    click(button("cmbApply"));
    // Kept whole, but the user learns the game will not.
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("40000 bytes"));
    EXPECT_EQ(window_.table().Entities[0].KeyLines,
              (std::vector<std::string>{"\"classname\" \"a\"", "\"text\" \"voil\xC3\xA0\xA0!\"",
                                        "\"" + longKey.toStdString() + "\" \"w\""}));
}

TEST_F(MainWindow, AddApplyAndDelWarnWithoutChangingTheTable)
{
    open("map.ent", kMap);
    clickRow(entities(), 1);
    const std::vector<std::string> before = window_.table().Entities[1].KeyLines;

    txtKey()->setText(QStringLiteral("k"));
    click(button("cmbAdd"));
    expectWarning("Add", "All fields must be filled up correctly");
    txtValue()->setPlainText(QStringLiteral("two\nlines"));
    click(button("cmbAdd"));
    expectWarning("Add", "Keys and values can't hold line breaks");

    clickRow(keys(), 1); // the class line
    txtKey()->clear();
    click(button("cmbApply"));
    expectWarning("Apply", "All fields must be filled up correctly");
    txtKey()->setText(QStringLiteral("a\nb"));
    click(button("cmbApply"));
    expectWarning("Apply", "Keys and values can't hold line breaks");
    click(button("cmbDelete"));
    expectWarning("Delete", "You can't delete the entity 'classname'");

    EXPECT_EQ(window_.table().Entities[1].KeyLines, before);
}

TEST_F(MainWindow, DeletedKeyLineNeedsANewClick)
{
    open("map.ent", kMap);
    dialogs_.clear();
    clickRow(entities(), 1);
    clickRow(keys(), 2);
    click(button("cmbDelete"));
    EXPECT_EQ(texts(keys()), (QStringList{"\"origin\" \"0 0 0\"", "\"classname\" \"light\""}));
    EXPECT_EQ(keyButtons(), "11001");
    clickRow(keys(), 0);
    click(button("cmbDelete"));
    EXPECT_EQ(texts(keys()), QStringList{"\"classname\" \"light\""});
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(MainWindow, DeletingEntitiesMovesTheRestUpAndKeepsTheLastOne)
{
    open("map.ent", kMap);
    clickRow(entities(), 0);
    click(button("cmbDelEnt"));
    EXPECT_EQ(texts(entities()), (QStringList{"light", "info_player_start"}));
    EXPECT_EQ(keys()->count(), 0);
    EXPECT_EQ(keyButtons(), "00000");
    EXPECT_EQ(window_.table().Entities[0].KeyLines.front(), "\"origin\" \"0 0 0\"");

    clickRow(entities(), 1);
    click(button("cmbDelEnt"));
    clickRow(entities(), 0);
    click(button("cmbDelEnt"));
    expectWarning("Delete", "You can't delete the only entity left");
    EXPECT_EQ(texts(entities()), QStringList{"light"});
}

TEST_F(MainWindow, AddEntityAppendsAClassLineRecord)
{
    open("map.ent", kMap);
    clickRow(entities(), 1);
    onModal([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), "frmNewEnt");
        EXPECT_EQ(modal->windowTitle(), "Add Entity");
        child<QLineEdit>(modal, "txtNome")->setText(QStringLiteral("lamp"));
        click(child<QPushButton>(modal, "cmbOk"));
    });
    click(button("cmbAddEnt"));
    EXPECT_EQ(texts(entities()).last(), "lamp");
    EXPECT_EQ(window_.table().Entities.back().KeyLines,
              std::vector<std::string>{"\"classname\" \"lamp\""});
    // The key list still shows the entity clicked before.
    EXPECT_EQ(keys()->count(), 3);

    onModal([](QWidget* modal) {
        child<QLineEdit>(modal, "txtNome")->setText(QStringLiteral("ignored"));
        click(child<QPushButton>(modal, "cmbCancel"));
    });
    click(button("cmbAddEnt"));
    EXPECT_EQ(entities()->model()->rowCount(), 4);
}

TEST_F(MainWindow, SaveAfterSaveAsWritesTheOpenedFile)
{
    open("map.ent", kMap);
    dialogs_.paths.push_back(pathIn("copy"));
    trigger("menSaveAs");
    EXPECT_EQ(dialogs_.shown.last().kind, FakeDialogs::Kind::Message);
    EXPECT_EQ(window_.saveAsFile(), pathIn("copy"));
    const QByteArray written = readFile("copy"); // no extension added
    EXPECT_TRUE(written.startsWith("{\r\n\"classname\" \"worldspawn\"\r\n"));

    clickRow(entities(), 2);
    click(button("cmbDelEnt"));
    trigger("menSave");
    EXPECT_EQ(readFile("copy"), written);
    EXPECT_FALSE(readFile("map.ent").contains("info_player_start"));
    EXPECT_EQ(dialogs_.lastMessage().text, "File saved sucessfully");
}

TEST_F(MainWindow, CancelledOrEarlySaveAsWritesNothing)
{
    trigger("menSaveAs"); // nothing open yet
    EXPECT_TRUE(dialogs_.shown.isEmpty());
    open("map.ent", kMap);
    dialogs_.clear();
    trigger("menSaveAs");
    ASSERT_EQ(dialogs_.shown.size(), 1);
    EXPECT_EQ(dialogs_.shown.front().filter, "Half Life Entity File (.ent)|*.ent");
    EXPECT_TRUE(window_.saveAsFile().isEmpty());
}

TEST_F(MainWindow, FailedSaveNamesTheFileAndKeepsTheOldOne)
{
    open("map.ent", kMap);
    const QString target = pathIn("no such folder/out.ent");
    dialogs_.paths.push_back(target);
    trigger("menSaveAs");
    FakeDialogs::Shown shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.title, "Save As");
    EXPECT_TRUE(shown.text.contains(target)) << shown.text.toStdString();
    EXPECT_GT(shown.text.size(), target.size() + 30) << "no reason given";
    EXPECT_FALSE(QFileInfo::exists(target));

    // The opened file turns into a folder under our feet.
    QDir(programDir()).remove(QStringLiteral("map.ent"));
    QDir(programDir()).mkdir(QStringLiteral("map.ent"));
    dialogs_.clear();
    trigger("menSave");
    ASSERT_EQ(dialogs_.messages().size(), 1);
    shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.title, "Save");
    EXPECT_TRUE(shown.text.contains(pathIn("map.ent")));
}

TEST_F(MainWindow, ExitClosesAndAboutShows)
{
    onModal([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), "frmAbout");
        EXPECT_EQ(modal->windowTitle(), "Entwright - About");
        click(child<QPushButton>(modal, "cmbOK"));
    });
    trigger("menAbout");
    trigger("menExit");
    EXPECT_FALSE(window_.isVisible());
}

// --- Finding entities, undo, unsaved changes, maps ---

const QByteArray kLights = "{\n\"classname\" \"worldspawn\"\n}\n"
                           "{\n\"classname\" \"light\"\n\"targetname\" \"hall_lamp\"\n}\n"
                           "{\n\"classname\" \"func_door\"\n\"targetname\" \"hall_door\"\n}\n"
                           "{\n\"classname\" \"light\"\n\"origin\" \"8 16 32\"\n"
                           "\"_light\" \"255 128 0 300\"\n}\n";

// Queues the answer to the next "save the changes?" question; `asked` tells
// afterwards whether that question was the one shown.
void answerUnsaved(FakeDialogs& dialogs, suite::SaveAnswer answer, bool* asked)
{
    dialogs.saveAnswers.push_back(answer);
    dialogs.onShow = [asked](const FakeDialogs::Shown& shown) {
        if (shown.title == "Entwright" && shown.text.startsWith("Save the changes to"))
            *asked = true;
    };
}

TEST_F(MainWindow, FilterNarrowsTheListAndEditsActOnTheClickedEntity)
{
    open("lights.ent", kLights);
    auto* filter = get<QLineEdit>("txtFilter");
    auto* field = get<QComboBox>("cboFilter");
    ASSERT_TRUE(filter && field);
    // Same-class entities keep their name in the list and show what tells
    // them apart beside it.
    const QAbstractItemModel* model = entities()->model();
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "func_door", "light"}));
    EXPECT_EQ(model->index(1, 0).data(Qt::UserRole + 1).toString(), "hall_lamp");
    EXPECT_EQ(model->index(3, 0).data(Qt::UserRole + 1).toString(), "8 16 32");

    filter->setText(QStringLiteral("LIGHT"));
    EXPECT_EQ(texts(entities()), (QStringList{"light", "light"}));
    field->setCurrentIndex(1); // targetname
    EXPECT_EQ(texts(entities()), QStringList());
    filter->setText(QStringLiteral("hall"));
    EXPECT_EQ(texts(entities()), (QStringList{"light", "func_door"}));
    field->setCurrentIndex(2); // any text
    filter->setText(QStringLiteral("128 0"));
    EXPECT_EQ(texts(entities()), QStringList{"light"});

    clickRow(entities(), 0);
    EXPECT_EQ(texts(keys()).last(), "\"_light\" \"255 128 0 300\"");
    txtKey()->setText(QStringLiteral("style"));
    txtValue()->setPlainText(QStringLiteral("2"));
    click(button("cmbAdd"));
    EXPECT_EQ(window_.table().Entities[3].KeyLines.back(), "\"style\" \"2\"");

    // Deleting from a filtered list takes the entity clicked, not the row's
    // position in the whole table.
    filter->clear();
    EXPECT_EQ(entities()->model()->rowCount(), 4);
    EXPECT_EQ(entities()->currentIndex().row(), 3);
    field->setCurrentIndex(0);
    filter->setText(QStringLiteral("door"));
    clickRow(entities(), 0);
    click(button("cmbDelEnt"));
    EXPECT_EQ(ent::EntityListNames(window_.table()),
              (std::vector<std::string>{"worldspawn", "light", "light"}));
    EXPECT_EQ(texts(entities()), QStringList());
}

TEST_F(MainWindow, UndoAndRedoWalkEveryChangeBackToTheOpen)
{
    open("lights.ent", kLights);
    const std::string opened = ent::EntText(window_.table());
    QAction* undo = get<QAction>("menUndo");
    QAction* redo = get<QAction>("menRedo");
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(window_.isWindowModified());
    EXPECT_EQ(window_.windowTitle(), "Entwright 2.0 - lights.ent[*]");

    clickRow(entities(), 1);
    clickRow(keys(), 1);
    txtValue()->setPlainText(QStringLiteral("hall_lamp2"));
    click(button("cmbApply"));
    clickRow(keys(), 1);
    click(button("cmbDelete"));
    click(button("cmbDelEnt"));
    onModal([](QWidget* modal) {
        child<QLineEdit>(modal, "txtNome")->setText(QStringLiteral("lamp"));
        click(child<QPushButton>(modal, "cmbOk"));
    });
    click(button("cmbAddEnt"));
    const std::string edited = ent::EntText(window_.table());
    EXPECT_TRUE(window_.isWindowModified());

    for (int i = 0; i < 4; ++i)
        trigger("menUndo");
    EXPECT_EQ(ent::EntText(window_.table()), opened);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(window_.isWindowModified());
    // The entity the last undo touched is shown, ready for the next command.
    EXPECT_EQ(texts(keys()).at(1), "\"targetname\" \"hall_lamp\"");
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "func_door", "light"}));

    for (int i = 0; i < 4; ++i)
        trigger("menRedo");
    EXPECT_EQ(ent::EntText(window_.table()), edited);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "func_door", "light", "lamp"}));
}

TEST_F(MainWindow, UnsavedChangesAreOfferedForSavingOnOpenAndClose)
{
    open("lights.ent", kLights);
    writeFile("other.ent", kMap);
    clickRow(entities(), 0);
    txtKey()->setText(QStringLiteral("wad"));
    txtValue()->setPlainText(QStringLiteral("x.wad"));
    click(button("cmbAdd"));

    bool asked = false;
    answerUnsaved(dialogs_, suite::SaveAnswer::Cancel, &asked);
    window_.openFile(pathIn("other.ent"));
    EXPECT_TRUE(asked);
    EXPECT_EQ(window_.currentFile(), pathIn("lights.ent"));
    EXPECT_TRUE(window_.isWindowModified());

    asked = false;
    answerUnsaved(dialogs_, suite::SaveAnswer::Cancel, &asked);
    trigger("menExit");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(window_.isVisible());

    asked = false;
    answerUnsaved(dialogs_, suite::SaveAnswer::Discard, &asked);
    dialogs_.paths.push_back(pathIn("other.ent"));
    trigger("menOpen");
    EXPECT_TRUE(asked);
    EXPECT_EQ(window_.currentFile(), pathIn("other.ent"));
    EXPECT_EQ(readFile("lights.ent"), kLights);

    clickRow(entities(), 0);
    clickRow(keys(), 0);
    txtValue()->setPlainText(QStringLiteral("world"));
    click(button("cmbApply"));
    asked = false;
    answerUnsaved(dialogs_, suite::SaveAnswer::Save, &asked);
    window_.close();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_TRUE(readFile("other.ent").startsWith("{\r\n\"classname\" \"world\"\n"));
}

TEST_F(MainWindow, MapOpensFromItsBspAndSavesBackIntoIt)
{
    const std::string text = kLights.toStdString();
    const auto built = ent::testing::buildMap(30, text + std::string(1, '\0'), {2, 9, 0, 4, 1}, 7);
    writeFile("c1a0.bsp", QByteArray::fromStdString(built.bytes));
    window_.openFile(pathIn("c1a0.bsp"));
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "func_door", "light"}));
    EXPECT_EQ(window_.windowTitle(), "Entwright 2.0 - c1a0.bsp[*]");

    clickRow(entities(), 2);
    click(button("cmbDelEnt"));
    trigger("menSave");
    EXPECT_EQ(dialogs_.lastMessage().text, "File saved sucessfully");
    EXPECT_FALSE(window_.isWindowModified());
    const std::string saved = readFile("c1a0.bsp").toStdString();
    const auto before = ent::ReadBspLayout(built.bytes);
    const auto after = ent::ReadBspLayout(saved);
    ASSERT_TRUE(after.has_value());
    for (std::size_t i = 1; i < ent::kBspLumps; ++i)
        EXPECT_EQ(saved.substr(after->lumps[i].offset, after->lumps[i].length),
                  built.bytes.substr(before->lumps[i].offset, before->lumps[i].length));
    EXPECT_EQ(ent::BspEntityText(saved)->find("func_door"), std::string_view::npos);

    // Save As writes the list out as .ent; the map stays the file Save writes.
    dialogs_.paths.push_back(pathIn("c1a0.ent"));
    trigger("menSaveAs");
    EXPECT_EQ(readFile("c1a0.ent"), QByteArray::fromStdString(ent::EntText(window_.table())));
    EXPECT_EQ(window_.currentFile(), pathIn("c1a0.bsp"));

    // Saved as a map, the list goes into that map's entity lump, never over
    // its lumps; a map that is not there is not made up.
    writeFile("copy.bsp", QByteArray::fromStdString(built.bytes));
    dialogs_.paths.push_back(pathIn("copy.bsp"));
    trigger("menSaveAs");
    EXPECT_EQ(readFile("copy.bsp"), readFile("c1a0.bsp"));
    dialogs_.paths.push_back(pathIn("new.bsp"));
    trigger("menSaveAs");
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);
    EXPECT_FALSE(QFileInfo::exists(pathIn("new.bsp")));
}

TEST_F(MainWindow, RecentFilesAndDropsOpenFiles)
{
    writeFile("a.ent", kLights);
    writeFile("b.ent", kMap);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pathIn("a.ent"))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // QApplication passes on only drops of a real drag, so the window gets
    // the event straight.
    static_cast<QObject*>(&window_)->event(&drop);
    EXPECT_EQ(window_.currentFile(), pathIn("a.ent"));
    window_.openFile(pathIn("b.ent"));
    EXPECT_EQ(window_.currentFile(), pathIn("b.ent"));

    // Newest first, and remembered by the next window.
    frmMain next(programDir(), dialogs_);
    QAction* first = child<QAction>(&next, QStringLiteral("menRecent1"));
    QAction* second = child<QAction>(&next, QStringLiteral("menRecent2"));
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->text().endsWith(QDir::toNativeSeparators(pathIn("b.ent"))));
    second->trigger();
    EXPECT_EQ(next.currentFile(), QFileInfo(pathIn("a.ent")).absoluteFilePath());
}

TEST_F(MainWindow, AHugeValueShowsAtOnce)
{
    const QByteArray value(1 << 20, 'v');
    open("huge.ent", "{\n\"classname\" \"worldspawn\"\n\"message\" \"" + value + "\"\n}\n");
    clickRow(entities(), 0);
    QElapsedTimer clock;
    clock.start();
    clickRow(keys(), 1);
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(txtValue()->document()->characterCount(), (1 << 20) + 1);
    // Applied unchanged, it stays as it was.
    click(button("cmbApply"));
    EXPECT_FALSE(window_.isWindowModified());
}

TEST_F(MainWindow, RefusesQuotesAndCharactersTheCodePageLacks)
{
    open("lights.ent", kLights);
    clickRow(entities(), 1);
    const std::vector<std::string> before = window_.table().Entities[1].KeyLines;
    txtKey()->setText(QStringLiteral("message"));
    txtValue()->setPlainText(QStringLiteral("say \"hi\""));
    click(button("cmbAdd"));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("double quotes"));
    txtValue()->setPlainText(QStringLiteral("\u4E2D\u6587 \u20AC"));
    click(button("cmbAdd"));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains(QStringLiteral("\u4E2D\u6587")));
    EXPECT_FALSE(dialogs_.lastMessage().text.contains(QStringLiteral("\u20AC")));
    clickRow(keys(), 0);
    txtKey()->setText(QStringLiteral("origin"));
    click(button("cmbApply"));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("classname"));
    EXPECT_EQ(window_.table().Entities[1].KeyLines, before);
    EXPECT_FALSE(window_.isWindowModified());
}

class Ripent : public MainWindow {
protected:
    // A stand-in ripent that writes its arguments, one a line, beside itself.
    void installRipent(const QString& name)
    {
        writeFile(name, "#!/bin/sh\n"
                        "out=\"$(dirname \"$0\")/args.txt\"\n"
                        ": > \"$out.tmp\"\n"
                        "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp\"; done\n"
                        "mv \"$out.tmp\" \"$out\"\n");
        QFile::setPermissions(pathIn(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup);
    }

    QByteArray waitForArguments()
    {
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(pathIn("args.txt")) && clock.elapsed() < 20000)
            QTest::qWait(20);
        return readFile("args.txt");
    }

    void run(const char* menu, const QString& path, bool expectClosed = true)
    {
        onModal([this, path, expectClosed](QWidget* modal) {
            child<QLineEdit>(modal, "txtPath")->setText(path);
            click(child<QPushButton>(modal, "cmbRun"));
            EXPECT_EQ(modal->isVisible(), !expectClosed);
            if (modal->isVisible())
                click(child<QPushButton>(modal, "cmbCancel"));
        });
        trigger(menu);
    }
};

TEST_F(Ripent, ExportStartsTheToolWithSwitchAndWholePath)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in tool is a shell script";
#endif
    installRipent(QStringLiteral("ripent"));
    run("menExport", QStringLiteral("/maps/my map.bsp"));
    EXPECT_EQ(waitForArguments(), "-export\n/maps/my map.bsp\n");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(Ripent, ImportWithEmptyPathPassesAnEmptyArgument)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in tool is a shell script";
#endif
    installRipent(QStringLiteral("ripent"));
    run("menImport", QString());
    EXPECT_EQ(waitForArguments(), "-import\n\n");
}

TEST_F(Ripent, ToolThatCannotStartIsAnErrorAndTheWindowStays)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in tool is a shell script";
#endif
    installRipent(QStringLiteral("ripent"));
    QFile::setPermissions(pathIn("ripent"), QFile::ReadOwner | QFile::WriteOwner);
    bool stillOpen = false;
    dialogs_.onShow = [&stillOpen](const FakeDialogs::Shown&) {
        QWidget* modal = QApplication::activeModalWidget();
        stillOpen = modal && modal->objectName() == "frmRipent" && modal->isVisible();
    };
    run("menExport", QStringLiteral("a.bsp"), false);
    EXPECT_TRUE(stillOpen);
    const FakeDialogs::Shown shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.text, "There was an error during opearation");
}

TEST_F(Ripent, ToolThatFailsOrCrashesIsReportedWhenItEnds)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in tool is a shell script";
#endif
    const auto waitForMessage = [this] {
        QElapsedTimer clock;
        clock.start();
        while (dialogs_.messages().isEmpty() && clock.elapsed() < 20000)
            QTest::qWait(20);
    };
    writeFile("ripent", "#!/bin/sh\nexit 3\n");
    QFile::setPermissions(pathIn("ripent"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    run("menImport", QStringLiteral("/maps/a.bsp"));
    waitForMessage();
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("exit code 3"));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("/maps/a.bsp"));

    dialogs_.clear();
    writeFile("ripent", "#!/bin/sh\nkill -SEGV $$\n");
    run("menExport", QStringLiteral("b.bsp"));
    waitForMessage();
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("crashed"));

    // A tool that ends well says nothing.
    dialogs_.clear();
    installRipent(QStringLiteral("ripent"));
    run("menExport", QStringLiteral("c.bsp"));
    EXPECT_EQ(waitForArguments(), "-export\nc.bsp\n");
    // The tool's end is reported, if at all, before its watch goes away.
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return window_.findChildren<RipentWatch*>().isEmpty(); }, 20000));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(Ripent, WithoutTheToolEntwrightExportsAndImportsItself)
{
    const std::string text = "{\n\"classname\" \"worldspawn\"\n}\n";
    const auto map = ent::testing::buildMap(30, text + std::string(1, '\0'), {1, 0, 5}, 2);
    writeFile("map.bsp", QByteArray::fromStdString(map.bytes));

    run("menExport", pathIn("map.bsp"));
    FakeDialogs::Shown shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.title, "Export");
    EXPECT_TRUE(shown.text.contains(pathIn("map.ent"))) << shown.text.toStdString();
    EXPECT_EQ(readFile("map.ent"), QByteArray::fromStdString(text));

    writeFile("map.ent", "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n");
    run("menImport", pathIn("map.bsp"));
    shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.title, "Import");
    EXPECT_TRUE(shown.text.contains("2 entities")) << shown.text.toStdString();
    const std::string imported = readFile("map.bsp").toStdString();
    const auto text2 = ent::BspEntityText(imported);
    ASSERT_TRUE(text2.has_value());
    EXPECT_NE(text2->find("light"), std::string_view::npos);

    // A map that cannot be read keeps the window open with the reason.
    run("menExport", pathIn("nothing.bsp"), false);
    shown = dialogs_.lastMessage();
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(shown.text.startsWith("There was an error during opearation"));
}

TEST_F(Ripent, TitlesAndMapDialog)
{
    dialogs_.paths = {QStringLiteral("/maps/first.bsp"), QString()};
    onModal([this](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Import .ent into BSP");
        QLineEdit* path = child<QLineEdit>(modal, "txtPath");
        click(child<QPushButton>(modal, "cmbOpen"));
        EXPECT_EQ(path->text(), "/maps/first.bsp");
        path->setText(QStringLiteral("typed.bsp"));
        click(child<QPushButton>(modal, "cmbOpen")); // cancelled
        EXPECT_EQ(path->text(), "typed.bsp");
        click(child<QPushButton>(modal, "cmbCancel"));
    });
    trigger("menImport");
    ASSERT_EQ(dialogs_.shown.size(), 2);
    EXPECT_EQ(dialogs_.shown[0].filter, "BSP Files (.BSP)|*.bsp");
    EXPECT_TRUE(dialogs_.shown[0].initial.isEmpty());
    EXPECT_EQ(dialogs_.shown[1].initial, "/maps/first.bsp");

    onModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Export .ent from BSP");
        EXPECT_TRUE(child<QLineEdit>(modal, "txtPath")->text().isEmpty());
        click(child<QPushButton>(modal, "cmbCancel"));
    });
    trigger("menExport");
}

TEST_F(MainWindow, AFileGivenAtStartOpensWithoutTheDialog)
{
    writeFile("given.ent", kMap);
    window_.openFile(pathIn("given.ent"));
    for (const auto& shown : dialogs_.shown)
        EXPECT_NE(shown.kind, suite::testing::FakeDialogs::Kind::OpenFile);
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light", "info_player_start"}));
    EXPECT_EQ(window_.currentFile(), pathIn("given.ent"));
}

// --- Links between entities, edits over many ---

const QByteArray kLinked = "{\n\"classname\" \"worldspawn\"\n}\n"
                           "{\n\"classname\" \"func_button\"\n\"target\" \"door1\"\n}\n"
                           "{\n\"classname\" \"light\"\n\"targetname\" \"lamp\"\n"
                           "\"master\" \"door1\"\n}\n"
                           "{\n\"classname\" \"func_door\"\n\"targetname\" \"door1\"\n}\n";

TEST_F(MainWindow, GoToTargetAndUsedByFollowTheLinks)
{
    open("linked.ent", kLinked);
    auto* goTo = button("cmbGoTo");
    auto* usedBy = get<QListWidget>("listUsedBy");
    ASSERT_TRUE(goTo && usedBy);

    clickRow(entities(), 1);
    clickRow(keys(), 0);
    EXPECT_FALSE(goTo->isEnabled()) << "classname names no entity";
    clickRow(keys(), 1);
    ASSERT_TRUE(goTo->isEnabled());
    // The filter hides the target: following the link must still get there.
    get<QLineEdit>("txtFilter")->setText(QStringLiteral("func_button"));
    click(goTo);
    EXPECT_TRUE(get<QLineEdit>("txtFilter")->text().isEmpty());
    EXPECT_EQ(entities()->currentIndex().row(), 3);
    EXPECT_EQ(keys()->item(1)->text(), "\"targetname\" \"door1\"");

    // The button and the lamp (through master) point at the door.
    ASSERT_EQ(usedBy->count(), 2);
    EXPECT_TRUE(usedBy->item(0)->text().startsWith("func_button"));
    EXPECT_TRUE(usedBy->item(1)->text().startsWith("light"));
    QTest::mouseClick(usedBy->viewport(), Qt::LeftButton, Qt::NoModifier,
                      usedBy->visualItemRect(usedBy->item(1)).center());
    EXPECT_EQ(entities()->currentIndex().row(), 2);
    EXPECT_EQ(usedBy->count(), 0);

    // A link to a name nobody has is said, not followed.
    clickRow(entities(), 1);
    clickRow(keys(), 1);
    txtValue()->setPlainText(QStringLiteral("nobody"));
    click(button("cmbApply"));
    clickRow(keys(), 1);
    click(goTo);
    EXPECT_EQ(dialogs_.lastMessage().text, "No entity has the targetname \"nobody\".");
    EXPECT_EQ(entities()->currentIndex().row(), 1);
}

TEST_F(MainWindow, RenamingATargetnameOffersToTakeItsReferencesAlong)
{
    open("linked.ent", kLinked);
    clickRow(entities(), 3);
    clickRow(keys(), 1);
    txtValue()->setPlainText(QStringLiteral("gate"));
    dialogs_.answers.push_back(true);
    click(button("cmbApply"));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("2 key"));
    EXPECT_EQ(ent::EntText(window_.table()),
              "{\n\"classname\" \"worldspawn\"\n}\n"
              "{\n\"classname\" \"func_button\"\n\"target\" \"gate\"\n}\n"
              "{\n\"classname\" \"light\"\n\"targetname\" \"lamp\"\n\"master\" \"gate\"\n}\n"
              "{\n\"classname\" \"func_door\"\n\"targetname\" \"gate\"\n}\n");
    // One step back gives every line its old name.
    trigger("menUndo");
    EXPECT_EQ(ent::EntText(window_.table()), kLinked.toStdString());

    // Declined: only the line itself changes.
    clickRow(entities(), 3);
    clickRow(keys(), 1);
    txtValue()->setPlainText(QStringLiteral("gate"));
    dialogs_.answers.push_back(false);
    click(button("cmbApply"));
    EXPECT_EQ(window_.table().Entities[1].KeyLines[1], "\"target\" \"door1\"");
    EXPECT_EQ(window_.table().Entities[3].KeyLines[1], "\"targetname\" \"gate\"");
}

TEST_F(MainWindow, SeveralSelectedEntitiesAreEditedAndDeletedTogether)
{
    open("linked.ent", kLinked);
    clickRow(entities(), 1);
    const auto ctrlClick = [this](int row) {
        const QModelIndex index = entities()->model()->index(row, 0);
        QTest::mouseClick(entities()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          entities()->visualRect(index).center());
    };
    ctrlClick(2);
    ctrlClick(3);
    ASSERT_EQ(entities()->selectionModel()->selectedRows().size(), 3);

    dialogs_.inputs = {QStringLiteral("spawnflags"), QStringLiteral("1")};
    trigger("menSetKey");
    for (std::size_t i = 1; i <= 3; ++i)
        EXPECT_EQ(window_.table().Entities[i].KeyLines.back(), "\"spawnflags\" \"1\"") << i;
    EXPECT_EQ(window_.table().Entities[0].KeyLines.size(), 1u);
    EXPECT_EQ(entities()->selectionModel()->selectedRows().size(), 3) << "selection kept";

    dialogs_.inputs = {QStringLiteral("targetname")};
    trigger("menDeleteKey");
    EXPECT_EQ(ent::EntText(window_.table()).find("targetname"), std::string::npos);

    trigger("menUndo");
    trigger("menUndo");
    EXPECT_EQ(ent::EntText(window_.table()), kLinked.toStdString());

    clickRow(entities(), 1);
    ctrlClick(3);
    click(button("cmbDelEnt"));
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light"}));
    trigger("menUndo");
    EXPECT_EQ(ent::EntText(window_.table()), kLinked.toStdString());
}

TEST_F(MainWindow, FindAndReplaceSaysHowManyBeforeChanging)
{
    open("linked.ent", kLinked);
    const auto replace = [this](const QString& find, const QString& with, bool regex) {
        onModal([find, with, regex](QWidget* modal) {
            EXPECT_EQ(modal->objectName(), "frmReplace");
            child<QLineEdit>(modal, "txtFind")->setText(find);
            child<QLineEdit>(modal, "txtReplace")->setText(with);
            child<QCheckBox>(modal, "chkRegex")->setChecked(regex);
            click(child<QPushButton>(modal, "cmbReplaceAll"));
        });
        trigger("menReplace");
    };
    replace(QStringLiteral("door1"), QStringLiteral("gate"), false);
    EXPECT_EQ(dialogs_.lastMessage().text, "Replace 3 occurrence(s) in 3 line(s) of 3 entities?");
    EXPECT_EQ(ent::EntText(window_.table()), kLinked.toStdString()) << "declined";

    dialogs_.answers.push_back(true);
    replace(QStringLiteral("^(door|lamp)$"), QStringLiteral("$1_2"), true);
    EXPECT_EQ(window_.table().Entities[2].KeyLines[1], "\"targetname\" \"lamp_2\"");
    EXPECT_EQ(window_.table().Entities[2].KeyLines[2], "\"master\" \"door1\"");
    trigger("menUndo");
    EXPECT_EQ(ent::EntText(window_.table()), kLinked.toStdString());

    replace(QStringLiteral("(("), QString(), true);
    EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("The regular expression is not valid"));
}

TEST_F(Ripent, BuiltInImportIntoTheOpenMapReloadsItAndExportAsksBeforeReplacing)
{
    const std::string text = "{\n\"classname\" \"worldspawn\"\n}\n";
    const auto map = ent::testing::buildMap(30, text + std::string(1, '\0'), {1, 0, 5}, 2);
    writeFile("map.bsp", QByteArray::fromStdString(map.bytes));
    window_.openFile(pathIn("map.bsp"));
    ASSERT_EQ(window_.currentFile(), pathIn("map.bsp"));

    writeFile("map.ent", "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n");
    run("menImport", pathIn("map.bsp"));
    EXPECT_EQ(texts(entities()), (QStringList{"worldspawn", "light"}));
    EXPECT_FALSE(window_.isModified());

    // Declining keeps the .ent the user may have edited.
    dialogs_.clear();
    run("menExport", pathIn("map.bsp"), false);
    ASSERT_FALSE(dialogs_.shown.isEmpty());
    EXPECT_TRUE(dialogs_.shown.first().defaultNo);
    EXPECT_TRUE(dialogs_.shown.first().text.contains("already exists"));
    EXPECT_EQ(readFile("map.ent"),
              "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n");
}

// --- Game data ---

const QByteArray kSpriteFgd =
    "@BaseClass = Targetname [ targetname(target_source) : \"Name\" ]\n"
    "@PointClass base(Targetname) = env_sprite : \"Sprite\"\n"
    "[\n"
    "  rendermode(choices) : \"Render Mode\" : 0 : \"How it is drawn\" =\n"
    "  [\n"
    "    0 : \"Normal\"\n"
    "    5 : \"Additive\"\n"
    "  ]\n"
    "  rendercolor(color255) : \"FX Color\" : \"0 0 0\"\n"
    "  framerate(integer) : \"Framerate\" : 10\n"
    "  spawnflags(flags) =\n"
    "  [\n"
    "    1 : \"Start on\" : 1\n"
    "    2 : \"Play once\" : 0\n"
    "  ]\n"
    "]\n";

const QByteArray kSprites = "{\n\"classname\" \"worldspawn\"\n}\n"
                            "{\n\"classname\" \"env_sprite\"\n\"rendermode\"  \"5\"\n"
                            "\"spawnflags\"\t\"1\"\n\"_note\" \"mine\"\n}\n";

class GameDataWindow : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        writeFile("sprites.fgd", kSpriteFgd);
        ASSERT_TRUE(window_.loadGameData({pathIn("sprites.fgd")}));
        open("sprites.ent", kSprites);
        clickRow(entities(), 1);
    }

    QTableWidget* table() { return get<QTableWidget>("tblProperties"); }

    // The row whose name column reads `name`; -1 when none.
    int rowNamed(const QString& name)
    {
        for (int row = 0; row < table()->rowCount(); ++row)
            if (table()->item(row, 0)->text() == name)
                return row;
        return -1;
    }

    std::string line(std::size_t index) const
    {
        return std::string(window_.table().Entities[1].KeyLines[index]);
    }
};

TEST_F(GameDataWindow, PropertyTableShowsChoicesFlagsAndColourAndEditsThemInPlace)
{
    ASSERT_TRUE(get<QCheckBox>("chkSmartEdit")->isChecked());
    ASSERT_TRUE(table()->isVisible());
    const int mode = rowNamed(QStringLiteral("Render Mode"));
    const int colour = rowNamed(QStringLiteral("FX Color"));
    const int rate = rowNamed(QStringLiteral("Framerate"));
    ASSERT_GE(mode, 0);
    ASSERT_GE(colour, 0);
    ASSERT_GE(rate, 0);
    EXPECT_TRUE(table()->item(mode, 0)->toolTip().contains("How it is drawn"));
    EXPECT_FALSE(table()->item(mode, 0)->data(PropertyTable::DefaultRole).toBool());
    EXPECT_TRUE(table()->item(colour, 0)->data(PropertyTable::DefaultRole).toBool());
    // The key the game data does not know is there, raw.
    EXPECT_GE(rowNamed(QStringLiteral("_note")), 0);

    // Choices: a drop-down at the stored value; a new choice changes only
    // the value, the double space stays.
    auto* choices = qobject_cast<QComboBox*>(table()->cellWidget(mode, 1));
    ASSERT_NE(choices, nullptr);
    EXPECT_EQ(choices->currentData().toByteArray(), "5");
    choices->setCurrentIndex(0);
    emit choices->activated(0);
    EXPECT_EQ(line(1), "\"rendermode\"  \"0\"");
    choices = qobject_cast<QComboBox*>(table()->cellWidget(rowNamed("Render Mode"), 1));
    choices->setCurrentIndex(1);
    emit choices->activated(1);
    EXPECT_EQ(line(1), "\"rendermode\"  \"5\"") << "edited and edited back: the line as read";

    // Flags: check boxes; on and off again gives the line that was read.
    const auto flag = [this](int bit) {
        QWidget* flags = table()->cellWidget(rowNamed(QStringLiteral("spawnflags")), 1);
        return flags ? flags->findChild<QCheckBox*>(QStringLiteral("flag_%1").arg(bit)) : nullptr;
    };
    ASSERT_NE(flag(1), nullptr);
    EXPECT_TRUE(flag(1)->isChecked());
    EXPECT_FALSE(flag(2)->isChecked());
    click(flag(2));
    EXPECT_EQ(line(2), "\"spawnflags\"\t\"3\"");
    click(flag(2));
    EXPECT_EQ(line(2), "\"spawnflags\"\t\"1\"");

    // Colour: the button's chooser adds the missing key.
    onModal([](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        chooser->setCurrentColor(QColor(10, 20, 30));
        chooser->accept();
    });
    click(table()->cellWidget(colour, 1)->findChild<QPushButton*>("colour_rendercolor"));
    EXPECT_EQ(line(4), "\"rendercolor\" \"10 20 30\"");

    // A number box for integers; the raw lines stay a switch away, all of
    // them, untouched ones byte for byte.
    auto* number = qobject_cast<QSpinBox*>(table()->cellWidget(rowNamed("Framerate"), 1));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->value(), 10);
    get<QCheckBox>("chkSmartEdit")->setChecked(false);
    EXPECT_TRUE(keys()->isVisible());
    EXPECT_EQ(keys()->count(), 5);
    EXPECT_EQ(keys()->item(3)->text(), "\"_note\" \"mine\"");

    trigger("menUndo");
    EXPECT_EQ(window_.table().Entities[1].KeyLines.size(), 4u);

    // Text the code page cannot hold is refused, not stored as '?'.
    get<QCheckBox>("chkSmartEdit")->setChecked(true);
    auto* note = qobject_cast<QLineEdit*>(table()->cellWidget(rowNamed("_note"), 1));
    ASSERT_NE(note, nullptr);
    note->setText(QStringLiteral("\u4e2d"));
    note->setModified(true);
    emit note->editingFinished();
    EXPECT_EQ(line(3), "\"_note\" \"mine\"");
    EXPECT_TRUE(dialogs_.lastMessage().text.contains(QStringLiteral("\u4e2d")));
}

TEST_F(GameDataWindow, AddingAnEntityOffersTheClassesWithTheirDefaults)
{
    onModal([](QWidget* modal) {
        auto* classes = child<QListWidget>(modal, "lstClasses");
        ASSERT_NE(classes, nullptr);
        ASSERT_EQ(classes->count(), 1) << "base classes are not offered";
        classes->setCurrentRow(0);
        EXPECT_EQ(child<QLineEdit>(modal, "txtNome")->text(), "env_sprite");
        click(child<QPushButton>(modal, "cmbOk"));
    });
    click(button("cmbAddEnt"));
    ASSERT_EQ(window_.table().Entities.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(window_.table().Entities[2].KeyLines),
              (std::vector<std::string>{"\"classname\" \"env_sprite\"", "\"rendermode\" \"0\"",
                                        "\"rendercolor\" \"0 0 0\"", "\"framerate\" \"10\"",
                                        "\"spawnflags\" \"1\""}));
    trigger("menUndo");
    EXPECT_EQ(window_.table().Entities.size(), 2u);
}

TEST_F(GameDataWindow, GameDataIsRememberedAndItsProblemsShown)
{
    frmMain second(programDir(), dialogs_);
    EXPECT_FALSE(second.gameData().empty());
    EXPECT_NE(second.gameData().findEntityClass("env_sprite"), nullptr);

    writeFile("broken.fgd", "@PointClass = good : \"ok\" []\n@PointClass = bad [\n");
    dialogs_.clear();
    window_.loadGameData({pathIn("broken.fgd")});
    EXPECT_NE(window_.gameData().findEntityClass("good"), nullptr);
    ASSERT_FALSE(dialogs_.messages().isEmpty());
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("broken.fgd:"))
        << dialogs_.lastMessage().text.toStdString();
}

TEST_F(MainWindow, CheckListsProblemsAndADoubleClickLeadsToTheKey)
{
    open("checked.ent", "{\n\"classname\" \"worldspawn\"\n}\n"
                        "{\n\"classname\" \"trigger_once\"\n\"target\" \"nowhere\"\n}\n"
                        "{\n\"classname\" \"light\"\n\"style\" \"0\"\n\"origin\" \"0 0 0\"\n"
                        "\"style\" \"2\"\n}\n");
    trigger("menCheck");
    auto* problems = get<QListWidget>("lstProblems");
    ASSERT_NE(problems, nullptr);
    ASSERT_TRUE(problems->isVisible());
    ASSERT_EQ(problems->count(), 2);
    EXPECT_TRUE(problems->item(0)->text().startsWith("checked.ent:6: warning:"))
        << problems->item(0)->text().toStdString();
    EXPECT_TRUE(problems->item(1)->text().startsWith("checked.ent:12: warning:"))
        << problems->item(1)->text().toStdString();

    // The second "style" of the light: its entity and line are selected.
    emit problems->itemDoubleClicked(problems->item(1));
    EXPECT_EQ(entities()->currentIndex().row(), 2);
    EXPECT_EQ(keys()->currentRow(), 3);
    EXPECT_EQ(txtValue()->toPlainText(), "2");

    // An edit runs the check again; nothing blocks a save meanwhile.
    click(button("cmbDelete"));
    EXPECT_EQ(problems->count(), 1);
}

} // namespace
