// The replacement loop written plainly, pass by pass on the whole text, as a
// yardstick for the linear loop in tests, the fuzz target and the benchmarks.
// Quadratic in the worst case; not for production use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace docgen::platzhalter {

// The text with every placeholder replaced, with the same bounds on values
// that are read again as the linear loop; nullopt when more than
// `max_durchlaeufe` passes would be needed.
std::optional<std::string> ersetze_durchlaufweise(std::string_view text,
                                                  std::size_t max_durchlaeufe = 100000);

}  // namespace docgen::platzhalter
