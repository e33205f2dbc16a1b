#include "entwright/ui/list_clicks.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPoint centreOf(QListWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

TEST(ListClicks, EachUserActionIsOneClick)
{
    QListWidget list;
    list.addItems({"worldspawn", "light", "func_door"});
    list.show();
    ListClicks clicks(&list);
    QSignalSpy spy(&clicks, &ListClicks::clicked);

    // A click that moves the selection: one click, not one for the selection
    // and one for the click.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, 1));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);

    // Clicking the entry already selected still counts.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, 1));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);

    // So does moving with the keyboard, and the next mouse click after it.
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 2);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, 2));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 2);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, 0));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 0);
}

} // namespace
