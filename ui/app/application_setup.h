#pragma once

namespace tarvola {

// The program's name, its version (1.00.0001, as its version record gives it) and its icon,
// for the application object that exists already.
void ConfigureApplication();

} // namespace tarvola
