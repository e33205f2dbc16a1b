#pragma once

#include "probegrid/tests/scripted_random.h"
#include "probegrid/ui/frm_main.h"
#include "probegrid/ui/frm_start.h"
#include "probegrid/ui/session.h"

#include "common/testing/window_test.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace probegrid::testing {

// A window test with the program's session, a random source the test fills,
// and a count of how often the program asked to end.
class ProbegridWindowTest : public suite::testing::WindowTest {
protected:
    ScriptedRandom random_;
    Session session_{random_};
    int quits_ = 0;

    void SetUp() override
    {
        session_.quit = [this] { ++quits_; };
    }

    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName().startsWith("frm"))
                windows.append(window);
        }
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
    }

    // The visible top-level window of that name, or null.
    template <typename T>
    static T* shown(const QString& name)
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name && window->isVisible())
                return qobject_cast<T*>(window);
        }
        return nullptr;
    }

    FrmStart* openStart()
    {
        auto* start = new FrmStart(programDir(), dialogs_, session_);
        start->setAttribute(Qt::WA_DeleteOnClose);
        start->show();
        return start;
    }

    // Starts a game from the start window with the items in these cells.
    FrmMain* startGame(FrmStart* start, const QString& name1, const QString& items,
                       const std::vector<int>& cells, const QString& name2 = {})
    {
        if (!name2.isEmpty()) {
            suite::testing::click(suite::testing::child<QWidget>(start, "optTwo"));
            suite::testing::child<QLineEdit>(start, "txtNome2")->setText(name2);
        }
        suite::testing::child<QLineEdit>(start, "txtNome1")->setText(name1);
        suite::testing::child<QLineEdit>(start, "txtItems")->setText(items);
        random_.queueCells(cells);
        suite::testing::click(suite::testing::child<QWidget>(start, "cmbComecar"));
        return shown<FrmMain>("frmMain");
    }

    // A board window built straight from the session, on these cells.
    FrmMain* openBoard(const QString& name1, const std::vector<int>& cells,
                       const QString& name2 = {})
    {
        session_.playerName1 = name1;
        session_.playerName2 = name2;
        session_.playerCount = name2.isEmpty() ? 1 : 2;
        session_.itemCount = static_cast<qint16>(cells.size());
        auto* board = new FrmMain(programDir(), dialogs_, session_);
        board->setAttribute(Qt::WA_DeleteOnClose);
        board->setHiddenItems(cells);
        board->show();
        return board;
    }

    static QString text(const QObject* root, const QString& name)
    {
        const auto* label = suite::testing::child<QLabel>(root, name);
        return label ? label->text() : QString();
    }

    static void clickBorder(FrmMain* board, int position)
    {
        suite::testing::click(
            suite::testing::child<QWidget>(board, QString("lblBrd%1").arg(position)));
    }

    static void clickCell(FrmMain* board, int cell)
    {
        suite::testing::click(
            suite::testing::child<QWidget>(board, QString("lblGrid%1").arg(cell)));
    }

    static QColor background(const QObject* root, const QString& name)
    {
        const auto* widget = suite::testing::child<QWidget>(root, name);
        return widget ? widget->palette().color(QPalette::Window) : QColor();
    }
};

} // namespace probegrid::testing
