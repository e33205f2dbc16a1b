#include "tailfetch/ui/main_window.h"

#include "tailfetch/core/origin_attributes.h"

#include "common/ui/language.h"
#include "common/ui/text.h"

#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tailfetch {
namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;

const QString kRefused =
    "Preencha todos os campos requeridos e verifique se foi tudo digitado corretamente.";

class MainWindowTest : public suite::testing::WindowTest {
protected:
    std::unique_ptr<MainWindow> window_;

    void open()
    {
        window_ = std::make_unique<MainWindow>(programDir(), dialogs_);
        window_->show();
    }
    void SetUp() override
    {
        // Its own language, whatever an earlier test chose.
        suite::setUpLanguages({QStringLiteral("tailfetch"), suite::kPortuguese, QString()});
        suite::testing::useLanguage(QString());
        open();
    }

    template <typename T = QWidget>
    T* w(const char* name) const
    {
        return child<T>(window_.get(), name);
    }
    QLineEdit* box(const char* name) const { return w<QLineEdit>(name); }
    QString text(const char* name) const { return w<QLabel>(name)->text(); }

    bool isGrey(const char* name) const
    {
        return box(name)->palette().color(QPalette::Base) == MainWindow::greyColour();
    }
    bool isWhite(const char* name) const
    {
        return box(name)->palette().color(QPalette::Base) == MainWindow::whiteColour();
    }
    // The join runs beside the window; its end comes through the event loop.
    void join()
    {
        click(w<QPushButton>("cmbUnir"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window_->joining(); }, 10000));
    }
    // Enabled by its own flag, whatever its frame says.
    bool on(const char* name) const { return w(name)->isEnabledTo(w(name)->parentWidget()); }
};

TEST_F(MainWindowTest, StartsIdleWithByteOptionAndNewFile)
{
    EXPECT_EQ(window_->objectName(), "Form1");
    EXPECT_EQ(window_->windowTitle(), "Tavrin - Complete arquivos Incompletos");
    EXPECT_EQ(window_->height(), MainWindow::kShortHeight);
    EXPECT_TRUE(w<QRadioButton>("optByte")->isChecked());
    EXPECT_FALSE(w<QRadioButton>("optFonte")->isChecked());
    EXPECT_TRUE(w<QCheckBox>("chkSeparar")->isChecked());
    EXPECT_FALSE(on("txtFonte"));
    EXPECT_TRUE(isGrey("txtFonte"));
    EXPECT_FALSE(on("cmbFonte"));
    EXPECT_TRUE(on("txtStart"));
    EXPECT_TRUE(on("txtDestino"));
    EXPECT_FALSE(on("cmbStop"));
    EXPECT_EQ(text("lblEstado"), "Aguardando...");
    EXPECT_EQ(text("lblRecebido"), "Nenhum download iniciado");
    EXPECT_EQ(text("lblVelocidade"), "Parado");
    EXPECT_EQ(text("lblHost"), "Nenhum arquivo selecionado");
    EXPECT_EQ(text("lblTipo"), "- - -");
    EXPECT_EQ(window_->statusLine(), "E: Aguardando... | R: Nenhum download iniciado | V: Parado");
    EXPECT_EQ(w<QTimer>("tmr")->interval(), 1000);
    EXPECT_FALSE(w<QTimer>("tmr")->isActive());
}

TEST_F(MainWindowTest, UrlBoxShowsHostAndScheme)
{
    box("txtPath")->setText("http://www.example.org:8080/a.zip");
    EXPECT_EQ(text("lblHost"), "example.org:8080");
    EXPECT_EQ(text("lblTipo"), "HTTP");
    box("txtPath")->setText("ftp://files.example.org/a.zip");
    EXPECT_EQ(text("lblTipo"), "FTP:");
    box("txtPath")->setText("no host here");
    EXPECT_EQ(text("lblHost"), "files.example.org");
    EXPECT_EQ(text("lblTipo"), "FTP:");
}

