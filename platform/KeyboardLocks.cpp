#include "KeyboardLocks.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

#include <map>

#ifdef BRENNVIK_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
// Xlib's event-type macros would rename the toolkit's event types.
#undef KeyPress
#undef KeyRelease
#endif

namespace brennvik {

namespace {

struct State {
    bool decided = false;
    bool useX11 = false;
    std::map<int, bool> keys{{VK_CAPITAL, false}, {VK_NUMLOCK, false}, {VK_INSERT, false}};
};

State &Keys() {
    static State state;
    return state;
}

#ifdef BRENNVIK_HAVE_X11
Display *X11Display() {
    static Display *display = XOpenDisplay(nullptr);
    return display;
}

unsigned X11Mask(int vk) {
    if (vk == VK_NUMLOCK) return XkbKeysymToModifiers(X11Display(), 0xff7f /* Num_Lock */);
    return 0;
}

bool X11LockState(int vk) {
    XkbStateRec state;
    if (XkbGetState(X11Display(), XkbUseCoreKbd, &state) != Success) return false;
    return (state.locked_mods & X11Mask(vk)) != 0;
}

void X11SetLock(int vk, bool on) {
    const unsigned mask = X11Mask(vk);
    if (mask == 0) return;
    XkbLockModifiers(X11Display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(X11Display());
}
#endif

bool UsesX11(int vk) {
    if (vk == VK_CAPITAL) return false;  // the program's own lock
    State &s = Keys();
    if (!s.decided) {
        s.decided = true;
#ifdef BRENNVIK_HAVE_X11
        s.useX11 = QGuiApplication::platformName() == QLatin1String("xcb") && X11Display() != nullptr;
#endif
    }
    return s.useX11 && vk != VK_INSERT;
}

// Takes the key press before any widget sees it: a press that one widget
// ignores goes on to its parent, and would switch the lock again there.
class CapsLockKeyFilter : public QObject {
public:
    CapsLockKeyFilter(QObject *owner, std::function<void()> switched)
        : QObject(owner), m_switched(std::move(switched)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_CapsLock) return false;
        if (!key->isAutoRepeat()) {
            keybd_event(VK_CAPITAL, KEYEVENTF_KEYDOWN);
            keybd_event(VK_CAPITAL, KEYEVENTF_KEYUP);
            if (m_switched) m_switched();
        }
        return true;
    }

private:
    std::function<void()> m_switched;
};

}  // namespace

void FollowCapsLockKey(QObject *owner, std::function<void()> switched) {
    // One lock, one switch: two filters would switch it back at once.
    static QPointer<CapsLockKeyFilter> filter;
    delete filter.data();
    filter = new CapsLockKeyFilter(owner, std::move(switched));
    QCoreApplication::instance()->installEventFilter(filter);
}

void UseInProcessKeyStates(bool capsLock, bool numLock, bool insert) {
    State &s = Keys();
    s.decided = true;
    s.useX11 = false;
    s.keys[VK_CAPITAL] = capsLock;
    s.keys[VK_NUMLOCK] = numLock;
    s.keys[VK_INSERT] = insert;
}

bool KeyLockState(int16_t virtualKey) {
#ifdef BRENNVIK_HAVE_X11
    if (UsesX11(virtualKey)) return X11LockState(virtualKey);
#else
    UsesX11(virtualKey);
#endif
    return Keys().keys[virtualKey];
}

void keybd_event(int16_t virtualKey, int flags) {
    if (flags != KEYEVENTF_KEYUP) return;  // a lock toggles when its key is released
    if (virtualKey != VK_CAPITAL && virtualKey != VK_NUMLOCK && virtualKey != VK_INSERT) return;
#ifdef BRENNVIK_HAVE_X11
    if (UsesX11(virtualKey)) {
        X11SetLock(virtualKey, !X11LockState(virtualKey));
        return;
    }
#endif
    Keys().keys[virtualKey] = !Keys().keys[virtualKey];
}

}  // namespace brennvik
