#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace quarvex::testing {

// Runs `work` in a child process and returns its wait status: 0 when it returned, exit code 3
// when it threw. The caller should hold no table or lock open meanwhile, so the child shares
// none with it.
template <typename Work> int InChild(Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            work();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

} // namespace quarvex::testing
