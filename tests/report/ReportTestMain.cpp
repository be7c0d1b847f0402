// SPDX-License-Identifier: MIT
#include "report/Report.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const ratedload::report::PaintingSession session;
    return RUN_ALL_TESTS();
}
