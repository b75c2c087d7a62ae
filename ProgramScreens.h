#pragma once

// Tells the screen framework how to make each of the program's eight screens.
void registerProgramScreens();
