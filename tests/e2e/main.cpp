// Entry point of the end-to-end tier: each test drives a running vantora.exe from this process.
// Every failing check is followed by what the started programs showed at that moment.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/Driver.h"
#include "platform/Error.h"

namespace {

class ScreenOnFailure : public testing::EmptyTestEventListener {
  void OnTestPartResult(const testing::TestPartResult& result) override {
    if (result.failed()) std::printf("%s\n", platform::Narrow(e2e::DescribeScreen()).c_str());
  }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ScreenOnFailure);
  return RUN_ALL_TESTS();
}
