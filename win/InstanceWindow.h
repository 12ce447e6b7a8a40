#pragma once

// The main window's class of a single-instance program: a copy of the system dialog class under the
// program's own name, which its dialog template names and a second start looks for.
bool RegisterDialogClass(const char* className);

// Brings the running instance forward: its last active pop-up (the window itself when none), restored
// when minimised. False when no window of the class exists.
bool ActivateWindowOfClass(const char* className);
