// Entry point of the end-to-end tier: each test drives a running vantora.exe from this process.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
