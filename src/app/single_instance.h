#pragma once

// Creates the single-instance mutex (named with the application title) and tells
// whether another copy of the program made it first. The handle is kept open on
// purpose for the life of the process: the mutex's existence is the signal.
bool anotherInstanceIsRunning();

// The message a second copy shows before it ends.
void showDuplicateInstanceMessage();
