#include "core/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <fcntl.h>
#include <unistd.h>

namespace umbrin {
namespace {

std::filesystem::path tempNameFor(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "_"
        + std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

std::string describe(const std::filesystem::path& path, const char* what, int err)
{
    return std::string("Cannot ") + what + " \"" + path.string() + "\": " + std::strerror(err);
}

// Closes the last handle of a file the rename has replaced, which makes the system free it.
void releaseReplaced(int handle)
{
    try {
        std::thread([handle] { ::close(handle); }).detach();
    } catch (const std::system_error&) {
        ::close(handle);
    }
}

} // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target)
{
    open(std::move(target));
}

SafeFileWriter::~SafeFileWriter()
{
    abandon();
}

bool SafeFileWriter::open(std::filesystem::path target)
{
    abandon();
    target_ = std::move(target);
    temp_ = tempNameFor(target_);
    failed_ = false;
    written_ = 0;
    writtenBack_ = 0;
    released_ = 0;
    streaming_ = true;
    error_.clear();
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) {
        error_ = describe(target_, "write", errno);
        failed_ = true;
        return false;
    }
    return true;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (!file_ || failed_)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        error_ = describe(target_, "write", errno);
        failed_ = true;
        return false;
    }
    written_ += static_cast<long long>(bytes.size());
    return true;
}

void SafeFileWriter::streamToDisk()
{
    if (!file_ || failed_ || !streaming_ || written_ == writtenBack_)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    if (std::fflush(file_) != 0) {
        error_ = describe(target_, "write", errno);
        failed_ = true;
        return;
    }
    const int fd = fileno(file_);
    // A failure the waits see is not reported again by the flush in commit(): it is kept here.
    const auto failure = [&] {
        if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
            streaming_ = false; // not for this file: commit() flushes it all
            return;
        }
        error_ = describe(target_, "write", errno);
        failed_ = true;
    };
    if (::sync_file_range(fd, writtenBack_, written_ - writtenBack_, SYNC_FILE_RANGE_WRITE) != 0) {
        failure();
        return;
    }
    writtenBack_ = written_;
    // What has been on its way for a few megabytes: wait until it is on the disk, then let go
    // of its cached pages, so that a large file streams through a few megabytes of memory.
    constexpr long long kLead = 4LL << 20;
    const long long upTo = writtenBack_ - kLead;
    if (upTo > released_) {
        if (::sync_file_range(fd, released_, upTo - released_,
                              SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER) != 0) {
            failure();
            return;
        }
        ::posix_fadvise(fd, released_, upTo - released_, POSIX_FADV_DONTNEED);
        released_ = upTo;
    }
#endif
}

bool SafeFileWriter::commit()
{
    if (!file_) {
        if (error_.empty())
            error_ = "Cannot write \"" + target_.string() + "\": the file is not open";
        return false;
    }
    bool good = !failed_;
    if (good && std::fflush(file_) != 0) {
        error_ = describe(target_, "write", errno);
        good = false;
    }
    if (good && ::fsync(fileno(file_)) != 0 && errno != EINVAL) {
        error_ = describe(target_, "write", errno);
        good = false;
    }
    if (std::fclose(file_) != 0 && good) {
        error_ = describe(target_, "close", errno);
        good = false;
    }
    file_ = nullptr;
    if (good) {
        const int replaced = releaseInBackground_ ? ::open(target_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK) : -1;
        std::error_code ec;
        std::filesystem::rename(temp_, target_, ec);
        if (ec) {
            error_ = "Cannot replace \"" + target_.string() + "\": " + ec.message();
            good = false;
        }
        if (replaced >= 0)
            releaseReplaced(replaced);
    }
    if (!good) {
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
        failed_ = true;
    }
    temp_.clear();
    return good;
}

void SafeFileWriter::abandon()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
        temp_.clear();
    }
}

bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes, std::string& error)
{
    SafeFileWriter writer;
    if (!writer.open(path) || !writer.write(bytes) || !writer.commit()) {
        error = writer.error();
        return false;
    }
    return true;
}

bool readFileBytes(const std::filesystem::path& path, std::string& bytes, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = describe(path, "read", errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = describe(path, "read", errno);
        return false;
    }
    return true;
}

} // namespace umbrin
