#pragma once
// A fixture that runs each test in a fresh, empty working directory, since the
// generator's files live relative to it.

#include "platform/Utf8Path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

class TempWorkDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "vorna-gen-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        std::filesystem::current_path(m_dir);
    }

    void TearDown() override
    {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_dir);
    }

    // Creates the file's folder as well.
    static void WriteFile(std::string_view utf8Name, std::string_view bytes)
    {
        const std::filesystem::path path = platform::Utf8Path(utf8Name);
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string ReadFile(std::string_view utf8Name)
    {
        std::ifstream in(platform::Utf8Path(utf8Name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_dir;

private:
    std::filesystem::path m_previous;
};
