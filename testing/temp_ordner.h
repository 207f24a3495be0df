// Test helper: a fresh temporary folder of its own, removed with everything in
// it (also after a test took away write or search rights inside it).
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace bt::test {

class TempOrdner {
 public:
  TempOrdner() {
    std::string muster = (std::filesystem::temp_directory_path() / "bt-test-XXXXXX").string();
    const char* p = ::mkdtemp(muster.data());
    pfad_ = p ? p : "";
  }
  ~TempOrdner() {
    namespace fs = std::filesystem;
    if (pfad_.empty()) return;
    std::error_code ec;
    fs::permissions(pfad_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(pfad_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(pfad_, ec);
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

}  // namespace bt::test
