#pragma once

#include "automation/key_action.h"

// Hands one key action to the system's input stream, where it reaches whichever
// window has the keyboard focus.
void SendKeyAction(KeyAction action);
