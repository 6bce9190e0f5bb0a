#pragma once

namespace tablora::testing {

/// Types one character that no key of the keyboard carries (a Chinese character, as an
/// input method commits it): the character goes on a spare key for the moment of the key
/// press, as the desktop sees it.
void TypeCharacter(unsigned codePoint);

}  // namespace tablora::testing
