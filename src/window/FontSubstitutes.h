#pragma once

namespace tw {

// The window asks for the faces of its design ("MS Sans Serif", "ＭＳ Ｐゴシック") by name and
// stores those names; these are the faces of this system that stand in for them.
void installFontSubstitutes();

} // namespace tw
