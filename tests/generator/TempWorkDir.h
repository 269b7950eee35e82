#pragma once
// A fixture that runs each test in a fresh, empty working directory, since the
// generator's files live relative to it.

#include "platform/Utf8Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

// Before a part of a test that needs what only Linux offers: a symbolic link (the
// Windows build's C++ library makes none), and the working directory removed while
// in use.
#ifdef _WIN32
#define SKIP_ON_WINDOWS_FROM_HERE() GTEST_SKIP() << "Linux only from here"
#else
#define SKIP_ON_WINDOWS_FROM_HERE() static_cast<void>(0)
#endif

class TempWorkDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = std::filesystem::current_path();
        // A name of our own choice, as Windows has no mkdtemp.
        std::random_device random;
        do
            m_dir = std::filesystem::temp_directory_path() / ("vorna-gen-" + std::to_string(random()));
        while (!std::filesystem::create_directory(m_dir));
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