TEST_F(MainWindowTest, HttpsIsNamedWholeAndABrowsersOriginFillsTheUrlBox)
{
    box("txtPath")->setText("https://files.example.org/a.iso");
    EXPECT_EQ(text("lblTipo"), "HTTPS");

    writeFile("a.iso.part", "half");
    if (!WriteOrigin(suite::toPath(pathIn("a.iso.part")),
                     {"https://mirror.example.org/a.iso", "", ""}))
        GTEST_SKIP() << "no extended attributes here";
    click(w<QRadioButton>("optFonte"));
    box("txtFonte")->setText(pathIn("a.iso.part"));
    EXPECT_EQ(box("txtPath")->text(), "https://mirror.example.org/a.iso");

    // An address the user typed stays.
    box("txtPath")->clear();
    QTest::keyClicks(box("txtPath"), "http://typed.example.org/a.iso");
    box("txtFonte")->clear();
    box("txtFonte")->setText(pathIn("a.iso.part"));
    EXPECT_EQ(box("txtPath")->text(), "http://typed.example.org/a.iso");
}

TEST_F(MainWindowTest, RefusesAJobWithoutItsInputs)
{
    writeFile("part.bin", "abc");
    struct Case {
        const char* url;
        const char* start;
        const char* destino;
    };
    for (const Case& c : {
             Case{"", "1", "out.bin"},
             Case{"HTTP://example.org/f", "1", "out.bin"},
             Case{" http://example.org/f", "1", "out.bin"},
             Case{"http://example.org", "1", "out.bin"},
             Case{"ftp://example.org/f", "1", "out.bin"},
             Case{"http://example.org/f", "12a", "out.bin"},
             Case{"http://example.org/f", "1", ""},
         }) {
        SCOPED_TRACE(c.url);
        dialogs_.clear();
        box("txtPath")->setText(c.url);
        box("txtStart")->setText(c.start);
        box("txtDestino")->setText(*c.destino ? pathIn(c.destino) : QString());
        click(w<QPushButton>("cmbGo"));
        const auto message = dialogs_.lastMessage();
        EXPECT_EQ(message.text, kRefused);
        EXPECT_EQ(message.title, "Erro");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(text("lblEstado"), "Aguardando...");
        EXPECT_TRUE(on("cmbGo"));
        EXPECT_FALSE(window_->downloading());
    }
}

TEST_F(MainWindowTest, RefusesASourceFileThatIsMissingOrUnnamed)
{
    box("txtPath")->setText("http://example.org/f");
    click(w<QRadioButton>("optFonte"));
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(dialogs_.lastMessage().text, kRefused);
    box("txtFonte")->setText(pathIn("missing.bin"));
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(dialogs_.messages().size(), 2);
    EXPECT_FALSE(window_->downloading());
}

TEST_F(MainWindowTest, AnEmptyStartBecomesOne)
{
    box("txtPath")->setText("HTTP://example.org/f");
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(box("txtStart")->text(), "1");
    EXPECT_EQ(dialogs_.lastMessage().text, kRefused);
}

TEST_F(MainWindowTest, AnOutputThatCannotBeWrittenIsReportedAtStart)
{
    box("txtPath")->setText("http://127.0.0.1:9/f");
    box("txtDestino")->setText(pathIn("missing/out.bin"));
    click(w<QPushButton>("cmbGo"));
    EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("Não é possível gravar em"));
    EXPECT_FALSE(window_->downloading());
    EXPECT_TRUE(on("cmbGo"));
}

TEST_F(MainWindowTest, ANewFileCannotBeTheIncompleteFileItself)
{
    writeFile("part.bin", "half");
    box("txtPath")->setText("http://127.0.0.1:9/f");
    click(w<QRadioButton>("optFonte"));
    box("txtFonte")->setText(pathIn("part.bin"));
    w<QCheckBox>("chkSeparar")->setChecked(true);
    box("txtDestino")->setText(QDir(programDir()).filePath("./part.bin"));
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(dialogs_.lastMessage().text,
              "O novo arquivo não pode ser o próprio arquivo incompleto.");
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(readFile("part.bin"), "half");
}

