#pragma once
// Test helper: a test with a temporary folder of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <stdlib.h>

namespace nervalo::test {

// Creates a new empty folder before each test and removes it with all it holds afterwards, also
// when the test has taken away its permissions.
class OrdnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string muster =
            (std::filesystem::temp_directory_path() / "nervalo-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override {
        std::error_code fehler;
        std::filesystem::permissions(ordner, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(ordner, fehler);
    }

    std::filesystem::path ordner;
};

} // namespace nervalo::test
