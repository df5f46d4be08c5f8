#include "Kavrix.h"
#include <gtest/gtest.h>
TEST(Skeleton, Builds) { EXPECT_EQ(kavrixGetLcOption(0.1), 1); }
