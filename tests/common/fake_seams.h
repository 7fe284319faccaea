// Test doubles of the platform seams, installed for the life of one test.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config/seams.h"

struct FakeFiles : kz::FileSystem {
  std::string programDir = "C:\\Games\\Voltrane\\Bin\\";
  std::set<std::string> existing;
  std::string ProgramDir() const override { return programDir; }
  bool PathExists(const std::string& path) const override { return existing.count(path) > 0; }
};

struct FakeComplaints : kz::ComplaintSink {
  struct Shown {
    kz::Complaint kind;
    std::string text;
  };
  std::vector<Shown> shown;
  void Complain(kz::Complaint kind, const std::string& text) override {
    shown.push_back({kind, text});
  }
};

struct FakeInstallKey : kz::InstallKey {
  bool present = true;
  std::map<std::string, std::string> values;
  std::optional<std::string> Read(const std::string& value, bool) const override {
    if (!present) return std::nullopt;
    auto it = values.find(value);
    return it == values.end() ? std::string() : it->second;
  }
  bool Write(const std::string& value, const std::string& data) override {
    if (!present) return false;
    values[value] = data;
    return true;
  }
};

struct FakeKeyboard : kz::KeyboardLayout {
  std::map<unsigned char, int16_t> keys;
  int16_t KeyScan(unsigned char ch) const override {
    auto it = keys.find(ch);
    return it == keys.end() ? int16_t(-1) : it->second;
  }
};

// Installs fresh doubles and restores the previous seams when it goes out of scope.
struct ScopedFakeSeams {
  FakeFiles files;
  FakeComplaints complaints;
  FakeInstallKey installKey;
  FakeKeyboard keyboard;
  kz::Seams saved;
  ScopedFakeSeams() : saved(kz::InstalledSeams()) {
    kz::InstalledSeams() = {&files, &complaints, &installKey, &keyboard};
  }
  ~ScopedFakeSeams() { kz::InstalledSeams() = saved; }
};
