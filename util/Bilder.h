#pragma once

// Makes the compiled-in pictures available. The resource object has no symbol that any code
// calls, so a static link would drop it; everything that loads a picture calls this first.
void bilderBereitstellen();
