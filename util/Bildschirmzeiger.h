#pragma once

// The application-wide mouse pointer: 0 lets every window and control show its own pointer
// again, 11 shows the busy pointer everywhere. Other codes are ignored.
void setzeBildschirmzeiger(int code);

// The code last set, as far as this program's overrides go.
int bildschirmzeiger();
