#pragma once
// A folder of a test's own in the temporary area, named after the running test (and a part
// of the test's choosing), emptied when it is made and removed with everything in it when the
// test is done, even after a failed check or with its write permission taken away. Beside it
// the two places no user can write to, root included: a path below a regular file, and a
// disk that is full (a file-size limit on this process).
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace umbrin::test {

class TestOrdner {
public:
    // With nachTest false the name leaves the test out: a folder a whole program's tests share,
    // removed when the program ends.
    explicit TestOrdner(const std::string& teil = {}, bool nachTest = true)
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "umbrin_";
        if (info && nachTest)
            name += std::string(info->test_suite_name()) + "_" + info->name() + "_";
        if (!teil.empty())
            name += teil + "_";
        std::replace(name.begin(), name.end(), '/', '_'); // the names of parameterised tests
        path_ = std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestOrdner()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TestOrdner(const TestOrdner&) = delete;
    TestOrdner& operator=(const TestOrdner&) = delete;

    const std::filesystem::path& path() const { return path_; }
    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

    // A folder inside this one that cannot be written to by anyone: its name continues below
    // a regular file, so every create or open in it fails (ENOTDIR), for root as well.
    std::filesystem::path unbeschreibbar() const
    {
        const std::filesystem::path datei = path_ / "keinOrdner";
        std::ofstream(datei, std::ios::binary) << "x";
        return datei / "ordner";
    }

private:
    std::filesystem::path path_;
};

// While it lives, no file of this process may grow beyond `grenze` bytes, and the limit's
// signal has its default action, as in a program just started that nobody told to ignore it:
// only the program's own writers turn a write beyond the limit into an error, as on a full
// disk, instead of the end of the process.
class VollePlatte {
public:
    explicit VollePlatte(rlim_t grenze = 64)
    {
        alterHandler_ = std::signal(SIGXFSZ, SIG_DFL);
        aktiv_ = getrlimit(RLIMIT_FSIZE, &gesichert_) == 0;
        rlimit klein = gesichert_;
        klein.rlim_cur = grenze;
        aktiv_ = aktiv_ && setrlimit(RLIMIT_FSIZE, &klein) == 0;
    }
    ~VollePlatte()
    {
        if (aktiv_)
            setrlimit(RLIMIT_FSIZE, &gesichert_);
        std::signal(SIGXFSZ, alterHandler_);
    }
    VollePlatte(const VollePlatte&) = delete;
    VollePlatte& operator=(const VollePlatte&) = delete;
    bool aktiv() const { return aktiv_; }

private:
    rlimit gesichert_{};
    void (*alterHandler_)(int) = nullptr;
    bool aktiv_ = false;
};

} // namespace umbrin::test
