// Saving and loading through real files. Portable: the Windows build runs it under Wine too,
// where the read-only attribute and the replacing rename are the platform's own.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/config_writer.h"
#include "config/file_io.h"
#include "config/seams.h"
#include "config/setup_section.h"
#include "config/setup_tables.h"

namespace {

namespace fs = std::filesystem;
using S = KzSetupSection;

struct CountedComplaints : kz::ComplaintSink {
  int damaged = 0;
  void Complain(kz::Complaint kind, const std::string&) override {
    damaged += kind == kz::Complaint::kDamagedFile;
  }
};

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = kz::InstalledSeams();
    kz::InstalledSeams().complaints = &complaints_;
    tables_ = CurrentTables();
    // A folder and file name outside ASCII: the names must reach the platform as Unicode. The
    // tests run side by side: each has a folder of its own.
    dir_ = fs::temp_directory_path() / fs::path(u8"kzconfig-файлы");
    dir_ += "-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    S::SetDefaults(nullptr, nullptr);
  }
  void TearDown() override {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir_, error))
      fs::permissions(entry.path(), fs::perms::owner_all, error);
    fs::remove_all(dir_, error);
    CurrentTables() = tables_;
    kz::InstalledSeams() = saved_;
  }
  // The UTF-8 name of a file in the folder, as the seams pass names.
  std::string Utf8(const std::string& utf8Name) const {
    const std::u8string name = Native(utf8Name).u8string();
    return std::string(name.begin(), name.end());
  }
  fs::path Native(const std::string& utf8Name) const {
    return dir_ / fs::path(reinterpret_cast<const char8_t*>(utf8Name.c_str()));
  }
  std::string Read(const std::string& utf8Name) const {
    std::ifstream in(Native(utf8Name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& utf8Name, const std::string& bytes) const {
    std::ofstream(Native(utf8Name), std::ios::binary) << bytes;
  }

  fs::path dir_;
  CountedComplaints complaints_;

 private:
  kz::Seams saved_;
  KzTableSet tables_;
};

TEST_F(FileIoTest, SavesANewFileAndReplacesAnOldOne) {
  const std::string name = "конфиг.cfg";
  ASSERT_TRUE(S::SaveConfig(Utf8(name)));
  EXPECT_EQ(Read(name), FormatConfig());
  Write(name, std::string(5000, 'x'));
  ASSERT_TRUE(S::SaveConfig(Utf8(name)));
  EXPECT_EQ(Read(name), FormatConfig());
  EXPECT_FALSE(fs::exists(Native(name + ".tmp")));
}

TEST_F(FileIoTest, AReadOnlyFileIsNotReplacedAndAMissingFolderFails) {
  const std::string name = "voltra.cfg";
  Write(name, "old");
  fs::permissions(Native(name), fs::perms::owner_read);
  EXPECT_FALSE(S::SaveConfig(Utf8(name)));
  EXPECT_EQ(Read(name), "old");
  EXPECT_FALSE(fs::exists(Native(name + ".tmp")));
  // Nor is a missing folder made.
  EXPECT_FALSE(S::SaveConfig(Utf8("missing") + "/voltra.cfg"));
  EXPECT_FALSE(fs::exists(Native("missing")));
}

TEST_F(FileIoTest, LoadsFromAUnicodeNameAndRefusesFolders) {
  const std::string name = "игра.cfg";
  Write(name, "[Screen Setup]\r\nScreenWidth = 1024\r\n");
  EXPECT_TRUE(S::LoadConfigFile(Utf8(name)));
  EXPECT_EQ(S::GetScreen_SetupEntry("ScreenWidth")->value, 1024);
  EXPECT_EQ(complaints_.damaged, 0);
  EXPECT_EQ(kz::OpenForReading(Utf8("")), nullptr);
  const std::u8string folder = dir_.u8string();
  EXPECT_FALSE(S::LoadConfigFile(std::string(folder.begin(), folder.end())));
  EXPECT_EQ(complaints_.damaged, 0);
}

}  // namespace
