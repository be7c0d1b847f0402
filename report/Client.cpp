// SPDX-License-Identifier: MIT
#include "report/Client.h"

#include "report/OutputFile.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ratedload::report {

namespace {

constexpr const char *kProgram = "ratedload-report";

// Writes every byte to a pipe whose reader may have gone: a SIGPIPE is held
// back and taken, so that the caller is told with EPIPE rather than ended.
bool WriteToPipe(int fd, std::string_view bytes)
{
    sigset_t pipe;
    sigset_t old;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &old);
    sigset_t pending;
    sigpending(&pending);
    const bool pendingBefore = sigismember(&pending, SIGPIPE);
    const int error = WriteAll(fd, bytes);
    if (error == EPIPE && !pendingBefore) {
        const timespec none {};
        sigtimedwait(&pipe, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return error == 0;
}

// Waits for the program to end; its status.
int Reap(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

} // namespace

std::string FindPainter(const std::vector<std::string> &candidates)
{
    if (const char *named = std::getenv("RATEDLOAD_REPORT"); named && *named)
        return named;
    for (const std::string &candidate : candidates) {
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::vector<std::string> PainterCandidates(const std::string &folder, int depth)
{
    std::string prefix = folder;
    for (int level = 0; level < depth; ++level)
        prefix += "/..";
    return { prefix + "/libexec/ratedload/" + kProgram, folder + "/../report/" + kProgram };
}

Painter::Painter(std::string program)
    : program_(std::move(program))
{
}

Painter::~Painter()
{
    if (to_ >= 0)
        close(to_);
    if (from_ >= 0)
        close(from_);
    if (pid_ > 0)
        Reap(pid_);
}

void Painter::Start()
{
    if (program_.empty())
        throw PaintError("", std::string(kProgram)
                + ", the program that paints sheets and charts, is not installed beside this one "
                  "(RATEDLOAD_REPORT may name it)");
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0)
        throw PaintError("", std::string("cannot start ") + kProgram + ": " + std::strerror(errno));
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        throw PaintError("", std::string("cannot start ") + kProgram + ": " + std::strerror(errno));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char *argv[] = { program_.data(), nullptr };
    const int spawned = posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    to_ = in[1];
    from_ = out[0];
    if (spawned != 0) {
        pid_ = -1;
        throw PaintError(
            "", "cannot start " + program_ + ": " + std::strerror(spawned));
    }
}

void Painter::Ended()
{
    close(to_);
    close(from_);
    to_ = from_ = -1;
    const int status = Reap(pid_);
    pid_ = -1;
    const std::string how = WIFSIGNALED(status)
        ? "with signal " + std::to_string(WTERMSIG(status))
        : "with status " + std::to_string(WEXITSTATUS(status));
    throw PaintError("", program_ + " ended " + how + " before it painted");
}

void Painter::Send(const std::string &text)
{
    if (!WriteToPipe(to_, text))
        Ended();
}

std::string Painter::ReceiveLine()
{
    std::string line;
    char c = 0;
    while (true) {
        const ssize_t got = read(from_, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            Ended();
        if (c == '\n')
            return line;
        line += c;
    }
}

std::string Painter::Receive(std::size_t length)
{
    std::string bytes(length, '\0');
    std::size_t have = 0;
    while (have < length) {
        const ssize_t got = read(from_, bytes.data() + have, length - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            Ended();
        have += static_cast<std::size_t>(got);
    }
    return bytes;
}

std::string Painter::Paint(const Request &request)
{
    if (pid_ < 0)
        Start();
    Send(EncodeRequest(request));
    const std::string head = ReceiveLine();
    const std::size_t last = head.rfind(' ');
    const std::size_t length
        = last == std::string::npos ? 0 : std::strtoull(head.c_str() + last + 1, nullptr, 10);
    std::string body = Receive(length);
    if (head.rfind("ok ", 0) == 0)
        return body;
    const std::size_t first = head.find(' ');
    const std::string field = first < last ? head.substr(first + 1, last - first - 1) : "-";
    throw PaintError(field == "-" ? "" : field, body);
}

} // namespace ratedload::report
