#pragma once

namespace tarvola {

// The program's name, its version (1.00.0001, as its version record gives it) and its desktop
// entry, for the application object that exists already, before any window is created. The icon belongs to the main window alone: an
// application-wide one would also put it on the About window, which has none.
void ConfigureApplication();

} // namespace tarvola
