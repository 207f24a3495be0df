// Code page conversions at the edges of the program.
//
// Program text and table data are single-byte code page 850. Each edge converts
// once: windows (UTF-8 via Qt), templates and HTML (Windows-1252), the XML
// invoice (UTF-8). A character the target cannot hold is reported, never
// dropped or replaced silently.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plat::text {

enum class CodePage { Cp850, Cp1252, Utf8 };

// Thrown when a byte sequence cannot be converted. `position` is the byte
// offset in the input where the offending character begins.
class ConversionError : public std::runtime_error {
 public:
  ConversionError(const std::string& what, std::size_t position)
      : std::runtime_error(what), position_(position) {}
  std::size_t position() const { return position_; }

 private:
  std::size_t position_;
};

// Converts `in` from one code page to another through iconv. Throws
// ConversionError when a character has no counterpart in `to` or `in` is not
// valid in `from`.
std::string convert(std::string_view in, CodePage from, CodePage to);

// The same, but characters without a counterpart become `replacement`
// (for diagnostics only, never for data that is written).
std::string convert_lossy(std::string_view in, CodePage from, CodePage to, char replacement = '?');

inline std::string cp850_to_utf8(std::string_view in) { return convert(in, CodePage::Cp850, CodePage::Utf8); }
inline std::string utf8_to_cp850(std::string_view in) { return convert(in, CodePage::Utf8, CodePage::Cp850); }
inline std::string cp1252_to_cp850(std::string_view in) { return convert(in, CodePage::Cp1252, CodePage::Cp850); }
inline std::string cp850_to_cp1252(std::string_view in) { return convert(in, CodePage::Cp850, CodePage::Cp1252); }
inline std::string cp1252_to_utf8(std::string_view in) { return convert(in, CodePage::Cp1252, CodePage::Utf8); }
inline std::string utf8_to_cp1252(std::string_view in) { return convert(in, CodePage::Utf8, CodePage::Cp1252); }

// True when every character of the UTF-8 text `in` exists in code page 850.
bool fits_cp850(std::string_view utf8);

}  // namespace plat::text
