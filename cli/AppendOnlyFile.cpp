#include "cli/AppendOnlyFile.h"

namespace tolvane::cli {

FileWriteResult AppendOnlyFile::AppendLine(std::string_view line) {
    std::string bytes = lastLineOpen_ ? "\n" : "";
    bytes.append(line);
    bytes += '\n';
    FileWriteResult written = WriteAndFlush(bytes);
    if (written) {
        lastLineOpen_ = false;
    }
    return written;
}

}  // namespace tolvane::cli
