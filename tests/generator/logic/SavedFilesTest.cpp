// The program file and the selection file are replaced whole or not at all.
#include "generator/logic/FlushToDisk.h"
#include "generator/logic/ProgramFile.h"
#include "generator/logic/ReplaceFileContent.h"
#include "generator/logic/SelectionFile.h"

#include "generator/FailingFileSteps.h"
#include "generator/TempWorkDir.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using generator::FileReplacementSteps;

struct SavedFile {
    const char* path;
    std::function<bool()> save;
    const char* saved;
};

const SavedFile kSavedFiles[] = {
    {generator::kProgramFileName, [] { return generator::WriteProgramFile({"G00z-2", "G00x24"}); },
     "G00z-2\r\nG00x24\r\n"},
    {generator::kSelectionFilePath, [] { return generator::WriteSelectionFile(5); }, "5\r\n"},
};

constexpr const char* kOldBytes = "3\r\nthe bytes of an earlier save\r\n";

class SavedFiles : public TempWorkDir {
protected:
    void SetUp() override
    {
        TempWorkDir::SetUp();
        m_real = generator::SetFileReplacementSteps({});
        generator::SetFileReplacementSteps(m_real);
    }
    void TearDown() override
    {
        generator::SetFileReplacementSteps(m_real);
        TempWorkDir::TearDown();
    }

    void ClearWorkDir() const
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(m_dir))
            fs::remove_all(entry.path());
    }

    // Every name under the working directory, so that a temporary file left
    // behind shows.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_dir))
            names.push_back(entry.path().lexically_relative(m_dir).generic_string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::vector<std::string> FileAndFolder(const SavedFile& file)
    {
        const fs::path path = platform::Utf8Path(file.path);
        std::vector<std::string> names{path.generic_string()};
        if (path.has_parent_path())
            names.insert(names.begin(), path.parent_path().generic_string());
        return names;
    }

    FileReplacementSteps m_real{};
};

void WriteHalfSilently(std::ostream& out, std::string_view bytes)
{
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
}

// Each file of the flushed file's folder with its bytes, as they stood when the
// flush ran.
std::vector<std::pair<fs::path, std::string>> g_folderAtFlush;

void RecordFolderAndFlush(const fs::path& file, std::error_code& error)
{
    g_folderAtFlush.clear();
    for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path().empty() ? "." : file.parent_path())) {
        std::ifstream in(entry.path(), std::ios::binary);
        g_folderAtFlush.emplace_back(entry.path().filename(),
                                     std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    std::sort(g_folderAtFlush.begin(), g_folderAtFlush.end());
    generator::FlushFileToDisk(file, error);
}

TEST_F(SavedFiles, ReplaceTheOldBytesWholeAndLeaveNothingElse)
{
    for (const bool old : {true, false}) {
        for (const SavedFile& file : kSavedFiles) {
            SCOPED_TRACE(std::string(file.path) + (old ? ", replacing an older one" : ", a new file"));
            ClearWorkDir();
            if (old)
                WriteFile(file.path, kOldBytes);
            else
                fs::create_directories(m_dir / platform::Utf8Path(file.path).parent_path());
            ASSERT_TRUE(file.save());
            EXPECT_EQ(ReadFile(file.path), file.saved);
            EXPECT_EQ(Entries(), FileAndFolder(file));
        }
    }
}

TEST_F(SavedFiles, AFailedStepKeepsTheOldBytesAndRemovesTheNewFile)
{
    const struct {
        const char* what;
        FileReplacementSteps steps;
    } failures[] = {
        {"the write fails part way (a full disk)", {WriteHalfThenFail, m_real.flush, m_real.rename}},
        {"a short write the stream does not report", {WriteHalfSilently, m_real.flush, m_real.rename}},
        {"the flush to the disk fails", {m_real.write, FailToFlush, m_real.rename}},
        {"the rename fails (the file is held by another program)", {m_real.write, m_real.flush, FailToRename}},
    };
    for (const auto& failure : failures) {
        for (const SavedFile& file : kSavedFiles) {
            SCOPED_TRACE(std::string(failure.what) + ": " + file.path);
            ClearWorkDir();
            generator::SetFileReplacementSteps(m_real);
            WriteFile(file.path, kOldBytes);
            generator::SetFileReplacementSteps(failure.steps);
            EXPECT_FALSE(file.save());
            EXPECT_EQ(ReadFile(file.path), kOldBytes);
            EXPECT_EQ(Entries(), FileAndFolder(file));
        }
    }
}

TEST_F(SavedFiles, TheNewBytesAreFlushedToTheDiskBeforeTheyReplaceTheOld)
{
    generator::SetFileReplacementSteps({m_real.write, RecordFolderAndFlush, m_real.rename});
    for (const SavedFile& file : kSavedFiles) {
        SCOPED_TRACE(file.path);
        ClearWorkDir();
        WriteFile(file.path, kOldBytes);
        g_folderAtFlush.clear();
        ASSERT_TRUE(file.save());
        // The old file untouched beside the new one, whose name sorts after it.
        ASSERT_EQ(g_folderAtFlush.size(), 2u);
        EXPECT_EQ(g_folderAtFlush[0].first, platform::Utf8Path(file.path).filename());
        EXPECT_EQ(g_folderAtFlush[0].second, kOldBytes);
        EXPECT_EQ(g_folderAtFlush[1].second, file.saved);
    }
}

TEST_F(SavedFiles, APathThatIsNoRegularFileIsNeverOpened)
{
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
    } kinds[] = {
#ifndef _WIN32  // neither exists on Windows
        {"a named pipe", [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
        {"a device", [](const fs::path& path) { fs::create_symlink("/dev/full", path); }},
#endif
        {"a folder", [](const fs::path& path) { fs::create_directory(path); }},
    };
    for (const auto& kind : kinds) {
        for (const SavedFile& file : kSavedFiles) {
            SCOPED_TRACE(std::string(kind.what) + ": " + file.path);
            ClearWorkDir();
            const fs::path path = platform::Utf8Path(file.path);
            fs::create_directories(m_dir / path.parent_path());
            kind.make(path);
            const fs::file_type before = fs::status(path).type();
            // Opening a pipe would wait here for its other end, and the test would time out.
            EXPECT_FALSE(file.save());
            EXPECT_EQ(fs::status(path).type(), before);
            EXPECT_EQ(Entries(), FileAndFolder(file));
            EXPECT_EQ(generator::ReadSelectionFile(), std::nullopt);  // the selection file counts as missing
        }
    }
}

TEST_F(SavedFiles, ALinkedFileIsReplacedAndTheLinkKept)
{
    SKIP_ON_WINDOWS_FROM_HERE();
    WriteFile("elsewhere.txt", kOldBytes);
    fs::create_symlink("elsewhere.txt", platform::Utf8Path(generator::kProgramFileName));
    ASSERT_TRUE(kSavedFiles[0].save());
    EXPECT_TRUE(fs::is_symlink(platform::Utf8Path(generator::kProgramFileName)));
    EXPECT_EQ(ReadFile("elsewhere.txt"), kSavedFiles[0].saved);
}

} // namespace
