#pragma once
// Two independent pieces of work side by side, for big squads only: below
// some tens of thousands of rows a thread costs more than it saves.

#include <cstddef>
#include <exception>
#include <thread>

namespace squadlens {

inline constexpr std::size_t kParallelSize = 20000;

// Runs `first`, then `second`; in parallel, `first` on a thread of its own,
// when asked. Both have ended when it returns; an exception of either leaves
// it, the first's before the second's.
template <typename First, typename Second>
void bothSides(bool parallel, First &&first, Second &&second)
{
    if (!parallel) {
        first();
        second();
        return;
    }
    std::exception_ptr failure;
    std::thread thread([&] {
        try {
            first();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        second();
    } catch (...) {
        thread.join();
        if (failure)
            std::rethrow_exception(failure);
        throw;
    }
    thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace squadlens
