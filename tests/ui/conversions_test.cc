#include "ui/conversions.h"

#include <gtest/gtest.h>

namespace tendencia {
TEST(Placeholder, Builds) { EXPECT_EQ(whole_number("12", Separators{}), 12); }
}