TEST_F(MainWindowTest, OptionsSwitchTheirBoxes)
{
    click(w<QRadioButton>("optFonte"));
    EXPECT_TRUE(on("txtFonte"));
    EXPECT_TRUE(isWhite("txtFonte"));
    EXPECT_TRUE(on("cmbFonte"));
    EXPECT_FALSE(on("txtStart"));
    EXPECT_TRUE(isGrey("txtStart"));

    click(w<QCheckBox>("chkSeparar"));
    EXPECT_FALSE(w<QCheckBox>("chkSeparar")->isChecked());
    EXPECT_FALSE(on("txtDestino"));
    EXPECT_TRUE(isGrey("txtDestino"));
    EXPECT_FALSE(on("cmbPath"));

    click(w<QRadioButton>("optByte"));
    EXPECT_FALSE(on("txtFonte"));
    EXPECT_TRUE(isGrey("txtFonte"));
    EXPECT_FALSE(on("cmbFonte"));
    EXPECT_TRUE(on("txtStart"));
    EXPECT_TRUE(isWhite("txtStart"));
    EXPECT_TRUE(w<QCheckBox>("chkSeparar")->isChecked());
    EXPECT_TRUE(on("txtDestino"));
    EXPECT_TRUE(isWhite("txtDestino"));
    EXPECT_TRUE(on("cmbPath"));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(MainWindowTest, TheBoxStaysCheckedWhileTheByteIsTyped)
{
    click(w<QCheckBox>("chkSeparar"));
    EXPECT_TRUE(w<QCheckBox>("chkSeparar")->isChecked());
    EXPECT_TRUE(on("txtDestino"));
    const auto message = dialogs_.lastMessage();
    EXPECT_EQ(message.text, "Você não pode desmarcar esta caixa com o Determinar Byte ativado");
    EXPECT_EQ(message.title, "Atenção");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
}

TEST_F(MainWindowTest, BrowseButtonsFillTheirBoxesAndACancelChangesNothing)
{
    click(w<QRadioButton>("optFonte"));
    box("txtFonte")->setText("kept");
    click(w<QPushButton>("cmbFonte"));
    EXPECT_EQ(box("txtFonte")->text(), "kept");
    dialogs_.paths = {"/a/source.bin", "/a/out.bin", "/a/src", "/a/rest"};
    click(w<QPushButton>("cmbFonte"));
    click(w<QPushButton>("cmbPath"));
    click(w<QPushButton>("cmbArquivoFonte"));
    click(w<QPushButton>("cmbRestante"));
    EXPECT_EQ(box("txtFonte")->text(), "/a/source.bin");
    EXPECT_EQ(box("txtDestino")->text(), "/a/out.bin");
    EXPECT_EQ(box("txtArquivoFonte")->text(), "/a/src");
    EXPECT_EQ(box("txtRestante")->text(), "/a/rest");
    EXPECT_EQ(dialogs_.shown[2].kind, suite::testing::FakeDialogs::Kind::SaveFile);
}

// A job that hangs at "Conectando...": a listening port that never answers.
class RunningJobTest : public MainWindowTest {
protected:
    QTcpServer silent_;
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(silent_.listen(QHostAddress::LocalHost, 0));
        box("txtPath")->setText(QStringLiteral("http://127.0.0.1:%1/f").arg(silent_.serverPort()));
        box("txtDestino")->setText(pathIn("out.bin"));
        click(w<QPushButton>("cmbGo"));
        ASSERT_TRUE(window_->downloading());
    }
};

