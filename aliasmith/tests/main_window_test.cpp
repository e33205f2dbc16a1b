#include "aliasmith/ui/about_dialog.h"
#include "aliasmith/ui/main_window.h"

#include "aliasmith/core/language.h"

#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"
#include "common/ui/language.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace aliasmith {
namespace {

// Every test starts as the program does on a desktop of neither language.
void useSourceLanguage()
{
    suite::setUpLanguages({QStringLiteral("aliasmith"), suite::kEnglish, QString()});
    suite::testing::useLanguage(QString());
}

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;

// Each caption of the main window as the two languages read, by control.
struct ExpectedCaption {
    const char* control;
    const char* english;
    const char* portuguese;
};
const ExpectedCaption kCaptions[] = {
    {"Frame1", "Hamachi directory", "Diretório do Hamachi"},
    {"Frame2", "Language", "Idioma"},
    {"Frame3", "Profile", "Perfil"},
    {"fraAlias", "Aliases", "Aliases"},
    {"Label4", "Select Aliasmith's language:", "Selecione o idioma:"},
    {"Label2", "Select your alias profile:", "Selecione o perfil:"},
    {"Label1", "Your Hamachi IP address:", "Seu IP do Hamachi:"},
    {"Label3", "Add IP:", "Adicionar IP:"},
    {"cmbNew", "New...", "Novo..."},
    {"cmbDelete", "Delete", "Deletar"},
    {"cmbDelSel", "Delete selected", "Deletar seleção"},
    {"cmbUpdate", "Update masks", "Atualizar"},
    {"cmbAdd", "Add", "Adicionar"},
    {"cmbAbout", "About...", "Sobre..."},
    {"cmbUnload", "Unload profile", "Descarregar"},
    {"cmbUse", "Use profile", "Usar perfil"},
    {"cmbSave", "Save", "Salvar"},
};

class MainWindowTest : public suite::testing::WindowTest {
protected:
    void SetUp() override { useSourceLanguage(); }

    std::unique_ptr<MainWindow> start()
    {
        auto window = std::make_unique<MainWindow>(programDir(), dialogs_);
        window->show();
        return window;
    }

    void restart()
    {
        window_->close();
        window_ = start();
    }

