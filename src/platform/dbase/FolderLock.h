#pragma once

#include <chrono>
#include <filesystem>

namespace quarvex::dbase {

// The lock that orders reading and writing the tables of one folder among programs: readers
// hold it shared while they read, a writer holds it exclusively while it commits, packs or
// repairs. It is a flock on the folder itself, so no lock file is left in the data folder and
// the lock goes away with a program that dies. Requests nest within one object (a read inside
// a transaction takes nothing more); a waiting request gives up after the timeout with
// ETableInUse rather than hang the program.
class FolderLock {
public:
    FolderLock(const std::filesystem::path& folder, std::chrono::milliseconds timeout);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    void LockShared();
    void UnlockShared();
    // Throws EInvalidRequest when a shared lock of this object is held: taking the exclusive
    // lock would first have to let go of it, and what was read could change meanwhile.
    void LockExclusive();
    void UnlockExclusive();

    bool HoldsExclusive() const { return exclusive_ > 0; }
    bool HoldsAny() const { return exclusive_ > 0 || shared_ > 0; }

private:
    void Acquire(int operation);

    std::filesystem::path folder_;
    std::chrono::milliseconds timeout_;
    int fd_ = -1;
    int shared_ = 0;
    int exclusive_ = 0;
};

// Holds the shared lock for a scope.
class SharedFolderLock {
public:
    explicit SharedFolderLock(FolderLock& lock) : lock_(lock) { lock_.LockShared(); }
    ~SharedFolderLock() { lock_.UnlockShared(); }
    SharedFolderLock(const SharedFolderLock&) = delete;
    SharedFolderLock& operator=(const SharedFolderLock&) = delete;

private:
    FolderLock& lock_;
};

// Holds the exclusive lock for a scope.
class ExclusiveFolderLock {
public:
    explicit ExclusiveFolderLock(FolderLock& lock) : lock_(lock) { lock_.LockExclusive(); }
    ~ExclusiveFolderLock() { lock_.UnlockExclusive(); }
    ExclusiveFolderLock(const ExclusiveFolderLock&) = delete;
    ExclusiveFolderLock& operator=(const ExclusiveFolderLock&) = delete;

private:
    FolderLock& lock_;
};

} // namespace quarvex::dbase
