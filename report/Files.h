// SPDX-License-Identifier: MIT
#pragma once

#include "report/Report.h"

#include <memory>
#include <string>

class QIODevice;
class QSaveFile;

namespace ratedload::report {

// A file written in full or not at all: the text goes to a temporary file
// beside it, renamed over it by Commit. Dropped without Commit, or on any
// failure, the temporary file goes and the file stays as it was. WriteError
// for a folder or a path that cannot be written.
class SaveFile {
public:
    explicit SaveFile(const std::string &path);
    ~SaveFile();

    QIODevice &Device();
    void Commit();
    [[noreturn]] void Fail();

private:
    std::string path_;
    std::unique_ptr<QSaveFile> file_;
};

} // namespace ratedload::report
