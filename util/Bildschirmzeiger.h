#pragma once

// The application-wide mouse pointer, by the codes the screen object knows. Other codes are
// ignored.
namespace Bildschirmzeiger {
inline constexpr int Standard = 0; // every window and control shows its own pointer again
inline constexpr int Sanduhr = 11; // the busy pointer everywhere
} // namespace Bildschirmzeiger

void setzeBildschirmzeiger(int code);

// The code last set, as far as this program's overrides go.
int bildschirmzeiger();
