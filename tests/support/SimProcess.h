#pragma once

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

// Runs the stand-in receiver for a test: starts it with the given options,
// reads the device path from its first output line, and stops it (SIGTERM)
// when the test is done.
class SimProcess {
public:
    // program: the receiver-sim executable; by default the one in QUELVOX_BUILD_DIR.
    explicit SimProcess(const std::vector<std::string>& options, bool keepStdin = false,
                        std::string program = {}) {
        if (program.empty()) {
            const char* build = std::getenv("QUELVOX_BUILD_DIR");
            if (!build)
                throw std::runtime_error("QUELVOX_BUILD_DIR is not set");
            program = std::string(build) + "/tools/receiver-sim/receiver-sim";
        }
        int out[2];
        int in[2];
        if (pipe(out) != 0 || pipe(in) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        std::vector<std::string> args{program};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int failed =
            posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(in[0]);
        stdin_ = in[1];
        stdout_ = out[0];
        if (failed != 0)
            throw std::runtime_error("cannot start " + program);
        if (!keepStdin)
            closeStdin();
        devicePath_ = readLine(5000);
        if (devicePath_.empty())
            throw std::runtime_error("the stand-in receiver named no device");
    }
    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            waitExit(5000);
        }
        closeStdin();
        if (stdout_ >= 0)
            ::close(stdout_);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& devicePath() const { return devicePath_; }
    pid_t pid() const { return pid_; }
    void closeStdin() {
        if (stdin_ >= 0)
            ::close(stdin_);
        stdin_ = -1;
    }
    void terminate() { ::kill(pid_, SIGTERM); }

    // The exit status, or -1 when it is still running after timeoutMs.
    int waitExit(int timeoutMs) {
        if (pid_ <= 0)
            return exitStatus_;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        do {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return exitStatus_;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < until);
        return -1;
    }

private:
    std::string readLine(int timeoutMs) {
        std::string line;
        char c = 0;
        while (true) {
            pollfd p{stdout_, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0 || ::read(stdout_, &c, 1) != 1 || c == '\n')
                return line;
            line += c;
        }
    }

    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    int exitStatus_ = -1;
    std::string devicePath_;
};
