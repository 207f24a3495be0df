#include "platform/tables/dbt_memo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/tables/datei_io.h"
#include "platform/tables/sperren.h"
#include "platform/tables/tabellen_fehler.h"

namespace plat::tables {
namespace {

std::uint32_t lies_u32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return u[0] | u[1] << 8 | u[2] << 16 | static_cast<std::uint32_t>(u[3]) << 24;
}

std::string kopf(std::uint32_t naechster) {
  std::string b(DbtMemo::kBlock, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((naechster >> (8 * i)) & 0xFF);
  b[16] = 0x03;  // dBase III memo
  return b;
}

}  // namespace

DbtMemo::DbtMemo(std::string pfad, bool schreibbar) : pfad_(std::move(pfad)) {
  fd_ = io::oeffne(pfad_, schreibbar);
  if (fd_ < 0)
    throw TabellenFehler("Die Memodatei " + pfad_ +
                         " lässt sich nicht öffnen: " + std::strerror(errno));
  const std::uint64_t groesse = io::groesse(fd_, pfad_);
  if (groesse < 4) {
    ::close(fd_);
    fd_ = -1;
    throw TabellenFehler("Die Memodatei " + pfad_ + " ist beschädigt: sie ist zu kurz");
  }
}

DbtMemo::~DbtMemo() {
  if (fd_ >= 0) ::close(fd_);
}

void DbtMemo::erzeuge(const std::string& pfad) { io::schreibe_datei(pfad, kopf(1)); }

std::string DbtMemo::lese(std::uint32_t block) const {
  const std::uint64_t groesse = io::groesse(fd_, pfad_);
  const std::uint64_t start = static_cast<std::uint64_t>(block) * kBlock;
  if (block == 0 || start >= groesse)
    throw TabellenFehler("Die Memodatei " + pfad_ + " ist beschädigt: Block " +
                         std::to_string(block) + " liegt außerhalb der Datei");
  std::string text;
  std::uint64_t pos = start;
  char puffer[4 * kBlock];
  while (pos < groesse) {
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof puffer, groesse - pos));
    io::lies_genau(fd_, puffer, n, pos, pfad_);
    const std::size_t alt = text.size();
    text.append(puffer, n);
    // The end mark may straddle two reads: look one byte back.
    const std::size_t ab = alt > 0 ? alt - 1 : 0;
    const auto ende = text.find("\x1a\x1a", ab);
    if (ende != std::string::npos) {
      text.resize(ende);
      return text;
    }
    pos += n;
  }
  // No end mark up to the end of the file: some writers end a memo with a
  // single 0x1A; otherwise the memo runs to the end.
  const auto ende = text.find('\x1a');
  if (ende != std::string::npos) text.resize(ende);
  return text;
}

std::uint32_t DbtMemo::schreibe(const std::string& text) {
  if (text.find("\x1a\x1a") != std::string::npos)
    throw TabellenFehler("Ein Memotext für " + pfad_ +
                         " enthält die Endemarke (zweimal Zeichen 26)");
  sperren::warte(fd_, 0, 1, true);
  struct Freigabe {
    int fd;
    ~Freigabe() { sperren::loese(fd, 0, 1); }
  } freigabe{fd_};
  char k[4];
  io::lies_genau(fd_, k, 4, 0, pfad_);
  std::uint32_t naechster = lies_u32(k);
  // Never place a memo over blocks that are in the file already, even when the
  // header's pointer lags behind.
  const std::uint64_t groesse = io::groesse(fd_, pfad_);
  const auto belegt = static_cast<std::uint32_t>((groesse + kBlock - 1) / kBlock);
  if (naechster < belegt) naechster = belegt;
  if (naechster == 0) naechster = 1;
  std::string daten = text + "\x1a\x1a";
  const std::size_t bloecke = (daten.size() + kBlock - 1) / kBlock;
  daten.resize(bloecke * kBlock, '\0');
  io::schreibe_genau(fd_, daten.data(), daten.size(),
                     static_cast<std::uint64_t>(naechster) * kBlock, pfad_);
  const std::string neu = kopf(naechster + static_cast<std::uint32_t>(bloecke));
  io::schreibe_genau(fd_, neu.data(), 4, 0, pfad_);
  return naechster;
}

void DbtMemo::leere() {
  const std::string neu = kopf(1);
  if (::ftruncate(fd_, 0) != 0)
    throw TabellenFehler("Die Memodatei " + pfad_ +
                         " lässt sich nicht leeren: " + std::strerror(errno));
  io::schreibe_genau(fd_, neu.data(), neu.size(), 0, pfad_);
}

}  // namespace plat::tables
