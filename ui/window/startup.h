// What the program does before and around creating its window; shared by
// the program and by the tools that time and photograph it.
#pragma once

namespace pivora {

// Before the application object exists: positions and sizes are screen
// pixels, never scaled to the screen's resolution.
void PrepareApplication();

}  // namespace pivora
