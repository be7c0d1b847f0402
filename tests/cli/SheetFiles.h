// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ratedload::cli::test {

// A folder of its own for the files of one test, removed with it.
class Folder {
public:
    Folder();
    ~Folder();
    std::string operator/(const std::string &name) const { return (path_ / name).string(); }
    std::string Path() const { return path_.string(); }
    // The names in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path_;
};

// The standard output of a command line, such as "pdftotext FILE -".
std::string Output(const std::string &command);

// The command line's words with {dir} replaced by the folder.
std::vector<std::string> WordsIn(const std::string &line, const Folder &folder);

} // namespace ratedload::cli::test
