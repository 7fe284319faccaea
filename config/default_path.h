// Finds a data file in the program's folder or, failing that, in a fallback folder.
#pragma once

#include <string>

class KzDefaultPath {
 public:
  // A directory text that begins with "." is taken relative to the program's folder; no
  // primary directory means the program's folder itself.
  explicit KzDefaultPath(const std::string& fallback = "..\\", const char* primary = nullptr);
  ~KzDefaultPath() = default;

  // Full path of the file in the primary, else the fallback directory; empty when in neither.
  std::string Find(const std::string& name) const;
  // As Find; an empty result also shows "Cannot open the '<name>' file".
  std::string FindOrComplain(const std::string& name) const;

  const std::string& Fallback() const { return fallback_; }
  const std::string& Primary() const { return primary_; }

 private:
  std::string fallback_;
  std::string primary_;
};

// Joins a directory and a relative name with one backslash between them.
std::string JoinPath(const std::string& dir, const std::string& name);
