// SPDX-License-Identifier: MIT
#include "tests/cli/SheetFiles.h"

#include "tests/cli/Run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace ratedload::cli::test {

Folder::Folder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ratedload-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

Folder::~Folder()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::vector<std::string> Folder::Names() const
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Output(const std::string &command)
{
    std::string text;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

std::vector<std::string> WordsIn(const std::string &line, const Folder &folder)
{
    std::vector<std::string> words = Words(line);
    for (std::string &word : words) {
        for (std::size_t at = word.find("{dir}"); at != std::string::npos; at = word.find("{dir}"))
            word.replace(at, 5, folder.Path());
    }
    return words;
}

} // namespace ratedload::cli::test
