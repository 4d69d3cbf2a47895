#pragma once
// Other processes for the tests of saving: pieces of a test run in child processes under a
// time limit, so that a save that waits for ever fails its test instead of stopping the run,
// and a lock on a file that those children meet, as they would meet a viewer's.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace umbrin::test {

// Runs every piece at once, each in a child process of its own, and gives back what each
// returned (0..255); -1 for a child still at work after sekunden (it is ended then), -2 for one
// that ended by a signal or could not be started.
inline std::vector<int> inKindernMitFrist(const std::vector<std::function<int()>>& stuecke, double sekunden)
{
    std::vector<pid_t> kinder;
    for (const auto& tue : stuecke) {
        const pid_t kind = ::fork();
        if (kind == 0)
            ::_exit(tue());
        kinder.push_back(kind);
    }
    std::vector<int> ergebnis(kinder.size(), -2);
    const auto frist = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    for (std::size_t i = 0; i < kinder.size(); ++i) {
        int status = 0;
        while (kinder[i] > 0) {
            const pid_t r = ::waitpid(kinder[i], &status, WNOHANG);
            if (r == kinder[i]) {
                ergebnis[i] = WIFEXITED(status) ? WEXITSTATUS(status) : -2;
                break;
            }
            if (r < 0)
                break;
            if (std::chrono::steady_clock::now() > frist) {
                ::kill(kinder[i], SIGKILL);
                ::waitpid(kinder[i], &status, 0);
                ergebnis[i] = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return ergebnis;
}

inline int imKindMitFrist(const std::function<int()>& tue, double sekunden)
{
    return inKindernMitFrist({tue}, sekunden).front();
}

// Locks the file as another program would while a child process saves: for reading (F_RDLCK),
// as a viewer does, or by lockf for writing, as an editor does. The handle that holds the lock
// (close it to let go), or -1 when the lock cannot be taken. A child this process starts does
// not inherit the lock: it finds the file locked by another process.
inline int sperre(const std::filesystem::path& datei, bool lesen)
{
    const int handle = ::open(datei.c_str(), (lesen ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    struct flock lesesperre {};
    lesesperre.l_type = F_RDLCK;
    if (handle >= 0 && (lesen ? ::fcntl(handle, F_SETLK, &lesesperre) : ::lockf(handle, F_TLOCK, 0)) == 0)
        return handle;
    if (handle >= 0)
        ::close(handle);
    return -1;
}

} // namespace umbrin::test
