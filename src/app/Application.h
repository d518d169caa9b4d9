#pragma once
// What the program sets up on its QApplication before the window exists; the benchmarks
// start the same way.

// The desktop file name, the Fusion style and the home conventions for a bare C locale.
void SetUpApplication();
