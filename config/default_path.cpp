#include "config/default_path.h"

#include "config/seams.h"

namespace {

const kz::FileSystem& Files() { return *kz::InstalledSeams().files; }

std::string Normalise(const std::string& dir) {
  if (!dir.empty() && dir[0] == '.') return JoinPath(Files().ProgramDir(), dir);
  return dir;
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  const char last = dir.back();
  if (last == '\\' || last == '/') return dir + name;
  return dir + "\\" + name;
}

KzDefaultPath::KzDefaultPath(const std::string& fallback, const char* primary)
    : fallback_(Normalise(fallback)),
      primary_(primary ? Normalise(primary) : Files().ProgramDir()) {}

std::string KzDefaultPath::Find(const std::string& name) const {
  for (const std::string* dir : {&primary_, &fallback_}) {
    std::string candidate = JoinPath(*dir, name);
    if (Files().PathExists(candidate)) return candidate;
  }
  return {};
}

std::string KzDefaultPath::FindOrComplain(const std::string& name) const {
  std::string found = Find(name);
  if (found.empty()) {
    kz::InstalledSeams().complaints->Complain(kz::Complaint::kMissingFile,
                                              "Cannot open the '" + name + "' file");
  }
  return found;
}
