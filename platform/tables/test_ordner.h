// Test helper: a fresh temporary folder, removed with everything in it.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace plat::tables::test {

class TempOrdner {
 public:
  TempOrdner() {
    std::string muster = (std::filesystem::temp_directory_path() / "tabellen-XXXXXX").string();
    pfad_ = ::mkdtemp(muster.data());
  }
  ~TempOrdner() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
  }
  TempOrdner(const TempOrdner&) = delete;
  TempOrdner& operator=(const TempOrdner&) = delete;

  std::string operator/(const std::string& name) const { return pfad_ + "/" + name; }
  const std::string& pfad() const { return pfad_; }

 private:
  std::string pfad_;
};

inline std::string lies_bytes(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void schreibe_bytes(const std::string& pfad, const std::string& b) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f << b;
}

}  // namespace plat::tables::test
