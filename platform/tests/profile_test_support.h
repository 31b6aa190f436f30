#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace platform::testing {

// A folder of its own for each test, removed afterwards.
class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("tilegames-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path fileWith(std::string_view bytes, std::string_view name = "test.ini") const {
        const auto file = m_folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    static std::string bytesOf(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_folder;
};

}  // namespace platform::testing
