// The windows in both of the program's languages: their texts, that the
// texts fit, and that every control a keyboard reaches has a name.
#include "entwright/ui/frm_about.h"
#include "entwright/ui/frm_main.h"
#include "entwright/ui/frm_new_ent.h"
#include "entwright/ui/frm_replace.h"
#include "entwright/ui/frm_ripent.h"

#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"
#include "common/ui/language.h"

#include <QAction>
#include <QWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace {

using suite::testing::child;

class Languages : public suite::testing::WindowTest {
protected:
    void SetUp() override
    {
        suite::setUpLanguages({QStringLiteral("entwright"), suite::kEnglish, QString()});
        suite::testing::useLanguage(QString());
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    void TearDown() override { suite::testing::useLanguage(QString()); }

    void open(const QString& name, const QByteArray& bytes)
    {
        writeFile(name, bytes);
        dialogs_.paths.push_back(pathIn(name));
        child<QAction>(&window_, QStringLiteral("menOpen"))->trigger();
    }

    // Every window of the program, checked as the current language shows it.
    void expectEveryWindowReadable()
    {
        // The layouts take the new texts' sizes when their requests are handled.
        QCoreApplication::processEvents();
        SCOPED_TRACE(suite::currentLanguage().toStdString());
        suite::testing::expectAccessibleNames(&window_);
        suite::testing::expectTextsFit(&window_);
        frmAbout about(&window_);
        about.show();
        QCoreApplication::processEvents();
        suite::testing::expectAccessibleNames(&about);
        suite::testing::expectTextsFit(&about);
        frmReplace replace(&window_);
        replace.show();
        QCoreApplication::processEvents();
        suite::testing::expectAccessibleNames(&replace);
        suite::testing::expectTextsFit(&replace);
        ent::EntityDocument document;
        frmNewEnt newEntity(document, dialogs_, nullptr, &window_);
        newEntity.show();
        QCoreApplication::processEvents();
        suite::testing::expectAccessibleNames(&newEntity);
        suite::testing::expectTextsFit(&newEntity);
        frmRipent ripent(programDir(), dialogs_, ent::RipentMode::Export, &window_);
        ripent.show();
        QCoreApplication::processEvents();
        suite::testing::expectAccessibleNames(&ripent);
        suite::testing::expectTextsFit(&ripent);
    }

    frmMain window_{programDir(), dialogs_};
};

TEST_F(Languages, MainWindowTextsFollowTheChosenLanguageAndComeBack)
{
    const auto menuTitle = [this] {
        return child<QMenu>(&window_, QStringLiteral("menFile"))->title();
    };
    EXPECT_EQ(menuTitle(), QStringLiteral("File"));
    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(menuTitle(), QStringLiteral("Arquivo"));
    EXPECT_EQ(child<QGroupBox>(&window_, QStringLiteral("Frame2"))->title(),
              QStringLiteral("Propriedades da entidade"));
    EXPECT_EQ(child<QPushButton>(&window_, QStringLiteral("cmbApply"))->text(),
              QStringLiteral("Aplicar"));
    EXPECT_EQ(child<QAction>(&window_, QStringLiteral("menCheck"))->text(),
              QStringLiteral("Verificar mapa"));
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(menuTitle(), QStringLiteral("File"));
    EXPECT_EQ(child<QPushButton>(&window_, QStringLiteral("cmbApply"))->text(),
              QStringLiteral("Apply"));
}

TEST_F(Languages, MessagesAndQtsButtonsSpeakTheLanguage)
{
    suite::testing::useLanguage(suite::kPortuguese);
    dialogs_.paths.push_back(pathIn(QStringLiteral("missing.ent")));
    child<QAction>(&window_, QStringLiteral("menOpen"))->trigger();
    ASSERT_FALSE(dialogs_.shown.isEmpty());
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Abrir"));
    EXPECT_TRUE(
        dialogs_.lastMessage().text.startsWith(QStringLiteral("Não foi possível abrir \"%1\".")
                                                   .arg(pathIn(QStringLiteral("missing.ent")))))
        << dialogs_.lastMessage().text.toStdString();
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&window_),
              (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&window_),
              (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
}

TEST_F(Languages, EveryWindowFitsItsTextsAndNamesItsControlsInBothLanguages)
{
    open(QStringLiteral("map.ent"), "{\n\"classname\" \"worldspawn\"\n}\n"
                                    "{\n\"classname\" \"light\"\n\"targetname\" \"lamp\"\n}\n");
    for (const QString& code : {suite::kEnglish, suite::kPortuguese}) {
        suite::testing::useLanguage(code);
        expectEveryWindowReadable();
    }
}

TEST_F(Languages, TabMovesThroughTheControlsInReadingOrder)
{
    const QStringList expected{
        QStringLiteral("txtFilter"), QStringLiteral("cboFilter"),  QStringLiteral("listEntity"),
        QStringLiteral("cmbAddEnt"), QStringLiteral("cmbDelEnt"),  QStringLiteral("chkSmartEdit"),
        QStringLiteral("listKey"),   QStringLiteral("txtKey"),     QStringLiteral("txtValue"),
        QStringLiteral("cmbAdd"),    QStringLiteral("cmbDelete"),  QStringLiteral("cmbApply"),
        QStringLiteral("cmbClear"),  QStringLiteral("listUsedBy"), QStringLiteral("cmbGoTo")};
    QStringList order;
    QWidget* start = child<QWidget>(&window_, expected.front());
    QWidget* widget = start;
    do {
        if (expected.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start && order.size() < expected.size());
    EXPECT_EQ(order, expected);
}

} // namespace
