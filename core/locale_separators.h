#pragma once

#include <string>

namespace tarvola {

// The user's number separators, as UTF-8 text. They are passed into every operation that reads
// or writes number text, so the core never consults a global locale.
struct LocaleSeparators {
    std::string decimal; // e.g. "," or "." or "\u066B"
    std::string group;   // e.g. "." or "," or "\u202F"; may be empty
};

} // namespace tarvola
