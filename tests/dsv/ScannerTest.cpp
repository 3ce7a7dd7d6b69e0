#include <gtest/gtest.h>

#include "dsv/DsvScanner.h"

using natarix::DsvScanner;

TEST(DsvScanner, ReadsFieldsUpToTheEnd)
{
    DsvScanner scanner("A;B;");
    EXPECT_EQ(scanner.ReadField(), "A");
    EXPECT_EQ(scanner.ReadField(), "B");
    EXPECT_EQ(scanner.ReadField(), "");
}
