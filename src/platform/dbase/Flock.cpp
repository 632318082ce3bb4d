#include "platform/dbase/Flock.h"

#include "framework/codec/CodecErrors.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <sys/file.h>
#include <system_error>
#include <thread>

namespace quarvex::dbase {

bool FlockWithin(int fd, int operation, std::chrono::milliseconds timeout, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            throw codec::EFileAccess(std::string("Cannot lock ") + what + ": " +
                                     std::error_code(errno, std::generic_category()).message() +
                                     ".");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

} // namespace quarvex::dbase
