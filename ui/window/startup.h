// What the program does before and around creating its window; shared by
// the program and by the tools that time and photograph it.
#pragma once

class QCoreApplication;

namespace pivora {

// Before the application object exists: positions and sizes are screen
// pixels, never scaled to the screen's resolution; the system locale the
// toolkit's dialogs use for dates and sizes is German.
void PrepareApplication();

// Once the application object exists: the toolkit's own German texts (the
// buttons of message boxes, the file and print dialogs, the standard context
// menus, the names of keys) and the German locale for the dialogs' dates;
// the C library's numbers keep the decimal point.
// False when the translations are not installed; the window then carries on
// with the toolkit's English.
bool LoadGermanTranslations(QCoreApplication& application);

}  // namespace pivora
