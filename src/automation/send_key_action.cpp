#include "automation/send_key_action.h"

#include <windows.h>

void SendKeyAction(KeyAction action) {
  // Scan code 0 and no extended-key flag, not even for the arrows: the target
  // reads the virtual-key code alone.
  keybd_event(action.VirtualKey, 0, action.IsRelease ? KEYEVENTF_KEYUP : 0, 0);
}
