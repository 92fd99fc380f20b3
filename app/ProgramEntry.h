#pragma once
// The start of the program: the application object, the title, the
// windows and the event loop. main() only calls RunProgram.

// Creates the application's forms; the first one is the main form.
using TCreateWindows = void (*)();

// Initialises the application, titles it "Stratagon", creates the windows
// (an empty main form when CreateWindows is null), shows the main form and
// runs until it closes. Returns the exit code.
int RunProgram(int argc, char** argv, TCreateWindows CreateWindows = nullptr);

// An empty main form captioned "Stratagon".
void CreateEmptyMainForm();
