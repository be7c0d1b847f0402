// SPDX-License-Identifier: MIT
#include "report/OutputFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace ratedload::report {

namespace {

[[noreturn]] void Fail(const std::string &path, int error)
{
    throw OutputFileError("cannot write '" + path + "': " + std::strerror(error));
}

// The mode of a new file: what the umask leaves of rw-rw-rw-.
mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void WriteStream(const std::string &path, std::string_view bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        Fail(path, errno);
    int error = WriteAll(fd, bytes);
    if (close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error != 0)
        Fail(path, error);
}

// `path` as the user wrote it, for the messages; `target` the file replaced.
void ReplaceFile(
    const std::string &path, const std::string &target, std::string_view bytes, mode_t mode)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder
        = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        Fail(path, errno);
    int error = WriteAll(fd, bytes);
    if (error == 0 && fchmod(fd, mode) != 0)
        error = errno;
    // A full disk or a quota may show only when the data reach the disk.
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        Fail(path, error);
    }
}

} // namespace

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool IsStandardOutput(std::string_view path)
{
    return path == "-";
}

void WriteOutputFile(const std::string &path, std::string_view bytes, std::ostream &standardOutput)
{
    if (IsStandardOutput(path)) {
        standardOutput.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        standardOutput.flush();
        return;
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            Fail(path, errno);
        ReplaceFile(path, path, bytes, NewFileMode());
        return;
    }
    if (S_ISDIR(status.st_mode))
        throw OutputFileError("'" + path + "' is a folder");
    if (!S_ISREG(status.st_mode)) {
        WriteStream(path, bytes);
        return;
    }
    // Through a symbolic link, the file it names is replaced, not the link.
    std::string target = path;
    struct stat link {};
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved))
            target = resolved;
    }
    ReplaceFile(path, target, bytes, status.st_mode & 07777);
}

} // namespace ratedload::report
