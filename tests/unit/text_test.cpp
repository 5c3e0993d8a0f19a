#include <gtest/gtest.h>

#include "text/cp1250.h"

using namespace tavo::text;

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = char(i);
    EXPECT_EQ(toCp1250(fromCp1250(all)), all);
}
