// main() for logic tests.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    veltrano::test::useTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
