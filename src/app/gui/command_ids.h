#pragma once

namespace tablora {

/// wx accepts menu ids only below 0x7FFF, under the program's command numbers (32771...,
/// 57600...). Window ids are the command numbers moved down: 3xxxx by 30000, 5xxxx by
/// 50000 (2771... and 7600..., clear of wx's own ids 4999-5999).
constexpr int ToWxId(int commandId) {
  return commandId < 40000 ? commandId - 30000 : commandId - 50000;
}
/// The command number of a window id made by ToWxId.
constexpr int FromWxId(int wxId) { return wxId < 5000 ? wxId + 30000 : wxId + 50000; }

static_assert(FromWxId(ToWxId(32771)) == 32771 && FromWxId(ToWxId(59393)) == 59393);
static_assert(ToWxId(32832) < 4999 && ToWxId(57600) > 5999 && ToWxId(59393) < 0x7FFF);

}  // namespace tablora
