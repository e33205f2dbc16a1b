#include "common/testing/window_test.h"

#include <QDialog>
#include <QPushButton>

#include <gtest/gtest-spi.h>

namespace {

// The statements checked for a failure may use no locals.
QWidget* lookedIn = nullptr;
void lookUpMissingChild()
{
    try {
        suite::testing::child<QPushButton>(lookedIn, QStringLiteral("cmbMissing"));
    } catch (const std::exception&) {
        return;
    }
    ADD_FAILURE() << "the look-up went on as if it had found something";
}

TEST(WindowTestHelpers, AMissingChildFailsTheTestAndStopsIt)
{
    QWidget window;
    auto* button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("cmbOk"));
    EXPECT_EQ(suite::testing::child<QPushButton>(&window, QStringLiteral("cmbOk")), button);

    lookedIn = &window;
    EXPECT_NONFATAL_FAILURE(lookUpMissingChild(), "no QPushButton named cmbMissing");
    lookedIn = nullptr;
    EXPECT_NONFATAL_FAILURE(lookUpMissingChild(), "no QPushButton named cmbMissing");
}

TEST(WindowTestHelpers, AModalWindowThatNeverOpensFailsTheTest)
{
    bool ran = false;
    suite::testing::onModal([&ran](QWidget*) { ran = true; });
    EXPECT_NONFATAL_FAILURE(suite::testing::expectEveryModalSeen(), "never opened");
    EXPECT_FALSE(ran);
}

TEST(WindowTestHelpers, AModalWindowIsHandledOnceAndAFailedCheckClosesIt)
{
    QDialog first;
    int runs = 0;
    suite::testing::onModal([&runs](QWidget* modal) {
        ++runs;
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(first.exec(), QDialog::Accepted);
    EXPECT_EQ(runs, 1);

    // A check that cannot find its widget must not leave the dialog waiting.
    QDialog second;
    suite::testing::onModal([](QWidget* modal) {
        suite::testing::child<QPushButton>(modal, QStringLiteral("cmbAbsent"));
    });
    EXPECT_NONFATAL_FAILURE(second.exec(), "cmbAbsent");
    suite::testing::expectEveryModalSeen();
}

} // namespace
