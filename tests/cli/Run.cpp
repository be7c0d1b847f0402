// SPDX-License-Identifier: MIT
#include "tests/cli/Run.h"

#include "cli/Program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ratedload::cli::test {

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(10);

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) == 0) {
            read = ends[0];
            write = ends[1];
        }
    }
};

} // namespace

Ran RunCli(const std::vector<std::string> &arguments, const std::string &input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Ran ran;
    ran.status = RunProgram(arguments, Streams { in, out, err, false });
    ran.out = out.str();
    ran.err = err.str();
    return ran;
}

Ran RunCliProcess(const std::vector<std::string> &arguments, const std::string &input,
    const std::string &outputFile, int fileSizeLimitKiB)
{
    Ran ran;
    Pipe in;
    Pipe out;
    Pipe err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    if (outputFile.empty())
        posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(
            &actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_TRUNC | O_CREAT, 0644);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);

    std::vector<std::string> words { RATEDLOAD_CLI };
    if (fileSizeLimitKiB > 0)
        words = { "/bin/sh", "-c",
            "ulimit -f " + std::to_string(fileSizeLimitKiB) + " && exec \"$@\"", "sh",
            RATEDLOAD_CLI };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // Numbers must come out with "." under a locale that writes ",".
    std::vector<std::string> environment { "LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8" };
    // The program finds its painter beside it, as it does when installed.
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry(*variable);
        if (entry.rfind("LC_ALL=", 0) != 0 && entry.rfind("LANG=", 0) != 0
            && entry.rfind("RATEDLOAD_REPORT=", 0) != 0)
            environment.push_back(entry);
    }
    std::vector<char *> envp;
    for (std::string &entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in.read);
    close(out.write);
    close(err.write);
    if (spawned != 0) {
        close(in.write);
        close(out.read);
        close(err.read);
        ran.err = "cannot start " + words.front();
        return ran;
    }

    std::signal(SIGPIPE, SIG_IGN);
    std::size_t written = 0;
    int inFd = in.write;
    if (input.empty()) {
        close(inFd);
        inFd = -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    bool outOpen = true;
    bool errOpen = true;
    while (outOpen || errOpen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ran.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd fds[3] = { { outOpen ? out.read : -1, POLLIN, 0 },
            { errOpen ? err.read : -1, POLLIN, 0 }, { inFd, POLLOUT, 0 } };
        if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        char buffer[65536];
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? ran.out : ran.err).append(buffer, static_cast<std::size_t>(n));
            } else {
                (i == 0 ? outOpen : errOpen) = false;
            }
        }
        if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = write(inFd, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) {
                close(inFd);
                inFd = -1;
            }
        }
    }
    if (inFd >= 0)
        close(inFd);
    close(out.read);
    close(err.read);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        ran.status = WEXITSTATUS(status);
    return ran;
}

} // namespace ratedload::cli::test
