#pragma once
// Other processes for the tests of saving: pieces of a test run in child processes under a
// time limit, so that a save that waits for ever fails its test instead of stopping the run,
// and a lock that another process holds on a file, as a viewer or an editor holds one.
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

// While it lives, a child process holds a lock on the file: a shared lock for reading
// (F_RDLCK), as a viewer takes one, or lockf's lock for writing, as an editor takes one.
class FremdeSperre {
public:
    FremdeSperre(const std::filesystem::path& datei, bool lesen)
    {
        int rohr[2];
        if (::pipe(rohr) != 0)
            return;
        kind_ = ::fork();
        if (kind_ == 0) {
            ::close(rohr[0]);
            const int handle = ::open(datei.c_str(), lesen ? O_RDONLY : O_RDWR);
            struct flock sperre {};
            sperre.l_type = F_RDLCK;
            sperre.l_whence = SEEK_SET;
            const bool gesperrt = handle >= 0 && (lesen ? ::fcntl(handle, F_SETLK, &sperre) : ::lockf(handle, F_TLOCK, 0)) == 0;
            const char antwort = gesperrt ? 'j' : 'n';
            (void)!::write(rohr[1], &antwort, 1);
            ::pause(); // until the guard ends it
            ::_exit(0);
        }
        ::close(rohr[1]);
        char antwort = 'n';
        aktiv_ = kind_ > 0 && ::read(rohr[0], &antwort, 1) == 1 && antwort == 'j';
        ::close(rohr[0]);
    }
    ~FremdeSperre()
    {
        if (kind_ > 0) {
            ::kill(kind_, SIGKILL);
            ::waitpid(kind_, nullptr, 0);
        }
    }
    FremdeSperre(const FremdeSperre&) = delete;
    FremdeSperre& operator=(const FremdeSperre&) = delete;
    bool aktiv() const { return aktiv_; }

private:
    pid_t kind_ = -1;
    bool aktiv_ = false;
};

} // namespace umbrin::test
