#include "core/SafeSave.h"

#include "core/Dateifehler.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrin {
namespace {

constexpr std::string_view kTempPrefix = ".umbrin-";
constexpr std::string_view kTempSuffix = ".tmp";

// A number nobody can foresee, from the system's random source; it never waits for the
// source, which early in the system's start may not be ready: /dev/urandom then, and should
// that fail too, a count (a name still, if one that could be foreseen).
std::uint64_t unforeseeable()
{
    std::uint64_t number = 0;
    if (::getrandom(&number, sizeof number, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof number))
        return number;
    const int source = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    const bool gotten = source >= 0 && ::read(source, &number, sizeof number) == static_cast<ssize_t>(sizeof number);
    if (source >= 0)
        ::close(source);
    static std::atomic<std::uint64_t> counter{0};
    return gotten ? number : counter.fetch_add(1);
}

// A short name, whatever the target's length: ".umbrin-<process>-<random number>.tmp". In a
// folder every user may write, a name that could be foreseen (a count) could be made first by
// another user, who would then block every save there.
std::string tempName()
{
    return std::string(kTempPrefix) + std::to_string(::getpid()) + "-" + std::to_string(unforeseeable())
        + std::string(kTempSuffix);
}

// Whether a file of this name is a temporary of a save or print: ".umbrin-<digits>-<digits>.tmp".
bool isTemporaryName(std::string_view name)
{
    if (name.size() <= kTempPrefix.size() + kTempSuffix.size() || name.substr(0, kTempPrefix.size()) != kTempPrefix
        || name.substr(name.size() - kTempSuffix.size()) != kTempSuffix)
        return false;
    name = name.substr(kTempPrefix.size(), name.size() - kTempPrefix.size() - kTempSuffix.size());
    const std::size_t strich = name.find('-');
    if (strich == 0 || strich == std::string_view::npos || strich > 9 || strich + 1 == name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (i != strich && (name[i] < '0' || name[i] > '9'))
            return false;
    return true;
}

// The rule of every lock a save, an export or a print takes: nothing waits for a lock, as its
// holder may keep it for any length of time (a viewer or an editor that locks the user's file,
// another copy of the program, or this process itself, whose locks through two open handles
// of one file conflict as another process's would).
// - A lock is only ever tried: F_OFD_SETLK; never F_OFD_SETLKW or F_SETLKW, flock without
//   LOCK_NB, or lockf(F_LOCK).
// - A lock that fails is a reason to take another name, to copy the file or to report the
//   failure, never to block.
// - A try that is repeated first lets go of everything the failed one opened or held.
// - The user's own file is never waited for: locked by another program, it is copied instead
//   of held.
//
// A writer holds its temporary, from the moment it is made until it has taken the target's
// name or is gone, by a write lock on the whole file. The lock belongs to the writer's open
// file description, not to its process: no process number is involved, so a copy of the
// program in another process namespace (a container, a sandbox) sees it as well, and no
// other handle to the file that the process closes lets go of it.
enum class Hold {
    Held,
    Busy,        // somebody else holds a lock on the file: a cleaner looking at it, or a viewer
    Unsupported, // the file system keeps no such locks: a cleaner cannot take one there either,
                 // so the file is never taken for left over
};

Hold holdTemporary(int handle)
{
    struct flock sperre {};
    sperre.l_type = F_WRLCK;
    sperre.l_whence = SEEK_SET;
    if (::fcntl(handle, F_OFD_SETLK, &sperre) == 0)
        return Hold::Held;
    return errno == EAGAIN || errno == EACCES ? Hold::Busy : Hold::Unsupported;
}

// Whether name still leads to the file behind handle (not followed if it is a link).
bool sameFile(int handle, const std::filesystem::path& name)
{
    struct stat offen {};
    struct stat benannt {};
    return ::fstat(handle, &offen) == 0 && ::lstat(name.c_str(), &benannt) == 0 && offen.st_dev == benannt.st_dev
        && offen.st_ino == benannt.st_ino;
}

// Makes a file of this new name and holds it. -1 with errno when it cannot; EEXIST also when a
// cleaner is looking at the new file (it removes it) or has removed it before it was held, for
// the caller to try another name. beforeHolding, when given, is called with the name between
// the making and the holding.
int makeHeldFile(const std::filesystem::path& name, int access,
                 const std::function<void(const std::filesystem::path&)>& beforeHolding = {})
{
    const int handle = ::open(name.c_str(), access | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle < 0)
        return -1;
    if (beforeHolding)
        beforeHolding(name);
    const Hold hold = holdTemporary(handle);
    if (hold == Hold::Busy || (hold == Hold::Held && !sameFile(handle, name))) {
        ::close(handle);
        errno = EEXIST;
        return -1;
    }
    return handle;
}

std::filesystem::path orHere(const std::filesystem::path& folder) { return folder.empty() ? "." : folder; }

// Removes, at once, the temporary files in the folder that no writer holds any more (left by a
// killed print, or by a save cut off where the file system cannot make unnamed files). A file
// a writer holds, or whose state cannot be known (one this process may not open), stays.
void removeStaleTemporaries(const std::filesystem::path& folder)
{
    DIR* dir = ::opendir(orHere(folder).c_str());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        if (!isTemporaryName(e->d_name))
            continue;
        const std::filesystem::path stale = folder / e->d_name;
        struct stat st {};
        if (::lstat(stale.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const int handle = ::open(stale.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (handle < 0)
            continue;
        // The read lock shows that nobody holds the file; while it lasts, a writer that has
        // just made a file of this name cannot hold it and takes another name.
        struct flock sperre {};
        sperre.l_type = F_RDLCK;
        sperre.l_whence = SEEK_SET;
        if (::fcntl(handle, F_OFD_SETLK, &sperre) == 0 && sameFile(handle, stale))
            ::unlink(stale.c_str());
        ::close(handle);
    }
    ::closedir(dir);
}

// The file-size limit's signal, caught: the write that went past the limit fails with EFBIG.
void fileSizeLimitReached(int) {}

// The file a chain of symbolic links leads to (the path itself when it is no link); empty, with
// err set, for a chain that does not end (ELOOP) or for a link the system would not follow for
// caller (EACCES). The program follows links itself, so it keeps the system's rule for a folder
// that every user may write and that keeps each file to its owner (the sticky bit, as in the
// temporary folder): there a link that neither caller nor the folder's owner owns may have been
// planted by another user to send the file onto one of the caller's own.
std::filesystem::path followLinks(std::filesystem::path p, uid_t caller, int& err)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        struct stat folder {};
        if (st.st_uid != caller && ::stat(orHere(p.parent_path()).c_str(), &folder) == 0
            && (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH) && folder.st_uid != st.st_uid) {
            err = EACCES;
            return {};
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec)
            return p;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    err = ELOOP;
    return {};
}

// An unnamed file is linked into place through the process's table of open files.
bool unnamedFilesPossible()
{
    static const bool possible = ::access("/proc/self/fd", X_OK) == 0;
    return possible;
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

// Beside the system's error numbers: the old file is a pipe or a device, which is neither kept
// nor copied.
constexpr int kNotAFile = -1;

// Copies the regular file at from into the file behind to, with its mode (and its owner where
// the process may set it). 0, or the error that stopped it.
int copyInto(const std::filesystem::path& from, int to)
{
    const int source = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (source < 0)
        return errno;
    struct stat st {};
    // Looked at again on the open file: the name may have changed since the caller looked.
    int err = ::fstat(source, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : kNotAFile;
    char buffer[1 << 16];
    while (err == 0) {
        const ssize_t n = ::read(source, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            err = errno == EINTR ? 0 : errno;
            continue;
        }
        for (ssize_t done = 0; done < n && err == 0;) {
            const ssize_t w = ::write(to, buffer + done, static_cast<std::size_t>(n - done));
            if (w > 0)
                done += w;
            else
                err = w == 0 ? EIO : errno == EINTR ? 0 : errno;
        }
    }
    ::close(source);
    if (err != 0)
        return err;
    if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) && ::fchown(to, st.st_uid, st.st_gid) != 0)
        (void)::fchown(to, static_cast<uid_t>(-1), st.st_gid);
    (void)::fchmod(to, st.st_mode & 07777);
    return 0;
}

// Gives the user's old file a second name of the temporary kind in folder, held as a temporary
// is, so that it can take its own name back: a link to it where the file system allows one and
// no other program holds a lock on it, else a copy. 0 with kept named and its handle in held,
// or the error that stopped it (kNotAFile for a pipe or a device, refused before anything is
// done with it), with nothing kept.
int keepOldFile(const std::filesystem::path& old, const std::filesystem::path& folder, std::filesystem::path& kept,
                std::vector<int>& held, const std::function<void(const std::filesystem::path&)>& beforeHolding)
{
    // A device may never end: copied, it would fill the disk, and even an open may act on it.
    struct stat st {};
    if (::stat(old.c_str(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return kNotAFile;
    for (int attempt = 0; attempt < 100; ++attempt) {
        kept = folder / tempName();
        if (::link(old.c_str(), kept.c_str()) != 0) {
            if (errno == EEXIST)
                continue;
            break; // no links here: a copy
        }
        // Open for writing, as a lock for writing needs; without waiting for another
        // program's lease on the file.
        const int handle = ::open(kept.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (handle < 0) {
            if (errno == ENOENT)
                continue; // a cleaner took the name before it was opened
            // Another program's lease on the file refuses every open (and asks the program to
            // let go): the link keeps the old file without one, unheld. A cleaner cannot open
            // it either while the lease lasts, and the commit needs it for two renames more.
            if (errno == EWOULDBLOCK)
                return 0;
            ::unlink(kept.c_str()); // the name is this process's own: nobody else makes it
            break;
        }
        if (beforeHolding)
            beforeHolding(kept);
        const Hold hold = holdTemporary(handle);
        const bool named = sameFile(handle, kept);
        if (named && hold != Hold::Busy) {
            held.push_back(handle);
            return 0;
        }
        // Let go of the old file before anything else is tried: a lock this process still
        // held on it would stand in the way of the next.
        if (named)
            ::unlink(kept.c_str());
        ::close(handle);
        if (hold == Hold::Busy)
            break; // the user's file is locked elsewhere: a copy
        // Held, but a cleaner had taken the name first: another name.
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        kept = folder / tempName();
        const int handle = makeHeldFile(kept, O_RDWR, beforeHolding);
        if (handle < 0 && errno == EEXIST)
            continue;
        const int err = handle < 0 ? errno : copyInto(old, handle);
        if (handle >= 0)
            held.push_back(handle);
        if (err != 0) {
            if (handle >= 0)
                ::unlink(kept.c_str());
            kept.clear();
        }
        return err;
    }
    kept.clear();
    return EEXIST;
}

} // namespace

void reportFileSizeLimitAsError()
{
    struct sigaction now {};
    if (::sigaction(SIGXFSZ, nullptr, &now) != 0 || now.sa_handler != SIG_DFL)
        return; // already caught, or ignored by whoever started the program
    struct sigaction caught {};
    caught.sa_handler = fileSizeLimitReached;
    caught.sa_flags = SA_RESTART;
    sigemptyset(&caught.sa_mask);
    ::sigaction(SIGXFSZ, &caught, nullptr);
}

SafeFileWriter::SafeFileWriter(std::filesystem::path target, bool german)
{
    open(std::move(target), german);
}

SafeFileWriter::~SafeFileWriter()
{
    abandon();
}

bool SafeFileWriter::fail(int err)
{
    error_ = dateifehlerText(Dateivorgang::Schreiben, target_, err, german_);
    failed_ = true;
    return false;
}

bool SafeFileWriter::createTemporary(const std::filesystem::path& folder)
{
    if (unnamedFilesPossible()) {
        handle_ = ::open(orHere(folder).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (handle_ >= 0) {
            // Held before it gets a name at the commit.
            holdTemporary(handle_);
            unnamed_ = true;
            return true;
        }
        // Only a file system that cannot make unnamed files gets a named one.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return fail(errno);
    }
    return nameTemporary(folder, [this] {
        handle_ = makeHeldFile(temp_, O_WRONLY);
        return handle_ >= 0;
    });
}

bool SafeFileWriter::open(std::filesystem::path target, bool german)
{
    abandon();
    target_ = std::move(target);
    german_ = german;
    failed_ = false;
    written_ = 0;
    writtenBack_ = 0;
    released_ = 0;
    streaming_ = true;
    error_.clear();

    int err = 0;
    replaced_ = followLinks(target_, ::geteuid(), err);
    if (err != 0)
        return fail(err);
    folder_ = replaced_.parent_path();
    struct stat old {};
    const bool exists = ::stat(replaced_.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fail(EISDIR);
        // The user's own right to write the file, which root has for every file.
        if (::faccessat(AT_FDCWD, replaced_.c_str(), W_OK, AT_EACCESS) != 0
            && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            error_ = schreibschutzText(target_, german_);
            failed_ = true;
            return false;
        }
    }
    reportFileSizeLimitAsError();
    removeStaleTemporaries(folder_);
    if (!createTemporary(folder_))
        return false;
    if (exists) {
        // The owner first: a change of owner clears set-id bits that the mode then restores.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(handle_, old.st_uid, old.st_gid) != 0)
            (void)::fchown(handle_, static_cast<uid_t>(-1), old.st_gid);
        (void)::fchmod(handle_, old.st_mode & 07777);
    }
    file_ = ::fdopen(handle_, "wb");
    if (!file_) {
        const int e = errno;
        abandon();
        return fail(e);
    }
    return true;
}

bool SafeFileWriter::openScratch(const std::filesystem::path& nameForMessages, bool german)
{
    abandon();
    target_ = nameForMessages;
    replaced_.clear();
    german_ = german;
    failed_ = false;
    written_ = writtenBack_ = released_ = 0;
    streaming_ = false;
    error_.clear();
    folder_ = target_.parent_path();
    reportFileSizeLimitAsError();
    removeStaleTemporaries(folder_);
    if (!createTemporary(folder_))
        return false;
    scratch_ = true;
    file_ = ::fdopen(handle_, "wb");
    if (!file_) {
        const int e = errno;
        abandon();
        return fail(e);
    }
    return true;
}

std::filesystem::path SafeFileWriter::scratchPath() const
{
    if (unnamed_ && handle_ >= 0)
        return "/proc/self/fd/" + std::to_string(handle_);
    return temp_;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (!file_ || failed_)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        return fail(errno);
    written_ += static_cast<long long>(bytes.size());
    return true;
}

void SafeFileWriter::streamToDisk()
{
    if (!file_ || failed_ || !streaming_ || written_ == writtenBack_)
        return;
#ifdef SYNC_FILE_RANGE_WRITE
    if (std::fflush(file_) != 0) {
        fail(errno);
        return;
    }
    const int fd = fileno(file_);
    // A failure the waits see is not reported again by the flush in commit(): it is kept here.
    const auto failure = [&] {
        if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
            streaming_ = false; // not for this file: commit() flushes it all
            return;
        }
        fail(errno);
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

bool SafeFileWriter::linkTemporary()
{
    const std::string self = "/proc/self/fd/" + std::to_string(handle_);
    return nameTemporary(folder_, [&] {
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp_.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

bool SafeFileWriter::nameTemporary(const std::filesystem::path& folder, const std::function<bool()>& create)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = folder / tempName();
        if (create())
            return true;
        if (errno != EEXIST)
            break;
    }
    const int err = errno;
    temp_.clear();
    return fail(err);
}

bool SafeFileWriter::commit()
{
    if (!file_) {
        if (error_.empty())
            error_ = nichtOffenText(target_, german_);
        failed_ = true;
        return false;
    }
    bool good = !failed_;
    if (good && std::fflush(file_) != 0)
        good = fail(errno);
    if (scratch_) {
        // The scratch file stays open for reading until it is let go of.
        if (!good)
            abandon();
        return good;
    }
    if (good && ::fsync(handle_) != 0 && errno != EINVAL)
        good = fail(errno);
    if (good && unnamed_)
        good = linkTemporary();
    // The temporary stays held until it has taken the target's name: a second handle to the
    // same open file keeps the lock past the close.
    const int halter = ::fcntl(handle_, F_DUPFD_CLOEXEC, 0);
    if (good && halter < 0)
        good = fail(errno);
    if (std::fclose(file_) != 0 && good)
        good = fail(errno);
    file_ = nullptr;
    handle_ = -1;
    if (good) {
        const int replaced = releaseInBackground_ ? ::open(replaced_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK) : -1;
        if (::rename(temp_.c_str(), replaced_.c_str()) != 0) {
            error_ = dateifehlerText(Dateivorgang::Ersetzen, target_, errno, german_);
            failed_ = true;
            good = false;
        }
        if (replaced >= 0)
            releaseReplaced(replaced);
    }
    if (!good && !temp_.empty())
        ::unlink(temp_.c_str());
    if (halter >= 0)
        ::close(halter);
    temp_.clear();
    unnamed_ = false;
    return good;
}

void SafeFileWriter::abandon()
{
    // The name goes while the file is still held, so it cannot be another writer's by then.
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    } else if (handle_ >= 0) {
        ::close(handle_);
    }
    handle_ = -1;
    unnamed_ = false;
    scratch_ = false;
}

bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes, std::string& error, bool german)
{
    SafeFileWriter writer;
    if (!writer.open(path, german) || !writer.write(bytes) || !writer.commit()) {
        error = writer.error();
        return false;
    }
    return true;
}

bool makeTemporaryFile(const std::filesystem::path& folder, const std::filesystem::path& target,
                       std::filesystem::path& temporary, int& holder, std::string& error, bool german)
{
    holder = -1;
    reportFileSizeLimitAsError();
    removeStaleTemporaries(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / tempName();
        holder = makeHeldFile(temporary, O_RDWR);
        if (holder >= 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    error = dateifehlerText(Dateivorgang::Schreiben, target, errno, german);
    temporary.clear();
    return false;
}

int openFileForReading(const std::filesystem::path& path, std::string& error, bool german,
                       const std::filesystem::path& name)
{
    const std::filesystem::path& genannt = name.empty() ? path : name;
    // The type is looked at before the open, so that a device is not even opened, and again
    // on the open handle, as the name may have changed in between. O_NONBLOCK keeps the open
    // of a pipe without a writer from waiting for ever.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = dateifehlerText(Dateivorgang::Lesen, genannt, errno, german);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        error = keineDateiText(genannt, S_ISDIR(st.st_mode), german);
        return -1;
    }
    const int handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        error = dateifehlerText(Dateivorgang::Lesen, genannt, errno, german);
        return -1;
    }
    if (::fstat(handle, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(handle);
        error = S_ISREG(st.st_mode) ? dateifehlerText(Dateivorgang::Lesen, genannt, err, german)
                                    : keineDateiText(genannt, S_ISDIR(st.st_mode), german);
        return -1;
    }
    return handle;
}

bool readFileBytes(const std::filesystem::path& path, std::string& bytes, std::string& error, bool german)
{
    bytes.clear();
    const int handle = openFileForReading(path, error, german);
    if (handle < 0)
        return false;
    struct stat st {};
    if (::fstat(handle, &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    bool good = true;
    int err = 0;
    while (true) {
        const ssize_t n = ::read(handle, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        good = n == 0;
        err = errno;
        break;
    }
    ::close(handle);
    if (!good) {
        bytes.clear();
        error = dateifehlerText(Dateivorgang::Lesen, path, err, german);
    }
    return good;
}

bool SafeFileWriter::rewriteStart(std::string_view bytes)
{
    if (!ok())
        return false;
    if (static_cast<long long>(bytes.size()) > written_)
        return fail(EINVAL);
    if (std::fflush(file_) != 0)
        return fail(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(handle_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool commitTogether(SafeFileWriter& first, SafeFileWriter& second, std::string& error,
                    const std::function<void(const std::filesystem::path&)>& beforeHoldingOld)
{
    // Each file stays held from its making to its rename (and the old first file while it is
    // kept), so that no save or print into the same folder takes it for left over: the handles
    // that hold them are closed last.
    std::vector<int> held;
    struct LetGo {
        std::vector<int>& handles;
        ~LetGo()
        {
            for (const int h : handles)
                ::close(h);
        }
    } letGo{held};

    // Everything commit() does before the rename: flushed, on the disk, closed, with a name.
    const auto ready = [&held](SafeFileWriter& w) {
        if (!w.file_ || w.scratch_) {
            if (w.error_.empty())
                w.error_ = nichtOffenText(w.target_, w.german_);
            w.failed_ = true;
            return false;
        }
        bool good = !w.failed_;
        if (good && std::fflush(w.file_) != 0)
            good = w.fail(errno);
        if (good && ::fsync(w.handle_) != 0 && errno != EINVAL)
            good = w.fail(errno);
        if (good && w.unnamed_)
            good = w.linkTemporary();
        const int halter = ::fcntl(w.handle_, F_DUPFD_CLOEXEC, 0);
        if (halter >= 0)
            held.push_back(halter);
        else if (good)
            good = w.fail(errno);
        if (std::fclose(w.file_) != 0 && good)
            good = w.fail(errno);
        w.file_ = nullptr;
        w.handle_ = -1;
        w.unnamed_ = false;
        return good;
    };
    const auto failed = [&](SafeFileWriter& w) {
        error = w.error_;
        first.abandon();
        second.abandon();
        return false;
    };
    if (!ready(first))
        return failed(first);
    if (!ready(second))
        return failed(second);

    // The first target's old file keeps a second name, of the temporary kind, until the second
    // file is in place.
    std::filesystem::path kept;
    struct stat old {};
    if (::stat(first.replaced_.c_str(), &old) == 0) {
        if (const int err = keepOldFile(first.replaced_, first.folder_, kept, held, beforeHoldingOld); err != 0) {
            first.error_ = err == kNotAFile ? keineDateiText(first.target_, false, first.german_, Dateivorgang::Ersetzen)
                                            : dateifehlerText(Dateivorgang::Ersetzen, first.target_, err, first.german_);
            return failed(first);
        }
    }
    if (::rename(first.temp_.c_str(), first.replaced_.c_str()) != 0) {
        first.error_ = dateifehlerText(Dateivorgang::Ersetzen, first.target_, errno, first.german_);
        if (!kept.empty())
            ::unlink(kept.c_str());
        return failed(first);
    }
    first.temp_.clear();
    if (::rename(second.temp_.c_str(), second.replaced_.c_str()) != 0) {
        second.error_ = dateifehlerText(Dateivorgang::Ersetzen, second.target_, errno, second.german_);
        if (!kept.empty())
            ::rename(kept.c_str(), first.replaced_.c_str());
        else
            ::unlink(first.replaced_.c_str());
        return failed(second);
    }
    second.temp_.clear();
    if (!kept.empty())
        ::unlink(kept.c_str());
    return true;
}

} // namespace umbrin
