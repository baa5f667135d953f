#pragma once

// Registers our icons, pictures and help texts compiled into the resource library. A static library's
// resources are kept by the linker only when something refers to them: main() and the window tests do.
void loadAppResources();
