#include <gtest/gtest.h>
TEST(E2e, Placeholder) {}
