// The Qt views of the shared text and number rules; the rules themselves are
// tested without Qt in cp1252_test.cpp and numbers_test.cpp.
#include "common/ui/text.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <string>

TEST(QtCp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(suite::toCp1252(suite::fromCp1252(QByteArray::fromStdString(all))).toStdString(),
              all);
}

TEST(QtCp1252, MapsTheHighControlRangeAndMarksWhatItCannotWrite)
{
    EXPECT_EQ(suite::fromCp1252("\x9F"), QString(QChar(0x0178)));
    // A character outside the Basic Multilingual Plane is one character, not
    // two surrogates, so it becomes one question mark.
    EXPECT_EQ(suite::toCp1252(QString::fromUtf8("x\u0416y\U0001F600")), QByteArray("x?y?"));
}

TEST(GroupedNumber, FollowsTheUserLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(suite::groupedNumber(65664), QStringLiteral("65,664"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(suite::groupedNumber(65664), QStringLiteral("65.664"));
    EXPECT_EQ(suite::groupedNumber(0), QString());
    QLocale::setDefault(saved);
}
