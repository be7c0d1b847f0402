// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ratedload::report {

// A file that could not be written; what() names it and gives the system's
// reason: "cannot write 'car.pdf': No space left on device".
class OutputFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes what an inspector files (a sheet, a chart) in full or not at all.
// A regular file, or a path that is not there yet, is written to a
// temporary file beside it, flushed to the disk and renamed over it, with
// the mode the file had (a new one: as the umask allows); on any failure the
// temporary file goes and an earlier file stays as it was. A symbolic link
// to a regular file is followed, and the file it names is replaced. A path
// that is there but is no regular file (a device such as /dev/null, a FIFO)
// is opened and written as a stream, never replaced. "-" is `standardOutput`.
// OutputFileError for a folder and for every write, flush or close that fails.
void WriteOutputFile(const std::string &path, std::string_view bytes, std::ostream &standardOutput);

// Writes every byte to `fd`, through short writes and interruptions: 0, or
// the error.
int WriteAll(int fd, std::string_view bytes);

// Whether a path names standard output.
bool IsStandardOutput(std::string_view path);

} // namespace ratedload::report
