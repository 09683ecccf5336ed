#include "output.h"

#include <cstdio>

namespace guheng::cli {

bool writeOut(std::string& buffer) {
    const bool written = std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size();
    buffer.clear();
    return written;
}

bool finishOutput(std::string& buffer, bool writtenBefore) {
    const bool written = writeOut(buffer) && writtenBefore;
    if (std::fflush(stdout) != 0 || !written) {
        std::fputs("guheng-cli: cannot write the output\n", stderr);
        return false;
    }
    return true;
}

} // namespace guheng::cli
