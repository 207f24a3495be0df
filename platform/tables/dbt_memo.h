// The dBase III memo file (DBT): 512-byte blocks; block 0 holds the number of
// the next free block; a memo starts at a block boundary and ends with two
// 0x1A bytes. Memos are never rewritten in place: a changed memo gets new
// blocks, so a record that is not committed keeps its old text intact.
#pragma once

#include <cstdint>
#include <string>

namespace plat::tables {

class DbtMemo {
 public:
  static constexpr std::uint32_t kBlock = 512;

  // Opens the memo file; checks its header. Throws TabellenFehler naming it.
  DbtMemo(std::string pfad, bool schreibbar);
  ~DbtMemo();
  DbtMemo(const DbtMemo&) = delete;
  DbtMemo& operator=(const DbtMemo&) = delete;

  // Writes an empty memo file (header block only).
  static void erzeuge(const std::string& pfad);

  const std::string& pfad() const { return pfad_; }

  // The memo starting at `block`. Throws TabellenFehler when the block lies
  // outside the file.
  std::string lese(std::uint32_t block) const;
  // Stores `text` in new blocks and returns the first. Text holding the end
  // mark (two 0x1A bytes) cannot be stored and is refused.
  std::uint32_t schreibe(const std::string& text);
  // Drops every memo (the table was emptied).
  void leere();

 private:
  std::string pfad_;
  int fd_ = -1;
};

}  // namespace plat::tables