    template <typename T>
    T* w(const char* name) const
    {
        return child<T>(window_.get(), QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const { return w<QPushButton>(name); }
    QTreeWidget* list() const { return w<QTreeWidget>("lstAlias"); }
    QComboBox* profiles() const { return w<QComboBox>("cboProfile"); }

    void setLanguage(Language language)
    {
        w<QComboBox>("cboLang")->setCurrentIndex(language == Language::English ? 0 : 1);
    }

    void newProfile(const QString& name)
    {
        dialogs_.inputs.push_back(name);
        click(button("cmbNew"));
    }

    void addRow(const QString& trueIp)
    {
        w<QLineEdit>("txtFriend")->setText(trueIp);
        click(button("cmbAdd"));
    }

    QStringList column(int index) const
    {
        QStringList texts;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            texts << list()->topLevelItem(i)->text(index);
        return texts;
    }

    QStringList profileNames() const
    {
        QStringList names;
        for (int i = 0; i < profiles()->count(); ++i)
            names << profiles()->itemText(i);
        return names;
    }

    bool fullLayout() const
    {
        const bool full = w<QGroupBox>("fraAlias")->isVisible();
        for (const char* name : {"cmbAdd", "cmbDelSel", "cmbUpdate"})
            EXPECT_EQ(button(name)->isVisible(), full) << name;
        const int top = full ? MainWindow::kFullButtonTop : MainWindow::kCompactButtonTop;
        for (const char* name : {"cmbAbout", "cmbUse", "cmbSave", "cmbUnload"})
            EXPECT_EQ(button(name)->y(), top) << name;
        EXPECT_EQ(window_->height(), full ? MainWindow::kFullHeight : MainWindow::kCompactHeight);
        return full;
    }

    // Save, Use profile and Unload profile go together.
    bool profileButtonsEnabled() const
    {
        const bool enabled = button("cmbSave")->isEnabled();
        EXPECT_EQ(button("cmbUse")->isEnabled(), enabled);
        EXPECT_EQ(button("cmbUnload")->isEnabled(), enabled);
        return enabled;
    }

    void expectCaptions(Language language) const
    {
        const bool english = language == Language::English;
        for (const ExpectedCaption& caption : kCaptions) {
            const QString control = QString::fromLatin1(caption.control);
            auto* widget = window_->findChild<QWidget*>(control);
            ASSERT_NE(widget, nullptr) << control.toStdString();
            QString shown;
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                shown = frame->title();
            else if (auto* label = qobject_cast<QLabel*>(widget))
                shown = label->text();
            else if (auto* pushButton = qobject_cast<QPushButton*>(widget))
                shown = pushButton->text();
            EXPECT_EQ(shown, QString::fromUtf8(english ? caption.english : caption.portuguese))
                << control.toStdString();
        }
        const QStringList headings = english ? QStringList{"Nick", "True IP", "Alias"}
                                             : QStringList{"Apelido", "IP verdadeiro", "Alias"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(list()->headerItem()->text(i), headings[i]);
    }

    void expectLastMessage(MessageIcon icon, const QString& title, const QString& text) const
    {
        const auto last = dialogs_.lastMessage();
        EXPECT_EQ(last.icon, icon);
        EXPECT_EQ(last.title, title);
        EXPECT_EQ(last.text, text);
    }

    void writeProfile(const char* name, const QByteArray& bytes)
    {
        QDir(programDir()).mkpath(QStringLiteral("profiles"));
        writeFile(QStringLiteral("profiles/%1.aprof").arg(QLatin1String(name)), bytes);
    }

    QString hamachiDir()
    {
        QDir(programDir()).mkpath(QStringLiteral("Hamachi"));
        return pathIn(QStringLiteral("Hamachi"));
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, FirstStartWithoutSettings)
{
    window_ = start();
    EXPECT_EQ(window_->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Aliasmith Alias Manager"));
    EXPECT_FALSE(fullLayout());
    EXPECT_FALSE(profileButtonsEnabled());
    EXPECT_TRUE(button("cmbNew")->isEnabled());
    EXPECT_EQ(w<QComboBox>("cboLang")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(w<QComboBox>("cboLang")->count(), 2);
    EXPECT_EQ(profiles()->count(), 0);
    EXPECT_TRUE(w<QLineEdit>("txtPath")->text().isEmpty());
    expectCaptions(Language::English);

    window_->close();
    EXPECT_EQ(readFile("am.ini"), QByteArray("\r\nEnglish\r\n"));
    EXPECT_TRUE(dialogs_.shown.isEmpty());
}

TEST_F(MainWindowTest, SwitchingLanguagesSetsEveryCaption)
{
    window_ = start();
    setLanguage(Language::Portuguese);
    expectCaptions(Language::Portuguese);
    EXPECT_EQ(window_->language(), Language::Portuguese);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Aliasmith Alias Manager"));
    setLanguage(Language::English);
    expectCaptions(Language::English);
    EXPECT_EQ(window_->language(), Language::English);
}

TEST_F(MainWindowTest, SwitchingLanguagesSwitchesQtsOwnTextsToo)
{
    // The standard buttons of every question come from Qt's own translations.
    window_ = start();
    setLanguage(Language::Portuguese);
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(window_.get()),
              (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));
    setLanguage(Language::English);
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(window_.get()),
              (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
}

TEST_F(MainWindowTest, AFirstStartSpeaksTheDesktopsLanguageAndAmIniOverridesIt)
{
    suite::testing::useLanguage(suite::kPortuguese); // as start-up does for a Brazilian desktop
    window_ = start();
    EXPECT_EQ(w<QComboBox>("cboLang")->currentText(), QStringLiteral("Português"));
    expectCaptions(Language::Portuguese);

    window_->close();
    writeFile("am.ini", "\r\nEnglish\r\n");
    suite::testing::useLanguage(suite::kPortuguese);
    window_ = start();
    EXPECT_EQ(window_->language(), Language::English);
    expectCaptions(Language::English);
}

TEST_F(MainWindowTest, EveryControlIsNamedEveryTextFitsAndTabFollowsReadingOrder)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);
    for (const Language language : {Language::English, Language::Portuguese}) {
        setLanguage(language);
        SCOPED_TRACE(language == Language::English ? "English" : "Portuguese");
        suite::testing::expectAccessibleNames(window_.get());
        suite::testing::expectTextsFit(window_.get());
        AboutDialog about(window_.get());
        about.show();
        suite::testing::expectAccessibleNames(&about);
        suite::testing::expectTextsFit(&about);
    }

    QStringList order;
    QWidget* widget = w<QLineEdit>("txtPath");
    do {
        if (widget->isVisibleTo(window_.get()) && widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != w<QLineEdit>("txtPath"));
    EXPECT_EQ(order,
              QStringList({"txtPath", "cmbPath", "cboLang", "cboProfile", "cmbNew", "cmbDelete",
                           "txtIP", "txtFriend", "cmbAdd", "lstAlias", "cmbDelSel", "cmbUpdate",
                           "cmbAbout", "cmbSave", "cmbUse", "cmbUnload"}));
}

TEST_F(MainWindowTest, ClosingInPortugueseStartsInPortuguese)
{
    window_ = start();
    w<QLineEdit>("txtPath")->setText(QStringLiteral("C:\\Hamachi"));
    setLanguage(Language::Portuguese);
    restart();
    EXPECT_EQ(readFile("am.ini"), QByteArray("C:\\Hamachi\r\nPortugu\xEAs\r\n"));
    EXPECT_EQ(w<QComboBox>("cboLang")->currentText(), QStringLiteral("Português"));
    EXPECT_EQ(w<QLineEdit>("txtPath")->text(), QStringLiteral("C:\\Hamachi"));
    expectCaptions(Language::Portuguese);
}

TEST_F(MainWindowTest, ReadsSettingsWrittenElsewhere)
{
    writeFile("am.ini", "D:\\Ham achi\r\n   Portugu\xEAs  \r\n");
    window_ = start();
    EXPECT_EQ(w<QLineEdit>("txtPath")->text(), QStringLiteral("D:\\Ham achi"));
    EXPECT_EQ(window_->language(), Language::Portuguese);

    writeFile("am.ini", "\xEF\xBB\xBF"
                        "D:\\Игры\r\nPortuguês\r\n"); // saved as UTF-8
    window_ = start();
    EXPECT_EQ(window_->language(), Language::Portuguese);
    EXPECT_EQ(w<QLineEdit>("txtPath")->text(), QStringLiteral("D:\\Игры"));

    writeFile("am.ini", "D:\\Hamachi\r\nKlingon\r\n");
    window_ = start();
    EXPECT_EQ(window_->language(), Language::English);
    expectCaptions(Language::English);

    writeFile("am.ini", "");
    window_ = start();
    EXPECT_EQ(window_->language(), Language::English);
    EXPECT_TRUE(w<QLineEdit>("txtPath")->text().isEmpty());
}

TEST_F(MainWindowTest, NewSaveAndDeleteProfile)
{
    window_ = start();
    newProfile(QStringLiteral("home"));
    EXPECT_EQ(dialogs_.shown.size(), 1);
    EXPECT_EQ(dialogs_.shown[0].title, QStringLiteral("New profile"));
    EXPECT_EQ(dialogs_.shown[0].text, QStringLiteral("Type a name for your profile"));
    EXPECT_EQ(readFile("profiles/home.aprof"), QByteArray("\r\n"));
    EXPECT_EQ(profiles()->currentText(), QStringLiteral("home"));
    EXPECT_TRUE(fullLayout());
    EXPECT_TRUE(profileButtonsEnabled());
    EXPECT_FALSE(button("cmbDelSel")->isEnabled());

    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.10"));
    addRow(QStringLiteral("5.1.1.1"));
    addRow(QStringLiteral("5.2.2.2"));
    EXPECT_TRUE(button("cmbDelSel")->isEnabled());
    list()->topLevelItem(0)->setText(0, QStringLiteral("Ana Maria"));
    // A profile put in the folder by hand shows once the list is rebuilt.
    writeProfile("lan", "\r\n");
    click(button("cmbSave"));
    EXPECT_EQ(readFile("profiles/home.aprof"),
              QByteArray(
                  "5.0.0.10\r\n5.1.1.1 5.0.0.1 Ana Maria\r\n5.2.2.2 5.0.0.2 FriendName\r\n"));
    EXPECT_EQ(profileNames(), (QStringList{QStringLiteral("home"), QStringLiteral("lan")}));
    EXPECT_EQ(profiles()->currentText(), QStringLiteral("home"));
    EXPECT_EQ(column(0), (QStringList{QStringLiteral("Ana Maria"), QStringLiteral("FriendName")}));
    EXPECT_TRUE(fullLayout());
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    click(button("cmbDelete"));
    EXPECT_FALSE(QFile::exists(pathIn("profiles/home.aprof")));
    EXPECT_EQ(profileNames(), QStringList{QStringLiteral("lan")});
    EXPECT_EQ(profiles()->currentIndex(), -1);
    EXPECT_FALSE(fullLayout());
    EXPECT_FALSE(profileButtonsEnabled());
    EXPECT_TRUE(w<QLineEdit>("txtIP")->text().isEmpty());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(MainWindowTest, SelectingAProfileLoadsItAndAsksBeforeDroppingEdits)
{
    writeProfile("lan", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n\r\n");
    writeProfile("work", "7.0.0.1\r\n");
    window_ = start();
    EXPECT_EQ(profiles()->currentIndex(), -1);
    EXPECT_FALSE(fullLayout());

    profiles()->setCurrentIndex(0);
    EXPECT_TRUE(fullLayout());
    EXPECT_TRUE(profileButtonsEnabled());
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("5.0.0.9"));
    EXPECT_EQ(column(0), (QStringList{QStringLiteral("Ana"), QString()}));
    EXPECT_EQ(column(1), (QStringList{QStringLiteral("1.1.1.1"), QString()}));
    EXPECT_EQ(column(2), (QStringList{QStringLiteral("5.0.0.1"), QString()}));
    EXPECT_TRUE(button("cmbDelSel")->isEnabled());
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    // No: the edited rows and the list's selection stay.
    addRow(QStringLiteral("2.2.2.2"));
    profiles()->setCurrentIndex(1);
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.lastMessage().kind, suite::testing::FakeDialogs::Kind::Question);
    EXPECT_TRUE(dialogs_.lastMessage().defaultNo);
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Unsaved changes"));
    EXPECT_EQ(profiles()->currentText(), QStringLiteral("lan"));
    EXPECT_EQ(list()->topLevelItemCount(), 3);

    // Yes: the other profile loads and the edits are gone.
    dialogs_.answers.push_back(true);
    profiles()->setCurrentIndex(1);
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("7.0.0.1"));
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_FALSE(button("cmbDelSel")->isEnabled());
    profiles()->setCurrentIndex(0); // nothing unsaved: no question
    EXPECT_EQ(dialogs_.messages().size(), 2);
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_EQ(readFile("profiles/lan.aprof"), QByteArray("5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n\r\n"));
}

TEST_F(MainWindowTest, OnlyTheNickCanBeEdited)
{
    writeProfile("lan", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);
    QTreeWidgetItem* item = list()->topLevelItem(0);
    EXPECT_TRUE(item->flags() & Qt::ItemIsEditable);
    auto* delegate = list()->itemDelegate();
    QStyleOptionViewItem option;
    for (int columnIndex = 0; columnIndex < 3; ++columnIndex) {
        const QModelIndex index = list()->model()->index(0, columnIndex);
        QWidget* editor = delegate->createEditor(list()->viewport(), option, index);
        EXPECT_EQ(editor != nullptr, columnIndex == 0) << columnIndex;
        delete editor;
    }
}

TEST_F(MainWindowTest, NewProfileNameProblems)
{
    window_ = start();
    click(button("cmbNew")); // cancelled
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    newProfile(QString());
    expectLastMessage(MessageIcon::Critical, QStringLiteral("No name"),
                      QStringLiteral("You must enter a name for your profile!"));
    newProfile(QStringLiteral("a?b"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Invalid name"));

    setLanguage(Language::Portuguese);
    dialogs_.clear();
    newProfile(QStringLiteral("  "));
    EXPECT_EQ(dialogs_.shown[0].title, QStringLiteral("Novo perfil"));
    EXPECT_EQ(dialogs_.shown[0].text, QStringLiteral("Digite um nome para o seu perfil"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Sem nome"),
                      QStringLiteral("Você deve entrar com um nome para o seu perfil!"));
    newProfile(QStringLiteral("x/y"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Nome inválido"));

    EXPECT_EQ(profiles()->count(), 0);
    EXPECT_FALSE(QDir(pathIn("profiles")).exists() &&
                 !QDir(pathIn("profiles")).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(fullLayout());
}

TEST_F(MainWindowTest, NewProfileAsksBeforeReplacingAnExistingOne)
{
    const QByteArray kept("5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    writeProfile("home", kept);
    window_ = start();

    dialogs_.answers.push_back(false);
    newProfile(QStringLiteral("home"));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.lastMessage().kind, suite::testing::FakeDialogs::Kind::Question);
    EXPECT_TRUE(dialogs_.lastMessage().defaultNo); // Enter must never empty a profile
    EXPECT_EQ(readFile("profiles/home.aprof"), kept);
    EXPECT_EQ(profileNames(), QStringList{QStringLiteral("home")});
    EXPECT_FALSE(fullLayout());

    dialogs_.answers.push_back(true);
    newProfile(QStringLiteral("home"));
    EXPECT_EQ(readFile("profiles/home.aprof"), QByteArray("\r\n"));
    EXPECT_EQ(profileNames(), QStringList{QStringLiteral("home")});
    EXPECT_EQ(profiles()->currentText(), QStringLiteral("home"));
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(fullLayout());
}

TEST_F(MainWindowTest, AddDeleteAndRenumberRows)
{
    window_ = start();
    newProfile(QStringLiteral("home"));
    addRow(QStringLiteral("1.1.1.1"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Invalid IP"),
                      QStringLiteral("Invalid IP!"));
    w<QLineEdit>("txtIP")->setText(QStringLiteral("1234"));
    addRow(QStringLiteral("1.1.1.1"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Invalid IP"),
                      QStringLiteral("Your IP is invalid!"));
    setLanguage(Language::Portuguese);
    addRow(QStringLiteral("1.1.1.1"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("IP inválido"),
                      QStringLiteral("Seu IP é inválido!"));
    w<QLineEdit>("txtIP")->clear();
    addRow(QStringLiteral("1.1.1.1"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("IP inválido"),
                      QStringLiteral("IP inválido!"));
    EXPECT_EQ(list()->topLevelItemCount(), 0);

    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.10.20.3"));
    for (const char* ip : {"1.0.0.1", "1.0.0.2", " 1.0.0.3\t", "1.0.0.4"})
        addRow(QString::fromLatin1(ip));
    EXPECT_EQ(column(2), (QStringList{"5.10.20.1", "5.10.20.2", "5.10.20.4", "5.10.20.5"}));
    EXPECT_EQ(column(1), (QStringList{"1.0.0.1", "1.0.0.2", "1.0.0.3", "1.0.0.4"}));
    EXPECT_EQ(w<QLineEdit>("txtFriend")->text(), QStringLiteral("1.0.0.4"));

    click(button("cmbDelSel")); // nothing selected
    EXPECT_EQ(list()->topLevelItemCount(), 4);
    list()->topLevelItem(1)->setSelected(true);
    click(button("cmbDelSel"));
    EXPECT_EQ(column(2), (QStringList{"5.10.20.1", "5.10.20.4", "5.10.20.5"}));
    addRow(QStringLiteral("1.0.0.5"));
    EXPECT_EQ(column(2).last(), QStringLiteral("5.10.20.6"));

    click(button("cmbUpdate"));
    EXPECT_EQ(column(2), (QStringList{"5.10.20.1", "5.10.20.2", "5.10.20.3", "5.10.20.4"}));
    EXPECT_EQ(column(1), (QStringList{"1.0.0.1", "1.0.0.3", "1.0.0.4", "1.0.0.5"}));

    while (list()->topLevelItemCount() > 0) {
        EXPECT_TRUE(button("cmbDelSel")->isEnabled());
        list()->topLevelItem(0)->setSelected(true);
        click(button("cmbDelSel"));
    }
    EXPECT_FALSE(button("cmbDelSel")->isEnabled());
}

TEST_F(MainWindowTest, UseAndUnloadProfileInBothLanguages)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n2.2.2.2 5.0.0.2 Bob\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);

    click(button("cmbUse")); // no Hamachi directory yet
    click(button("cmbUnload"));
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    w<QLineEdit>("txtPath")->setText(hamachiDir());
    click(button("cmbUnload")); // no alias file yet
    EXPECT_TRUE(dialogs_.messages().isEmpty());

    // An alias file Aliasmith did not write stays, and the user is told.
    writeFile("Hamachi/aliases.txt", "old old old old\r\n");
    click(button("cmbUnload"));
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray("old old old old\r\n"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Not unloaded"));

    // Unsaved rows: Hamachi gets nothing until they are saved.
    list()->topLevelItem(1)->setSelected(true);
    click(button("cmbDelSel"));
    click(button("cmbUse"));
    EXPECT_EQ(dialogs_.lastMessage().kind, suite::testing::FakeDialogs::Kind::Question);
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray("old old old old\r\n"));
    dialogs_.answers.push_back(true); // save them and use the profile
    click(button("cmbUse"));
    EXPECT_EQ(readFile("profiles/home.aprof"), QByteArray("5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n"));
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray("1.1.1.1 5.0.0.1\r\n"));
    expectLastMessage(MessageIcon::Information, QStringLiteral("Alias Updated"),
                      QStringLiteral("Using home profile. Please restart Hamachi."));
    click(button("cmbUnload"));
    EXPECT_FALSE(QFile::exists(pathIn("Hamachi/aliases.txt")));
    expectLastMessage(MessageIcon::Information, QStringLiteral("Unloaded"),
                      QStringLiteral("Profile unlodaded"));

    // Rows Save refuses never reach Hamachi.
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9 x"));
    dialogs_.answers.push_back(true);
    click(button("cmbUse"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Invalid IP"));
    EXPECT_FALSE(QFile::exists(pathIn("Hamachi/aliases.txt")));
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9"));

    setLanguage(Language::Portuguese);
    list()->topLevelItem(0)->setSelected(true);
    click(button("cmbDelSel"));
    dialogs_.answers.push_back(true);
    click(button("cmbUse"));
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray());
    EXPECT_TRUE(QFile::exists(pathIn("Hamachi/aliases.txt")));
    expectLastMessage(MessageIcon::Information, QStringLiteral("Alias atualizado"),
                      QStringLiteral("Utilizadndo o perfil home. Por favor, reinicie o Hamachi."));
    click(button("cmbUnload"));
    expectLastMessage(MessageIcon::Information, QStringLiteral("Descarregado"),
                      QStringLiteral("Perfil descarregado"));
}

TEST_F(MainWindowTest, HamachiDirectoryEndingInASeparator)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);
    w<QLineEdit>("txtPath")->setText(hamachiDir() + QDir::separator());
    click(button("cmbUse"));
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray("1.1.1.1 5.0.0.1\r\n"));
    click(button("cmbUnload"));
    EXPECT_FALSE(QFile::exists(pathIn("Hamachi/aliases.txt")));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Unloaded"));
}

TEST_F(MainWindowTest, InvalidHamachiDirectory)
{
    window_ = start();
    newProfile(QStringLiteral("home"));
    w<QLineEdit>("txtPath")->setText(pathIn("NoSuchFolder"));
    click(button("cmbUse"));
    // The usual words, then why.
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Invalid directory"),
                      QStringLiteral("Invalid Hamachi direcory\n\n"
                                     "the file or folder does not exist"));
    setLanguage(Language::Portuguese);
    click(button("cmbUse"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Diretório inválido"),
                      QStringLiteral("Diretório do Hamachi é inválido!\n\n"
                                     "o arquivo ou a pasta não existe"));
    EXPECT_FALSE(QDir(pathIn("NoSuchFolder")).exists());
    EXPECT_EQ(dialogs_.messages().size(), 2);
}

TEST_F(MainWindowTest, FolderChooserKeepsTheDirectoryWhenCancelled)
{
    window_ = start();
    dialogs_.paths.push_back(QStringLiteral("  /opt/hamachi "));
    click(button("cmbPath"));
    EXPECT_EQ(dialogs_.shown.last().title, QStringLiteral("Select your Hamachi directory"));
    EXPECT_EQ(w<QLineEdit>("txtPath")->text(), QDir::toNativeSeparators("/opt/hamachi"));

    setLanguage(Language::Portuguese);
    click(button("cmbPath")); // cancelled
    EXPECT_EQ(dialogs_.shown.last().title, QStringLiteral("Selecione o diretório do seu Hamachi"));
    EXPECT_EQ(w<QLineEdit>("txtPath")->text(), QDir::toNativeSeparators("/opt/hamachi"));
}

TEST_F(MainWindowTest, FilesThatCannotBeReadOrWrittenAreReported)
{
    writeProfile("gone", "\r\n");
    writeProfile("kept", "\r\n");
    window_ = start();
    QFile::remove(pathIn("profiles/gone.aprof"));
    profiles()->setCurrentIndex(0);
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Profile not loaded"));
    EXPECT_EQ(profileNames(), QStringList{QStringLiteral("kept")});
    EXPECT_FALSE(fullLayout());
    EXPECT_FALSE(profileButtonsEnabled());

    // A failed save keeps the rows on screen instead of reloading the file.
    profiles()->setCurrentIndex(0);
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9"));
    QDir(programDir()).rename(QStringLiteral("profiles"), QStringLiteral("moved"));
    writeFile("profiles", "not a folder");
    click(button("cmbSave"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Profile not saved"));
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("5.0.0.9"));
    EXPECT_TRUE(dialogs_.lastMessage().text.endsWith(QStringLiteral(": it is a folder.")) ||
                dialogs_.lastMessage().text.contains(QStringLiteral("not a folder")))
        << dialogs_.lastMessage().text.toStdString();
    dialogs_.answers.push_back(true); // drop the unsaved own address for the new profile
    newProfile(QStringLiteral("other"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Profile not saved"));
    EXPECT_EQ(profileNames(), QStringList{QStringLiteral("kept")});
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("5.0.0.9"));

    // An am.ini that cannot be written, reported in the language shown.
    QDir(programDir()).mkpath(QStringLiteral("am.ini/inside"));
    setLanguage(Language::Portuguese);
    dialogs_.answers.push_back(true); // drop the unsaved own address
    window_->close();
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Configurações não salvas"));
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);
}

TEST_F(MainWindowTest, AddressesWithBlanksInsideNeverReachTheFiles)
{
    window_ = start();
    w<QLineEdit>("txtPath")->setText(hamachiDir());
    newProfile(QStringLiteral("home"));
    w<QLineEdit>("txtIP")->setText(QStringLiteral(" 5.0.0.9 "));
    addRow(QStringLiteral("  1.2.3.4\t"));
    EXPECT_EQ(column(1), QStringList{QStringLiteral("1.2.3.4")});

    addRow(QStringLiteral("1.2.3.4\r\n5.6.7.8"));
    expectLastMessage(MessageIcon::Critical, QStringLiteral("Invalid IP"),
                      QStringLiteral("The address \"1.2.3.4\r\n5.6.7.8\" cannot be used: an "
                                     "address may not hold blanks, tabs or line breaks, nor "
                                     "letters that Hamachi's alias file cannot store."));
    setLanguage(Language::Portuguese);
    addRow(QStringLiteral("7.7.7.7 junk"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("IP inválido"));
    EXPECT_TRUE(
        dialogs_.lastMessage().text.startsWith(QStringLiteral("O endereço \"7.7.7.7 junk\"")));
    EXPECT_EQ(list()->topLevelItemCount(), 1);

    // The own address is checked wherever it is used or written.
    w<QLineEdit>("txtIP")->setText(QStringLiteral("7.7.7.7 junk"));
    const qsizetype before = dialogs_.messages().size();
    addRow(QStringLiteral("2.2.2.2"));
    click(button("cmbUpdate"));
    click(button("cmbSave"));
    EXPECT_EQ(dialogs_.messages().size(), before + 3);
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("IP inválido"));
    EXPECT_EQ(readFile("profiles/home.aprof"), QByteArray("\r\n"));
    EXPECT_EQ(column(2), QStringList{QStringLiteral("5.0.0.1")});

    // Blanks at the ends are dropped on saving; what comes back is what was shown.
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9\t"));
    click(button("cmbSave"));
    EXPECT_EQ(readFile("profiles/home.aprof"),
              QByteArray("5.0.0.9\r\n1.2.3.4 5.0.0.1 FriendName\r\n"));
    EXPECT_EQ(w<QLineEdit>("txtIP")->text(), QStringLiteral("5.0.0.9"));
    click(button("cmbUse"));
    EXPECT_EQ(readFile("Hamachi/aliases.txt"), QByteArray("1.2.3.4 5.0.0.1\r\n"));
}

TEST_F(MainWindowTest, NoAliasPast254)
{
    writeProfile("full", "5.0.0.1\r\n1.1.1.1 5.0.0.253 Ana\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);
    addRow(QStringLiteral("2.2.2.2"));
    EXPECT_EQ(column(2).last(), QStringLiteral("5.0.0.254"));
    addRow(QStringLiteral("3.3.3.3"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("No alias left"));
    EXPECT_EQ(dialogs_.lastMessage().icon, MessageIcon::Critical);
    EXPECT_EQ(list()->topLevelItemCount(), 2);
}

TEST_F(MainWindowTest, NicksComeBackAsTyped)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    window_ = start();
    profiles()->setCurrentIndex(0);
    // A nick the alias file's code page cannot hold is refused when typed.
    list()->topLevelItem(0)->setText(0, QStringLiteral("Пётр"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Invalid nick"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("Ana")});
    EXPECT_FALSE(window_->shownProfile().hasUnsavedChanges());

    // Letters that look like UTF-8 are kept as typed, and the file stays Windows-1252.
    list()->topLevelItem(0)->setText(0, QStringLiteral("Ã© João"));
    EXPECT_TRUE(window_->shownProfile().hasUnsavedChanges());
    click(button("cmbSave"));
    EXPECT_EQ(readFile("profiles/home.aprof"),
              QByteArray("5.0.0.9\r\n1.1.1.1 5.0.0.1 \xC3\xA9 Jo\xE3o\r\n"));
    restart();
    profiles()->setCurrentIndex(0);
    EXPECT_EQ(column(0), QStringList{QStringLiteral("Ã© João")});
}

TEST_F(MainWindowTest, UnsavedRowsAreNotDroppedWithoutAsking)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    window_ = start();
    w<QLineEdit>("txtPath")->setText(hamachiDir());
    profiles()->setCurrentIndex(0);
    click(button("cmbUse"));
    addRow(QStringLiteral("2.2.2.2"));
    dialogs_.clear();

    // Each way of losing the rows asks, and No keeps everything.
    click(button("cmbDelete"));
    click(button("cmbUnload"));
    dialogs_.inputs.push_back(QStringLiteral("other"));
    click(button("cmbNew"));
    // A refused name asks nothing: the close below asks once, as it should.
    dialogs_.inputs.push_back(QStringLiteral("a/b"));
    click(button("cmbNew"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Invalid name"));
    dialogs_.shown.removeLast();
    EXPECT_FALSE(window_->close());
    ASSERT_EQ(dialogs_.messages().size(), 4);
    for (const auto& asked : dialogs_.messages()) {
        EXPECT_EQ(asked.kind, suite::testing::FakeDialogs::Kind::Question);
        EXPECT_TRUE(asked.defaultNo);
        EXPECT_TRUE(asked.text.startsWith(QStringLiteral("The profile home has changes")));
    }
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(QFile::exists(pathIn("profiles/home.aprof")));
    EXPECT_TRUE(QFile::exists(pathIn("Hamachi/aliases.txt")));
    EXPECT_FALSE(QFile::exists(pathIn("profiles/other.aprof")));
    EXPECT_FALSE(QFile::exists(pathIn("am.ini")));
    EXPECT_EQ(list()->topLevelItemCount(), 2);

    // Yes goes ahead.
    setLanguage(Language::Portuguese);
    dialogs_.answers.push_back(true);
    click(button("cmbDelete"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Alterações não salvas"));
    EXPECT_FALSE(QFile::exists(pathIn("profiles/home.aprof")));
    EXPECT_FALSE(fullLayout());
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(QFile::exists(pathIn("am.ini")));
}

TEST_F(MainWindowTest, ShowsTheProfileShownItsStateAndTheOneInUse)
{
    writeProfile("home", "5.0.0.9\r\n1.1.1.1 5.0.0.1 Ana\r\n");
    writeProfile("work", "7.0.0.1\r\n");
    window_ = start();
    auto shown = [this] { return w<QLabel>("lblShown")->text(); };
    auto applied = [this] { return w<QLabel>("lblApplied")->text(); };
    EXPECT_EQ(shown(), QStringLiteral("No profile shown"));
    EXPECT_EQ(applied(), QStringLiteral("In use by Hamachi: none"));

    w<QLineEdit>("txtPath")->setText(hamachiDir());
    profiles()->setCurrentIndex(0);
    EXPECT_EQ(shown(), QStringLiteral("Shown: home"));
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.8"));
    EXPECT_EQ(shown(), QStringLiteral("Shown: home (unsaved changes)"));
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9"));
    EXPECT_EQ(shown(), QStringLiteral("Shown: home"));
    click(button("cmbUse"));
    EXPECT_EQ(applied(), QStringLiteral("In use by Hamachi: home"));
    profiles()->setCurrentIndex(1);
    EXPECT_EQ(shown(), QStringLiteral("Shown: work"));
    EXPECT_EQ(applied(), QStringLiteral("In use by Hamachi: home"));

    // The profile in use is kept beside am.ini, which keeps its two lines.
    setLanguage(Language::Portuguese);
    restart();
    EXPECT_EQ(readFile("am.ini"), (QDir::toNativeSeparators(hamachiDir()).toLatin1() +
                                   QByteArray("\r\nPortugu\xEAs\r\n")));
    EXPECT_TRUE(readFile("am-applied.ini").startsWith("home\r\n"));
    EXPECT_EQ(applied(), QStringLiteral("Em uso no Hamachi: home"));
    EXPECT_EQ(shown(), QStringLiteral("Nenhum perfil aberto"));

    profiles()->setCurrentIndex(1);
    click(button("cmbUnload"));
    EXPECT_EQ(applied(), QStringLiteral("Em uso no Hamachi: nenhum"));
    EXPECT_EQ(readFile("am-applied.ini"), QByteArray("\r\n\r\n"));
}

TEST_F(MainWindowTest, NamesThatFitAreTakenAndReservedOnesRefused)
{
    window_ = start();
    for (const QString& reserved : {QStringLiteral("COM¹"), QStringLiteral("lpt².txt")}) {
        newProfile(reserved);
        EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Invalid name"))
            << reserved.toStdString();
    }
    const QString longest(static_cast<qsizetype>(kLongestFileName - kProfileExtension.size()),
                          QLatin1Char('n'));
    newProfile(longest + QLatin1Char('n'));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains(QStringLiteral("too long")));
    EXPECT_EQ(profiles()->count(), 0);

    dialogs_.clear();
    newProfile(longest);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(profiles()->currentText(), longest);
    w<QLineEdit>("txtIP")->setText(QStringLiteral("5.0.0.9"));
    click(button("cmbSave"));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("profiles/") + longest + QStringLiteral(".aprof")),
              QByteArray("5.0.0.9\r\n"));
}

TEST_F(MainWindowTest, AboutBoxOpensInTheCurrentLanguage)
{
    window_ = start();
    setLanguage(Language::Portuguese);
    QString title;
    suite::testing::onModal([&title](QWidget* about) {
        title = about->windowTitle();
        about->close();
    });
    click(button("cmbAbout"));
    EXPECT_EQ(title, QStringLiteral("Sobre o Aliasmith"));
}

TEST(Texts, FailureReasonsInTheLanguageShown)
{
    useSourceLanguage();
    const auto denied = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(reasonText(denied, denied.message()), QStringLiteral("access is denied"));
    // A reason the program has no words for keeps the system's.
    EXPECT_EQ(reasonText({}, ""), QStringLiteral("unknown reason"));
    EXPECT_EQ(invalidDirectory(QStringLiteral("access is denied")).text,
              QStringLiteral("Invalid Hamachi direcory\n\naccess is denied"));

    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(reasonText(denied, denied.message()), QStringLiteral("o acesso foi negado"));
    EXPECT_EQ(reasonText({}, "Stale file handle"), QStringLiteral("Stale file handle"));
    EXPECT_EQ(profileNotWritten("p/home.aprof", QStringLiteral("o disco está cheio")).text,
              QStringLiteral(
                  "Não foi possível gravar o arquivo de perfil p/home.aprof: o disco está cheio."));
    useSourceLanguage();
}

TEST(AboutDialog, FilledInTheLanguageChosen)
{
    useSourceLanguage();
    AboutDialog english;
    EXPECT_EQ(english.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(english.windowTitle(), QStringLiteral("About Aliasmith"));
    EXPECT_EQ(child<QGroupBox>(&english, "fraInfo")->title(), QStringLiteral("Info"));
    EXPECT_EQ(child<QGroupBox>(&english, "fraHowTo")->title(), QStringLiteral("How to use"));
    EXPECT_TRUE(child<QLabel>(&english, "lblStep4")->text().contains("\"Use profile\""));
    EXPECT_TRUE(child<QLabel>(&english, "lblVersion")->text().endsWith("1.0.0"));

    suite::testing::useLanguage(suite::kPortuguese);
    AboutDialog portuguese;
    EXPECT_EQ(portuguese.windowTitle(), QStringLiteral("Sobre o Aliasmith"));
    EXPECT_EQ(child<QGroupBox>(&portuguese, "fraInfo")->title(), QStringLiteral("Informações"));
    EXPECT_EQ(child<QGroupBox>(&portuguese, "fraHowTo")->title(), QStringLiteral("Como usar"));
    EXPECT_TRUE(child<QLabel>(&portuguese, "lblStep4")->text().contains("\"Usar perfil\""));
    EXPECT_EQ(child<QLineEdit>(&portuguese, "txtLink")->text(),
              child<QLineEdit>(&english, "txtLink")->text());

    portuguese.show();
    click(child<QPushButton>(&portuguese, "cmbOK"));
    EXPECT_FALSE(portuguese.isVisible());
    EXPECT_EQ(portuguese.result(), QDialog::Accepted);
    useSourceLanguage();
}

// Presses Enter on the first modal box that opens.
void pressEnterOnNextBox()
{
    QTimer::singleShot(10, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
        else
            pressEnterOnNextBox();
    });
}

TEST(QtQuestion, EnterAnswersNoWhereYesWouldThrowSomethingAway)
{
    suite::QtDialogs dialogs;
    pressEnterOnNextBox();
    EXPECT_FALSE(dialogs.questionDefaultNo(
        nullptr, MessageIcon::Question, QStringLiteral("New profile"), QStringLiteral("Replace?")));
    pressEnterOnNextBox();
    EXPECT_TRUE(dialogs.question(nullptr, MessageIcon::Question, QStringLiteral("Other"),
                                 QStringLiteral("Go on?")));
}

} // namespace
} // namespace aliasmith
