// A test fixture for the configuration library: fake seams, a private temporary folder that
// plays the program's folder, and the three table sets restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fake_seams.h"
#include "config/install_settings.h"
#include "config/setup_tables.h"

class ConfigFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDefaults_ = DefaultTables();
    savedCurrent_ = CurrentTables();
    savedLoaded_ = LoadedTables();
    char pattern[] = "/tmp/kzconfig-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    seams.files.programDir = dir_ + "/";
    StoreCfgName("");
    seams.installKey.values["Cfg Name"] = "voltra.cfg";
  }

  void TearDown() override {
    DefaultTables() = savedDefaults_;
    CurrentTables() = savedCurrent_;
    LoadedTables() = savedLoaded_;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }

  std::string PathOf(const std::string& name) const { return dir_ + "/" + name; }

  // Writes the configuration file where LoadConfig finds it.
  void WriteConfig(const std::string& bytes, const std::string& name = "voltra.cfg") {
    WriteFile(PathOf(name), bytes);
    seams.files.existing.insert(PathOf(name));
  }

  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  int Warnings() const {
    return int(std::count_if(seams.complaints.shown.begin(), seams.complaints.shown.end(),
                             [](const auto& c) { return c.kind == kz::Complaint::kDamagedFile; }));
  }

  ScopedFakeSeams seams;
  std::string dir_;

 private:
  KzTableSet savedDefaults_, savedCurrent_, savedLoaded_;
};
