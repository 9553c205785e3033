#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/os/faults.h"
#include "platform/os/files.h"
#include "platform/os/filetime.h"
#include "platform/os/stream.h"

namespace {

// The names the cases use; each exists in the fixture's folder as its kind
// says. The services take names as the system has them: "表.p2" in UTF-8,
// and "raw\x81" byte for byte, which no conversion stands between.
constexpr const char* kPlain = "plain.p2";
constexpr const char* kReadOnly = "readonly.p2";
constexpr const char* kDotFile = ".dot.p2";
constexpr const char* kJapanese = "表.p2";
constexpr const char* kDirectory = "folder";
constexpr const char* kDotDirectory = ".folder";
constexpr const char* kFifo = "fifo";
constexpr const char* kUndecodable = "raw\x81";
constexpr const char* kMissing = "missing.p2";

class FileServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFaults();
    char pattern[] = "/tmp/vexmorel-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    for (const char* name : {kPlain, kReadOnly, kDotFile, kUndecodable}) {
      Write(name, "P2DT0123456789");
    }
    Write(kJapanese, "P2DT0123456789");
    ASSERT_EQ(chmod(Path(kReadOnly).c_str(), 0444), 0);
    ASSERT_EQ(mkdir(Path(kDirectory).c_str(), 0755), 0);
    ASSERT_EQ(mkdir(Path(kDotDirectory).c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(Path(kFifo).c_str(), 0644), 0);
  }

  void TearDown() override {
    ClearFaults();
    std::filesystem::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string dir_;
};

struct AttributeCase {
  const char* label;
  const char* name;
  DWORD attributes;
};

