#pragma once

#include <functional>

namespace tablora::testing {

/// Processes pending GUI events for at least `milliseconds`.
void PumpEvents(int milliseconds = 50);
/// Pumps events until `done` holds or `milliseconds` pass; returns `done()`.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 2000);

}  // namespace tablora::testing
