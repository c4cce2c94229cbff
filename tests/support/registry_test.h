// A test against the registry: it owns one key under HKEY_CURRENT_USER for its
// length, starts with no message shown and fails if it leaves a key open.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/message_recorder.h"
#include "tests/support/registry_fixture.h"

namespace test_support {

class RegistryTest : public ::testing::Test {
 protected:
  explicit RegistryTest(std::string owned_key) : owned_key_(std::move(owned_key)) {}

  void SetUp() override {
    ShownMessages().clear();
    test_registry::DeleteKey(test_registry::kCurrentUser, owned_key_);
    test_registry::CreateKey(test_registry::kCurrentUser, owned_key_);
    open_keys_ = test_registry::OpenKeyCount();
  }

  void TearDown() override {
    EXPECT_EQ(test_registry::OpenKeyCount(), open_keys_) << "a registry key was left open";
    test_registry::DeleteKey(test_registry::kCurrentUser, owned_key_);
  }

 private:
  std::string owned_key_;
  int open_keys_ = 0;
};

}  // namespace test_support
