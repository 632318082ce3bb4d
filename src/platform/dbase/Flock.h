#pragma once

#include <chrono>

namespace quarvex::dbase {

// Takes a flock (LOCK_SH or LOCK_EX) on a descriptor, waiting up to `timeout` while another
// open file holds a conflicting one. False when the wait ran out; throws codec::EFileAccess
// naming `what` for any other failure.
bool FlockWithin(int fd, int operation, std::chrono::milliseconds timeout, const char* what);

} // namespace quarvex::dbase
