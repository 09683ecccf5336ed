// Replacing a file's whole content so that a reader sees either the old file or the complete new one.
// The bytes go to a temporary file in the same folder, are flushed to disk, and the temporary file is renamed
// over the target. On any failure the target is left as it was, no temporary file stays behind, and the error
// says why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace guheng::report {

struct FileError {
    int code = 0;       // the errno value
    std::string reason; // what failed, on which path, and the system's words for it
};

// A target that exists must be a regular file we may write (a read-only file is an error, as it would be for
// writing it in place); a symbolic link is followed and the file it names is replaced. A new file gets the
// usual permissions, a replaced one keeps its own.
std::optional<FileError> replaceFileContent(const std::string& path, std::string_view bytes);

} // namespace guheng::report
