#include <gtest/gtest.h>
#include "foundation/gstring.h"
TEST(Gstring, Empty) { gstring s; EXPECT_TRUE(s.isempty()); }
