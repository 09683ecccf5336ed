// Standard output of the modes: lines gathered in a buffer and written in large blocks.
#pragma once

#include <cstddef>
#include <string>

namespace guheng::cli {

// A mode writes its buffer out once it holds this much.
inline constexpr std::size_t FlushSize = 1 << 16;

// Writes the buffer to standard output and empties it; false when not all of it was written.
bool writeOut(std::string& buffer);

// Writes the rest and flushes standard output. False, with one line on standard error, when that fails or
// an earlier write did (writtenBefore false).
bool finishOutput(std::string& buffer, bool writtenBefore = true);

} // namespace guheng::cli
