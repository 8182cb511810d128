#pragma once
// Key states the status bar shows and the program toggles: Caps Lock, Num Lock
// and Insert. On X11 Num Lock is the display's real lock state; elsewhere
// (and for Insert always) the state is kept in the program. Caps Lock is
// always the program's own: the document panes type capitals while it is
// on, and the system's lock, which file names and other programs share, is
// left as it was when the key is pressed in the program.

#include <cstdint>
#include <functional>

class QObject;

namespace brennvik {

enum VirtualKey : int16_t {
    VK_CAPITAL = 20,
    VK_INSERT = 45,
    VK_NUMLOCK = 144,
};

enum KeyEventFlags : int { KEYEVENTF_KEYDOWN = 0, KEYEVENTF_KEYUP = 2 };

// A simulated key stroke; a key-up of a lock key toggles its state.
void keybd_event(int16_t virtualKey, int flags);

// True while the lock (or insert mode) is on.
bool KeyLockState(int16_t virtualKey);

// While `owner` lives, the keyboard's Caps Lock key, pressed in any window
// of the program, switches the program's lock, then calls `switched`; on
// X11 the system's lock, which the key switched too, is put back at once.
// A later call takes over from an earlier one.
void FollowCapsLockKey(QObject *owner, std::function<void()> switched);

// Tests: forget the display and keep every state in the program, starting
// from the given states.
void UseInProcessKeyStates(bool capsLock, bool numLock, bool insert);

}  // namespace brennvik
