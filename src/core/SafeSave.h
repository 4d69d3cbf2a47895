#pragma once
// Saving never loses data: the new contents go to a temporary file in the target's folder,
// every write and the close are checked, and only then does the temporary take the target's
// place. A failure leaves the old file exactly as it was and names the file in its message,
// in the program's language (`german`).
//
// A symbolic link is followed to the file it names, which is replaced in its own folder; the
// link stays. As the system does, a link in a sticky folder every user may write (the
// temporary folder) is followed only when the user or the folder's owner owns it; another
// user's link there is refused, naming the file ("Zugriff verweigert"). The replacement keeps
// the replaced file's mode (and its owner where the process may set it), and a file the user
// may not write is refused with the message of a write-protected file. On Linux the temporary file has no name until the commit, so a
// process killed while saving leaves nothing behind; where the file system cannot make such a
// file, a short named one is used. A writer holds its temporary (by a lock on its open file)
// until the temporary has taken the target's name or is gone; a temporary that nobody holds
// any more, whatever process made it, is removed at the next save or print into that folder.
// No save, export or print waits for a lock: every lock is only tried, and a file locked by
// another program (a viewer holding the user's old file) is copied rather than waited for.
//
// A file-size limit of the process (ulimit -f) is met like a full disk: a write beyond it
// fails with "File too large" and the save is refused, instead of the signal that would end
// the program with the user's unsaved work.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace umbrin {

// Makes a write beyond the process's file-size limit fail with EFBIG instead of ending the
// process. A caught signal, not an ignored one: programs this one starts get the default
// back. Every save and print calls it; the program calls it at its start, for its other files.
void reportFileSizeLimitAsError();

// Writes bytes to path safely. Returns true on success; on failure error holds a message
// naming the file and the old file is untouched.
bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes, std::string& error, bool german = true);

// Makes an empty file of the safe save's temporary kind in folder, for a writer outside this
// program's control (a print job) to fill by its name. The file is held while holder is open:
// remove the file, then close holder. Should this process end first, a later save or print
// into the folder removes it. Returns false (and a message naming target) when it cannot.
bool makeTemporaryFile(const std::filesystem::path& folder, const std::filesystem::path& target,
                       std::filesystem::path& temporary, int& holder, std::string& error, bool german = true);

// Opens a regular file for reading and returns its handle (close it with ::close, or hand it
// to fdopen). A folder, a pipe or a device under the name is refused, and the open never waits
// for a pipe's writer. -1, with a message naming the file (name, or the path when it is
// empty), when the file cannot be read.
int openFileForReading(const std::filesystem::path& path, std::string& error, bool german = true,
                       const std::filesystem::path& name = {});

// Reads a whole regular file as bytes. Returns false (and a message naming the file) when it cannot.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes, std::string& error, bool german = true);

// A file written piece by piece (a plot, a table) that only replaces the target when
// commit() succeeds. Destroyed without commit, it leaves no temporary file.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    explicit SafeFileWriter(std::filesystem::path target, bool german = true);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    friend bool commitTogether(SafeFileWriter& first, SafeFileWriter& second, std::string& error,
                               const std::function<void(const std::filesystem::path&)>& beforeHoldingOld);

    bool open(std::filesystem::path target, bool german = true);
    // Opens a scratch file in the folder that never takes a name of its own: commit() only
    // carries what was written to the file, which scratchPath() then reads, and abandon() (or
    // the destructor) lets it go. Nothing of it is left when the process ends, however it ends.
    bool openScratch(const std::filesystem::path& folder, bool german = true);
    bool isOpen() const { return file_ != nullptr; }
    // Appends bytes; a failed write is remembered and reported by ok() and commit().
    bool write(std::string_view bytes);
    bool ok() const { return isOpen() && !failed_; }
    // Writes bytes over the start of what was written, which must be at least as long; the
    // rest stays. A failure is remembered like a failed write().
    bool rewriteStart(std::string_view bytes);
    // Carries a large file to the disk as it is written: starts writing what arrived since the
    // last call, waits for what was started a few megabytes earlier and lets go of its cached
    // pages. The flush in commit() then has only the rest left to do. A failure it meets is
    // remembered like a failed write().
    void streamToDisk();
    // When on, commit() holds the file it replaces open across the rename and lets go of it
    // on a thread of its own: the caller does not wait while the system frees a large old
    // file's pages and disk space. The target is replaced as safely either way.
    void setReleaseReplacedInBackground(bool on) { releaseInBackground_ = on; }
    // Flushes, closes and puts the file in the target's place. False (with error()) when
    // anything failed, an earlier write included.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void abandon();

    const std::filesystem::path& target() const { return target_; }
    // A path under which a committed scratch file can be opened for reading.
    std::filesystem::path scratchPath() const;
    const std::string& error() const { return error_; }

private:
    bool fail(int err);
    bool createTemporary(const std::filesystem::path& folder);
    bool linkTemporary();
    // Gives the temporary a fresh short name in the folder and makes it there by create(),
    // trying the next name while one is taken.
    bool nameTemporary(const std::filesystem::path& folder, const std::function<bool()>& create);

    std::filesystem::path target_;   // as the caller named it
    std::filesystem::path replaced_; // the file the links lead to, replaced in its folder
    std::filesystem::path folder_;
    std::filesystem::path temp_;     // the named temporary file, when there is one
    std::FILE* file_ = nullptr;
    int handle_ = -1;
    bool unnamed_ = false;
    bool scratch_ = false;
    bool german_ = true;
    bool failed_ = false;
    bool releaseInBackground_ = false;
    long long written_ = 0;     // bytes handed to write()
    long long writtenBack_ = 0; // bytes whose carrying to the disk has been started
    long long released_ = 0;    // bytes on the disk whose cached pages were let go of
    bool streaming_ = true;     // false where the file system cannot stream
    std::string error_;
};

// Puts two open files in their targets' places together, or neither: both are written out
// first, and when the second cannot take its place the first target gets its old file back
// (or is removed again, when it had none). False, with the message of the file that failed
// (in error and in that writer's error()); both targets then stay as they were and no
// temporary is left. A pipe or a device under the first target's name is refused before
// anything is done with it; an old file another program holds by a lease is kept by a link
// without being opened. beforeHoldingOld, when given, is called with each second name the
// first target's old file is given (a link to it, or the file it is copied into) once it is
// made, before it is held: the moment at which a cleaner in another copy of the program may
// take the name or look at it (a test stands in for it there).
bool commitTogether(SafeFileWriter& first, SafeFileWriter& second, std::string& error,
                    const std::function<void(const std::filesystem::path&)>& beforeHoldingOld = {});

} // namespace umbrin
