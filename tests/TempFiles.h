// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder, removed with everything in it at the end of the test,
// even where a test took its permissions away.
class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/tessary-test-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  ~TempDir() { std::system(("chmod -R u+rwx '" + dir_ + "'; rm -rf '" + dir_ + "'").c_str()); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string path(const std::string& name) const { return dir_ + "/" + name; }
  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
