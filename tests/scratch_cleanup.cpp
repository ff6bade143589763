// Removes a test program's scratch directories when every test has passed;
// after a failure they stay, for a look at the shots and files.
#include <gtest/gtest.h>

#include "tests/test_bank.h"

namespace {

class ScratchCleanup : public ::testing::Environment {
 public:
  void TearDown() override {
    if (::testing::UnitTest::GetInstance()->Passed()) testbank::RemoveScratchRoot();
  }
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

}  // namespace
