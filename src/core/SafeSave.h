#pragma once
// Saving never loses data: the new contents go to a temporary file beside the target, every
// write and the close are checked, and only then is the temporary renamed over the target.
// A failure leaves the old file exactly as it was and names the file in its message.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace umbrin {

// Writes bytes to path through a temporary file and a rename. Returns true on success;
// on failure error holds a message naming the file and the old file is untouched.
bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes, std::string& error);

// Reads a whole file as bytes. Returns false (and a message naming the file) when it cannot.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes, std::string& error);

// A file written piece by piece (a plot, a table) that only replaces the target when
// commit() succeeds. Destroyed without commit, it removes its temporary file.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    explicit SafeFileWriter(std::filesystem::path target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open(std::filesystem::path target);
    bool isOpen() const { return file_ != nullptr; }
    // Appends bytes; a failed write is remembered and reported by ok() and commit().
    bool write(std::string_view bytes);
    bool ok() const { return isOpen() && !failed_; }
    // Carries a large file to the disk as it is written: starts writing what arrived since the
    // last call, waits for what was started a few megabytes earlier and lets go of its cached
    // pages. The flush in commit() then has only the rest left to do. A failure it meets is
    // remembered like a failed write().
    void streamToDisk();
    // When on, commit() holds the file it replaces open across the rename and lets go of it
    // on a thread of its own: the caller does not wait while the system frees a large old
    // file's pages and disk space. The target is replaced as safely either way.
    void setReleaseReplacedInBackground(bool on) { releaseInBackground_ = on; }
    // Flushes, closes and renames over the target. False (with error()) when anything failed.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void abandon();

    const std::filesystem::path& target() const { return target_; }
    const std::string& error() const { return error_; }

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool releaseInBackground_ = false;
    long long written_ = 0;     // bytes handed to write()
    long long writtenBack_ = 0; // bytes whose carrying to the disk has been started
    long long released_ = 0;    // bytes on the disk whose cached pages were let go of
    bool streaming_ = true;     // false where the file system cannot stream
    std::string error_;
};

} // namespace umbrin
