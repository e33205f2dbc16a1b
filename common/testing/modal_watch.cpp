#include "modal_watch.h"

#include "window_test.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <vector>

namespace suite::testing {
namespace {

struct Watch {
    std::function<void(QWidget*)> act;
    std::unique_ptr<QTimer> timer;
    bool seen = false;
};

std::vector<std::shared_ptr<Watch>>& watches()
{
    static std::vector<std::shared_ptr<Watch>> all;
    return all;
}

void runOn(Watch& watch, QWidget* modal)
{
    watch.seen = true;
    watch.timer->stop();
    try {
        watch.act(modal);
    } catch (const MissingWidget&) {
        modal->close(); // the look-up has failed the test already
    } catch (const std::exception& error) {
        ADD_FAILURE() << "on the modal window " << modal->objectName().toStdString() << ": "
                      << error.what();
        modal->close();
    }
}

} // namespace

void onModal(std::function<void(QWidget*)> act)
{
    auto watch = std::make_shared<Watch>();
    watch->act = std::move(act);
    watch->timer = std::make_unique<QTimer>();
    QTimer* timer = watch->timer.get();
    std::weak_ptr<Watch> weak = watch;
    QObject::connect(timer, &QTimer::timeout, [weak] {
        const std::shared_ptr<Watch> alive = weak.lock();
        if (!alive || alive->seen)
            return;
        if (QWidget* modal = QApplication::activeModalWidget())
            runOn(*alive, modal);
    });
    timer->start(10);
    watches().push_back(std::move(watch));
}

void expectEveryModalSeen()
{
    int missed = 0;
    for (const auto& watch : watches()) {
        if (!watch->seen)
            ++missed;
    }
    EXPECT_EQ(missed, 0) << "a modal window the test waited for never opened";
    watches().clear();
}

} // namespace suite::testing
