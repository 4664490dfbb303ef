#include <gtest/gtest.h>
#include "zahlen.h"
TEST(Zahlen, Platzhalter) {
    EXPECT_EQ(korvalt::rundeGerade(2.5), 2.0);
}
