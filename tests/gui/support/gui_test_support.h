#pragma once

namespace tablora::testing {

/// Processes pending GUI events for at least `milliseconds`.
void PumpEvents(int milliseconds = 50);

}  // namespace tablora::testing
