#pragma once

#include <string>

namespace tablora {

/// The source text the format conversion starts with: eighteen "#define" lines of
/// sub-language constants with "//" comments, CR LF between them and no line end after
/// the last (code page 936).
std::string DefinitionSample();

}  // namespace tablora
