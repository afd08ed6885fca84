// How much a piece of work raises the process's peak resident memory,
// measured in a child process so that nothing the test binary did before
// counts: the child returns its free heap to the system, resets its peak,
// runs the work and reports how far the peak rose.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace scenario::test {

// KiB; absent when the system cannot reset or report the peak (then the
// caller skips its check).
std::optional<int64_t> crescita_picco_kib(const std::function<void()>& lavoro);

}  // namespace scenario::test
