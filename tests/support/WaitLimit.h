// How long a test waits for something before it gives up: long enough for a
// machine busy with other builds and tests (two minutes), and longer where
// $VEMORA_WAIT_SECONDS asks for it. A wait ends as soon as what it waits for
// has come; the limit only bounds a failure.
#pragma once

#include <chrono>
#include <cstdlib>
#include <string>

namespace vemora::test {

inline int WaitLimitMs()
{
    constexpr int kDefaultSeconds = 120;
    const char* set = std::getenv("VEMORA_WAIT_SECONDS");
    int seconds = kDefaultSeconds;
    if (set) {
        try {
            seconds = std::stoi(set);
        } catch (...) {
            seconds = kDefaultSeconds;
        }
    }
    if (seconds < kDefaultSeconds) seconds = kDefaultSeconds;
    if (seconds > 3600) seconds = 3600;
    return seconds * 1000;
}

inline std::chrono::milliseconds WaitLimit()
{
    return std::chrono::milliseconds(WaitLimitMs());
}

} // namespace vemora::test
