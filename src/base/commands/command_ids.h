#pragma once

namespace tablora {

/// Ids of main-window commands whose handlers a subsystem registers; the shell's command
/// table gives them their captions and places.
namespace cmd {
constexpr int kGenCStruct = 32775;
constexpr int kGenJavaClass = 32776;
constexpr int kGenCppClass = 32781;
}  // namespace cmd

}  // namespace tablora