constexpr AttributeCase kAttributeCases[] = {
    {"regular file", kPlain, FILE_ATTRIBUTE_ARCHIVE},
    {"owner write bit clear", kReadOnly, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
    {"dot-named file", kDotFile, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
    {"Japanese name", kJapanese, FILE_ATTRIBUTE_ARCHIVE},
    {"directory", kDirectory, FILE_ATTRIBUTE_DIRECTORY},
    {"directory with a trailing slash", "folder/", FILE_ATTRIBUTE_DIRECTORY},
    {"dot-named directory", ".folder/", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY},
    {"dot-dot is not hidden", "folder/..", FILE_ATTRIBUTE_DIRECTORY},
    {"FIFO", kFifo, FILE_ATTRIBUTE_NORMAL},
    {"missing", kMissing, INVALID_FILE_ATTRIBUTES},
    {"a name that is no UTF-8", kUndecodable, FILE_ATTRIBUTE_ARCHIVE},
};

TEST_F(FileServicesTest, Attributes) {
  for (const AttributeCase& c : kAttributeCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(GetFileAttributesA(Path(c.name).c_str()), c.attributes);
  }
}

struct OpenCase {
  const char* label;
  const char* name;
  bool read;   // "rb" and GENERIC_READ
  bool write;  // "r+b" and GENERIC_WRITE
};

// Root runs these, so only the owner write bit rule refuses a writer.
constexpr OpenCase kOpenCases[] = {
    {"regular file", kPlain, true, true},
    {"Japanese name", kJapanese, true, true},
    {"owner write bit clear", kReadOnly, true, false},
    {"directory", kDirectory, false, false},
    {"FIFO without a writer", kFifo, false, false},
    {"missing", kMissing, false, false},
    {"a name that is no UTF-8", kUndecodable, true, true},
};

TEST_F(FileServicesTest, OpensOnlyRegularFilesAndWritesOnlyWritableOnes) {
  for (const OpenCase& c : kOpenCases) {
    SCOPED_TRACE(c.label);
    const std::string path = Path(c.name);
    for (const bool write : {false, true}) {
      SCOPED_TRACE(write ? "writing" : "reading");
      const bool expected = write ? c.write : c.read;
      Stream* stream = OpenStream(path, write ? "r+b" : "rb");
      EXPECT_EQ(stream != nullptr, expected);
      if (stream) {
        EXPECT_EQ(CloseStream(stream), 0);
      }
      HANDLE file = CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
      EXPECT_EQ(file != INVALID_HANDLE_VALUE, expected);
      if (file != INVALID_HANDLE_VALUE) {
        EXPECT_TRUE(CloseHandle(file));
      }
    }
  }
}

TEST_F(FileServicesTest, RefusesDevicesAndOtherModesWithoutTouchingTheFile) {
  EXPECT_EQ(OpenStream("/dev/null", "rb"), nullptr);
  EXPECT_EQ(CreateFileA("/dev/null", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  for (const char* mode : {"wb", "w+b", "ab", "r", ""}) {
    SCOPED_TRACE(mode);
    EXPECT_EQ(OpenStream(Path(kPlain), mode), nullptr);
  }
  constexpr DWORD kCreateAlways = 2;
  EXPECT_EQ(CreateFileA(Path(kPlain).c_str(), GENERIC_WRITE, 0, nullptr, kCreateAlways, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read(kPlain), "P2DT0123456789");
}

TEST_F(FileServicesTest, StreamReadsAndWritesInPlace) {
  Stream* stream = OpenStream(Path(kPlain), "r+b");
  ASSERT_NE(stream, nullptr);
  char magic[4];
  ASSERT_EQ(ReadStream(magic, 1, 4, stream), 4u);
  EXPECT_EQ(std::string(magic, 4), "P2DT");
  EXPECT_EQ(WriteStream("ab", 2, 1, stream), 1u);  // straight after a read
  ASSERT_EQ(SeekStream(stream, 0, SEEK_SET), 0);
  EXPECT_EQ(WriteStream("XY", 1, 2, stream), 2u);
  EXPECT_EQ(CloseStream(stream), 0);
  EXPECT_EQ(Read(kPlain), "XYDTab23456789");

  stream = OpenStream(Path(kPlain), "rb");
  ASSERT_NE(stream, nullptr);
  char all[20];
  EXPECT_EQ(ReadStream(all, 4, 5, stream), 3u);  // 14 bytes hold 3 whole items
  EXPECT_EQ(WriteStream("no", 1, 2, stream), 0u);
  EXPECT_EQ(CloseStream(stream), 0);
  EXPECT_EQ(Read(kPlain), "XYDTab23456789");
}

TEST_F(FileServicesTest, SetFileTimeChangesWhatIsGiven) {
  const std::string path = Path(kPlain);
  const struct timespec old_times[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old_times, 0), 0);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);

  const FILETIME write_time = UnixToFileTime(1'600'000'000, 123'456'700);
  ASSERT_TRUE(SetFileTime(file, &write_time, nullptr, &write_time));
  FILETIME access;
  FILETIME last_write;
  ASSERT_TRUE(GetFileTime(file, nullptr, &access, &last_write));
  EXPECT_EQ(FileTimeTicks(last_write), FileTimeTicks(write_time));
  EXPECT_EQ(FileTimeTicks(access), FileTimeTicks(UnixToFileTime(1'000'000'000, 0)));

  const FILETIME access_time = UnixToFileTime(1'500'000'000, 0);
  ASSERT_TRUE(SetFileTime(file, nullptr, &access_time, nullptr));
  ASSERT_TRUE(GetFileTime(file, nullptr, &access, &last_write));
  EXPECT_EQ(FileTimeTicks(access), FileTimeTicks(access_time));
  EXPECT_EQ(FileTimeTicks(last_write), FileTimeTicks(write_time));
  EXPECT_TRUE(CloseHandle(file));
}

TEST_F(FileServicesTest, InjectedOpenAndAttributeFaultsHitTheNthCall) {
  InjectFault(FileOp::StreamOpen, 2);
  InjectFault(FileOp::GetAttributes, 1);
  InjectFault(FileOp::CreateFile, 1);
  for (const bool expected : {true, false, true}) {
    Stream* stream = OpenStream(Path(kPlain), "rb");
    EXPECT_EQ(stream != nullptr, expected);
    if (stream) CloseStream(stream);
  }
  EXPECT_EQ(FaultCalls(FileOp::StreamOpen), 3);
  EXPECT_EQ(GetFileAttributesA(Path(kPlain).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(Path(kPlain).c_str()), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(CreateFileA(Path(kPlain).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);

  InjectFault(FileOp::GetAttributes, 1);
  ClearFaults();
  EXPECT_EQ(FaultCalls(FileOp::GetAttributes), 0);
  EXPECT_EQ(GetFileAttributesA(Path(kPlain).c_str()), FILE_ATTRIBUTE_ARCHIVE);
}

struct ShortTransferCase {
  const char* label;
  std::size_t size;
  std::size_t count;
  std::size_t items;  // whole items reported for the first 4 of 8 bytes
};

constexpr ShortTransferCase kShortTransferCases[] = {
    {"bytes", 1, 8, 4},
    {"pairs", 2, 4, 2},
    {"one record", 8, 1, 0},
};

TEST_F(FileServicesTest, InjectedShortReadDeliversTheFirstHalf) {
  for (const ShortTransferCase& c : kShortTransferCases) {
    SCOPED_TRACE(c.label);
    Stream* stream = OpenStream(Path(kPlain), "rb");
    ASSERT_NE(stream, nullptr);
    InjectFault(FileOp::StreamRead, 1);
    char buffer[8] = {};
    EXPECT_EQ(ReadStream(buffer, c.size, c.count, stream), c.items);
    EXPECT_EQ(std::string(buffer, 8), std::string("P2DT\0\0\0\0", 8));
    EXPECT_EQ(ReadStream(buffer, 2, 1, stream), 1u);  // goes on after what was read
    EXPECT_EQ(std::string(buffer, 2), "01");
    EXPECT_EQ(CloseStream(stream), 0);
  }
}

TEST_F(FileServicesTest, InjectedShortWriteWritesOnlyTheFirstHalf) {
  for (const ShortTransferCase& c : kShortTransferCases) {
    SCOPED_TRACE(c.label);
    Write(kPlain, "P2DT0123456789");
    Stream* stream = OpenStream(Path(kPlain), "r+b");
    ASSERT_NE(stream, nullptr);
    InjectFault(FileOp::StreamWrite, 1);
    EXPECT_EQ(WriteStream("abcdefgh", c.size, c.count, stream), c.items);
    EXPECT_EQ(CloseStream(stream), 0);
    EXPECT_EQ(Read(kPlain), "abcd0123456789");
  }
}

TEST_F(FileServicesTest, InjectedCloseFailureKeepsWhatWasWritten) {
  Stream* stream = OpenStream(Path(kPlain), "r+b");
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(WriteStream("abcd", 4, 1, stream), 1u);
  InjectFault(FileOp::StreamClose, 1);
  EXPECT_EQ(CloseStream(stream), EOF);
  EXPECT_EQ(Read(kPlain), "abcd0123456789");
}

TEST_F(FileServicesTest, InjectedFileTimeFaultsChangeNothing) {
  HANDLE file =
      CreateFileA(Path(kPlain).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME before;
  ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &before));
  InjectFault(FileOp::SetFileTime, 1);
  InjectFault(FileOp::GetFileTime, 1);
  const FILETIME other = UnixToFileTime(1'000'000'000, 0);
  EXPECT_FALSE(SetFileTime(file, nullptr, nullptr, &other));
  FILETIME after = other;
  EXPECT_FALSE(GetFileTime(file, nullptr, nullptr, &after));
  EXPECT_EQ(FileTimeTicks(after), FileTimeTicks(other));
  ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &after));
  EXPECT_EQ(FileTimeTicks(after), FileTimeTicks(before));
  EXPECT_TRUE(CloseHandle(file));
}

}  // namespace
