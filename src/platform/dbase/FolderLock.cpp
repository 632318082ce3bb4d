#include "platform/dbase/FolderLock.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Flock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace quarvex::dbase {

FolderLock::FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds timeout)
    : folder_(folder), timeout_(timeout) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        throw codec::EFileAccess("Cannot open the data folder \"" + folder.string() + "\": " +
                                 std::error_code(errno, std::generic_category()).message() + ".");
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void FolderLock::Acquire(int operation) {
    const std::string what = "the data folder \"" + folder_.string() + "\"";
    if (!FlockWithin(fd_, operation, timeout_, what.c_str())) {
        throw ETableInUse("The tables in \"" + folder_.string() +
                          "\" are being changed by another program; please try again in a "
                          "moment.");
    }
}

void FolderLock::LockShared() {
    if (shared_ == 0 && exclusive_ == 0) {
        Acquire(LOCK_SH);
    }
    ++shared_;
}

void FolderLock::UnlockShared() {
    if (--shared_ == 0 && exclusive_ == 0) {
        ::flock(fd_, LOCK_UN);
    }
}

void FolderLock::LockExclusive() {
    if (exclusive_ == 0) {
        if (shared_ > 0) {
            throw EInvalidRequest("A change of the tables cannot begin while they are being read.");
        }
        Acquire(LOCK_EX);
    }
    ++exclusive_;
}

void FolderLock::UnlockExclusive() {
    if (--exclusive_ > 0) {
        return;
    }
    if (shared_ > 0) {
        // A read that began inside the change outlives it: keep the folder locked for it.
        ::flock(fd_, LOCK_SH);
    } else {
        ::flock(fd_, LOCK_UN);
    }
}

} // namespace quarvex::dbase
