#include "compare/content_comparer.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <map>

#include "captured_output.h"

namespace movra {
namespace {

using testing::CapturedOutput;

// In-memory files behind the platform's read calls, with an optional read that fails.
struct FakeFile {
    std::string bytes;
    std::size_t failOnRead = 0;  // 1-based; 0 never fails
};

struct OpenFile {
    const FakeFile* file;
    std::size_t offset = 0;
    std::size_t reads = 0;
};

std::map<std::u16string, FakeFile> files;
std::vector<OpenFile> opened;
std::size_t totalReads = 0;
int openCount = 0;

class ContentComparerTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.clear();
        opened.clear();
        totalReads = 0;
        openCount = 0;
        platformCalls().openForRead = [](const std::u16string& path) -> std::optional<FileHandle> {
            const auto found = files.find(path);
            if (found == files.end()) {
                return std::nullopt;
            }
            ++openCount;
            opened.push_back(OpenFile{&found->second});
            return FileHandle{static_cast<std::intptr_t>(opened.size() - 1)};
        };
        platformCalls().readFile = [](FileHandle f, void* buffer, std::size_t size) {
            OpenFile& file = opened[static_cast<std::size_t>(f.value)];
            ++totalReads;
            if (++file.reads == file.file->failOnRead) {
                return ReadResult{0, false, true};
            }
            const std::size_t count = std::min(size, file.file->bytes.size() - file.offset);
            std::memcpy(buffer, file.file->bytes.data() + file.offset, count);
            file.offset += count;
            return ReadResult{count, count < size, false};
        };
        platformCalls().closeFile = [](FileHandle) { --openCount; };
    }
    CapturedOutput output;
};

TEST_F(ContentComparerTest, ChunkBoundariesAndEmptyFiles) {
    files[u"/e1"] = {""};
    files[u"/e2"] = {""};
    EXPECT_TRUE(compareContents(u"/e1", u"/e2"));
    EXPECT_EQ(totalReads, 2u);  // one iteration of two empty reads

    totalReads = 0;
    files[u"/a"] = {std::string(65536, 'x')};
    files[u"/b"] = {std::string(65536, 'x')};
    EXPECT_TRUE(compareContents(u"/a", u"/b"));
    EXPECT_EQ(totalReads, 4u);  // a second iteration of empty reads finds the end

    std::string last(65537, 'y');
    files[u"/c"] = {last};
    last.back() = 'z';
    files[u"/d"] = {last};
    EXPECT_FALSE(compareContents(u"/c", u"/d"));
    EXPECT_EQ(openCount, 0);
}

TEST_F(ContentComparerTest, StopsAtTheFirstDifferingChunk) {
    std::string bytes(200000, 'q');
    files[u"/s"] = {bytes};
    bytes[0] = 'r';
    files[u"/t"] = {bytes};
    EXPECT_FALSE(compareContents(u"/s", u"/t"));
    EXPECT_EQ(totalReads, 2u);
}

TEST_F(ContentComparerTest, OpenFailureIsReportedOnceAndCountsAsEqual) {
    files[u"/t"] = {"abc"};
    EXPECT_TRUE(compareContents(u"/missing-source", u"/t"));
    EXPECT_TRUE(compareContents(u"/t", u"/missing-target"));
    EXPECT_EQ(output.err(),
              u"/missing-source - File was not able to open.\n"
              u"/missing-target - File was not able to open.\n");
    EXPECT_EQ(openCount, 0);
}

TEST_F(ContentComparerTest, ReadErrorMidFileEndsThePairWithAMessageNotAHang) {
    files[u"/s"] = {std::string(300000, 'k'), 2};  // the second read fails (I/O error)
    files[u"/t"] = {std::string(300000, 'k')};
    EXPECT_TRUE(compareContents(u"/s", u"/t"));
    EXPECT_EQ(output.err(), u"/s - File was not able to open.\n");
    EXPECT_EQ(openCount, 0);
}

}  // namespace
}  // namespace movra
