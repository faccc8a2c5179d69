// Trimming of catalog text: blanks and control characters (bytes up to 32)
// go at both ends. Header-only, so the record and formatting functions can
// use it without linking the data module.
#pragma once

#include <string>
#include <string_view>

namespace catalog {

inline std::string Trim(std::string_view s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) <= 32)
        --last;
    return std::string(s.substr(first, last - first));
}

}  // namespace catalog
