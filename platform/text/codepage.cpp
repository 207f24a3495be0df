#include "platform/text/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace plat::text {
namespace {

const char* iconv_name(CodePage cp) {
  switch (cp) {
    case CodePage::Cp850: return "CP850";
    case CodePage::Cp1252: return "CP1252";
    case CodePage::Utf8: return "UTF-8";
  }
  return "UTF-8";
}

const char* display_name(CodePage cp) {
  switch (cp) {
    case CodePage::Cp850: return "Codepage 850";
    case CodePage::Cp1252: return "Windows-1252";
    case CodePage::Utf8: return "UTF-8";
  }
  return "?";
}

// One iconv descriptor per conversion direction and thread; iconv_open is
// comparatively expensive and the descriptors are reused after a reset.
class Converter {
 public:
  Converter(CodePage from, CodePage to) : cd_(iconv_open(iconv_name(to), iconv_name(from))) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string run(std::string_view in, CodePage from, CodePage to, bool lossy, char replacement) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw ConversionError(std::string("Zeichensatzumwandlung nicht verfügbar: ") +
                                iconv_name(from) + " -> " + iconv_name(to),
                            0);
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    while (src_left > 0) {
      size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        size_t used = out.size() - dst_left;
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
        continue;
      }
      std::size_t pos = in.size() - src_left;
      if (lossy) {
        if (dst_left == 0) {
          size_t used = out.size();
          out.resize(out.size() * 2);
          dst = out.data() + used;
          dst_left = out.size() - used;
        }
        *dst++ = replacement;
        --dst_left;
        // Skip one whole input character (a UTF-8 sequence or one byte).
        size_t skip = 1;
        if (from == CodePage::Utf8) {
          while (skip < src_left && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
        }
        src += skip;
        src_left -= skip;
        continue;
      }
      std::string msg = (errno == EILSEQ && from != CodePage::Utf8)
                            ? std::string("Zeichen an Stelle ") + std::to_string(pos + 1) +
                                  " ist in " + display_name(to) + " nicht darstellbar"
                            : std::string("Zeichen an Stelle ") + std::to_string(pos + 1) +
                                  " ist in " + display_name(to) + " nicht darstellbar oder kein gültiges " +
                                  display_name(from);
      throw ConversionError(msg, pos);
    }
    out.resize(out.size() - dst_left);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& converter(CodePage from, CodePage to) {
  thread_local Converter table[3][3] = {
      {{CodePage::Cp850, CodePage::Cp850}, {CodePage::Cp850, CodePage::Cp1252}, {CodePage::Cp850, CodePage::Utf8}},
      {{CodePage::Cp1252, CodePage::Cp850}, {CodePage::Cp1252, CodePage::Cp1252}, {CodePage::Cp1252, CodePage::Utf8}},
      {{CodePage::Utf8, CodePage::Cp850}, {CodePage::Utf8, CodePage::Cp1252}, {CodePage::Utf8, CodePage::Utf8}},
  };
  return table[static_cast<int>(from)][static_cast<int>(to)];
}

bool is_ascii(std::string_view in) {
  for (char c : in) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string convert(std::string_view in, CodePage from, CodePage to) {
  if (is_ascii(in)) return std::string(in);  // all three agree on 7-bit text
  if (from == to && from != CodePage::Utf8) return std::string(in);
  return converter(from, to).run(in, from, to, false, '?');
}

std::string convert_lossy(std::string_view in, CodePage from, CodePage to, char replacement) {
  if (is_ascii(in)) return std::string(in);
  if (from == to && from != CodePage::Utf8) return std::string(in);
  return converter(from, to).run(in, from, to, true, replacement);
}

bool fits_cp850(std::string_view utf8) {
  try {
    (void)utf8_to_cp850(utf8);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

}  // namespace plat::text