TEST_F(RunningJobTest, LocksTheWindow)
{
    EXPECT_EQ(text("lblEstado"), "Conectando...");
    EXPECT_EQ(text("lblRecebido"), "");
    EXPECT_EQ(text("lblVelocidade"), "");
    EXPECT_EQ(window_->statusLine(), "E: Conectando... | R:  | V: ");
    EXPECT_FALSE(on("fraCaminho"));
    EXPECT_FALSE(on("fraByte"));
    EXPECT_TRUE(on("fraInfo"));
    for (const char* name : {"txtPath", "txtStart", "txtDestino", "txtFonte"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(on(name));
        EXPECT_TRUE(isGrey(name));
    }
    for (const char* name : {"txtArquivoFonte", "txtRestante"}) {
        EXPECT_TRUE(on(name));
        EXPECT_TRUE(isGrey(name));
    }
    EXPECT_FALSE(on("cmbGo"));
    EXPECT_TRUE(on("cmbStop"));
    for (const char* name : {"cmbPath", "cmbFonte", "cmbArquivoFonte", "cmbRestante", "cmbUnir",
                             "optFonte", "optByte", "chkSeparar"})
        EXPECT_FALSE(on(name)) << name;
}

TEST_F(RunningJobTest, StopUnlocksAndKeepsTheOptionRules)
{
    click(w<QPushButton>("cmbStop"));
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(text("lblEstado"), "Download Cancelado");
    EXPECT_EQ(text("lblVelocidade"), "Parado");
    EXPECT_EQ(window_->statusLine(), "E: Download Cancelado | R:  | V: Parado");
    EXPECT_TRUE(on("cmbGo"));
    EXPECT_FALSE(on("cmbStop"));
    EXPECT_TRUE(on("fraByte"));
    EXPECT_TRUE(on("txtStart"));
    EXPECT_FALSE(on("txtFonte"));
    EXPECT_TRUE(isGrey("txtFonte"));
    EXPECT_FALSE(on("cmbFonte"));
    EXPECT_TRUE(isWhite("txtArquivoFonte"));
    EXPECT_TRUE(on("cmbUnir"));
    EXPECT_TRUE(QDir(programDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowTest, JoinPanelOpensAndCloses)
{
    auto* toggle = w<QPushButton>("cmbJuntar");
    EXPECT_EQ(toggle->text(), "Unir Arquivos >");
    click(toggle);
    EXPECT_TRUE(window_->joinPanelOpen());
    EXPECT_EQ(window_->height(), MainWindow::kTallHeight);
    EXPECT_EQ(toggle->text(), "Unir Arquivos <");
    const QGroupBox* panel = w<QGroupBox>("fraArquivos");
    EXPECT_LE(panel->geometry().bottom(), MainWindow::kTallHeight);
    EXPECT_GE(panel->geometry().top(), MainWindow::kShortHeight);
    click(toggle);
    EXPECT_FALSE(window_->joinPanelOpen());
    EXPECT_EQ(window_->height(), MainWindow::kShortHeight);
    EXPECT_EQ(toggle->text(), "Unir Arquivos >");
}

TEST_F(MainWindowTest, JoinNeedsBothNames)
{
    box("txtArquivoFonte")->setText("x");
    click(w<QPushButton>("cmbUnir"));
    const auto message = dialogs_.lastMessage();
    EXPECT_EQ(message.text, "Preencha todos os campos requeridos");
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(text("lblUnir"), "Aguardando...");
}

TEST_F(MainWindowTest, JoinWritesThePartAndRestoresTheOptionRules)
{
    writeFile("source.bin", QByteArray(1000, 's'));
    writeFile("rest.bin", "s" + QByteArray(500, 't'));
    box("txtArquivoFonte")->setText(pathIn("source.bin"));
    box("txtRestante")->setText(pathIn("rest.bin"));
    join();
    EXPECT_EQ(readFile("source.bin"), QByteArray(1000, 's') + QByteArray(500, 't'));
    EXPECT_EQ(text("lblUnir"), "Pronto");
    EXPECT_EQ(window_->statusLine(), "Pronto");
    EXPECT_TRUE(on("cmbGo"));
    EXPECT_FALSE(on("cmbStop"));
    EXPECT_TRUE(on("fraInfo"));
    EXPECT_FALSE(on("txtFonte"));
    EXPECT_TRUE(isGrey("txtFonte"));
    EXPECT_TRUE(w<QCheckBox>("chkSeparar")->isChecked());
}

TEST_F(MainWindowTest, AfterAJoinAnUncheckedBoxKeepsDestinoOff)
{
    click(w<QRadioButton>("optFonte"));
    click(w<QCheckBox>("chkSeparar"));
    box("txtArquivoFonte")->setText(pathIn("a"));
    box("txtRestante")->setText(pathIn("b"));
    join();
    EXPECT_TRUE(on("txtFonte"));
    EXPECT_FALSE(on("txtStart"));
    EXPECT_FALSE(w<QCheckBox>("chkSeparar")->isChecked());
    EXPECT_FALSE(on("txtDestino"));
    EXPECT_TRUE(isGrey("txtDestino"));
    EXPECT_FALSE(on("cmbPath"));
}

TEST_F(MainWindowTest, JoinLocksTheWindowWhileItRuns)
{
    writeFile("source.bin", "abc");
    box("txtArquivoFonte")->setText(pathIn("source.bin"));
    box("txtRestante")->setText(pathIn("missing.bin"));
    bool stopOn = true;
    bool infoOn = true;
    bool unirOn = true;
    bool goOn = true;
    dialogs_.onShow = [&](const auto&) {
        stopOn = on("cmbStop");
        infoOn = on("fraInfo");
        unirOn = on("cmbUnir");
        goOn = on("cmbGo");
    };
    join();
    EXPECT_EQ(dialogs_.lastMessage().text, "Arquivos inexistentes");
    EXPECT_EQ(dialogs_.lastMessage().title, "Erro");
    // The message comes while the window is locked; it is unlocked afterwards.
    EXPECT_FALSE(stopOn);
    EXPECT_FALSE(infoOn);
    EXPECT_FALSE(unirOn);
    EXPECT_FALSE(goOn);
    EXPECT_TRUE(on("fraInfo"));
    EXPECT_TRUE(on("cmbGo"));
    EXPECT_FALSE(on("cmbStop"));
    EXPECT_TRUE(on("cmbUnir"));
    EXPECT_EQ(text("lblUnir"), "Unindo arquivos...");
    EXPECT_EQ(readFile("source.bin"), "abc");
}

TEST_F(MainWindowTest, JoinOfAFileOntoItselfIsRefused)
{
    writeFile("rest.bin", "xyz");
    box("txtArquivoFonte")->setText(pathIn("rest.bin"));
    box("txtRestante")->setText(pathIn("rest.bin"));
    join();
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("mesmo arquivo"));
    EXPECT_EQ(readFile("rest.bin"), "xyz");
}

TEST_F(MainWindowTest, ConfigHoldsTheUrlOfTheLastClose)
{
    box("txtPath")->setText("http://example.org/ação.zip");
    window_->close();
    EXPECT_EQ(readFile("config.ini"), "http://example.org/a\xe7\xe3o.zip\r\n");

    writeFile("config.ini", "http://example.org/first\r\nsecond line\r\n");
    open();
    EXPECT_EQ(box("txtPath")->text(), "http://example.org/first");
    EXPECT_EQ(text("lblHost"), "example.org");
    box("txtPath")->clear();
    window_->close();
    EXPECT_EQ(readFile("config.ini"), "\r\n");
}

TEST_F(MainWindowTest, AUrlFromTheCommandLineFillsTheBoxAsTyping)
{
    window_->setUrl("http://www.example.org/file.zip");
    EXPECT_EQ(box("txtPath")->text(), "http://www.example.org/file.zip");
    EXPECT_EQ(text("lblHost"), "example.org");
    EXPECT_EQ(text("lblTipo"), "HTTP");
}

TEST_F(MainWindowTest, NoConfigLeavesTheUrlEmpty)
{
    EXPECT_EQ(box("txtPath")->text(), "");
    EXPECT_EQ(text("lblHost"), "Nenhum arquivo selecionado");
}

TEST_F(MainWindowTest, TrayMinimisesWithoutANotificationArea)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "the offscreen desktop has no tray";
    click(w<QPushButton>("cmbTray"));
    EXPECT_TRUE(window_->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(window_->trayIcon()->isVisible());
    window_->findChild<QAction*>("mnuShow")->trigger();
    EXPECT_FALSE(window_->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, TrayMenuAndTipFollowTheStatus)
{
    const auto* menu = w<QMenu>("mnuPopup");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "&Restaurar");
    EXPECT_EQ(menu->actions()[1]->text(), "&Sair");
    EXPECT_EQ(window_->trayIcon()->contextMenu(), menu);
    EXPECT_EQ(window_->trayIcon()->toolTip(), window_->statusLine());
    bool closed = false;
    QObject::connect(window_.get(), &MainWindow::closed, [&] { closed = true; });
    menu->actions()[1]->trigger();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(QFile::exists(pathIn("config.ini")));
}

TEST_F(MainWindowTest, SairFromTheHiddenWindowSavesTheUrlAndEnds)
{
    box("txtPath")->setText("http://example.org/f");
    window_->hide(); // as behind the tray icon
    bool closed = false;
    QObject::connect(window_.get(), &MainWindow::closed, [&] { closed = true; });
    window_->findChild<QAction*>("mnuExit")->trigger();
    EXPECT_TRUE(closed);
    EXPECT_EQ(readFile("config.ini"), "http://example.org/f\r\n");
}

TEST_F(MainWindowTest, AboutShowsAModalWindow)
{
    click(w<QPushButton>("cmbAbout"));
    QWidget* about = window_->findChild<QWidget*>("Form2");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "Sobre");
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    for (const char* expected : {"Complete arquivos incompletos",
                                 "Por:", "Linguagem:", "Linhas:", "765", "Agradecimentos:"})
        EXPECT_TRUE(texts.contains(expected)) << expected;
    about->close();
}

TEST_F(MainWindowTest, AnAddressGivenAtStartFillsTheUrlBox)
{
    window_->setUrl(QStringLiteral("http://www.example.org/a.zip"));
    EXPECT_EQ(box("txtPath")->text(), "http://www.example.org/a.zip");
    EXPECT_EQ(text("lblHost"), "example.org");
}

} // namespace
} // namespace tailfetch
