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

void X11SetLockMask(unsigned mask, bool on) {
    if (mask == 0) return;
    XkbLockModifiers(X11Display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(X11Display());
}

void X11SetLock(int vk, bool on) { X11SetLockMask(X11Mask(vk), on); }
#endif

bool OnX11Display() {
#ifdef BRENNVIK_HAVE_X11
    return QGuiApplication::platformName() == QLatin1String("xcb") && X11Display() != nullptr;
#else
    return false;
#endif
}

bool UsesX11(int vk) {
    if (vk == VK_CAPITAL) return false;  // the program's own lock
    State &s = Keys();
    if (!s.decided) {
        s.decided = true;
        s.useX11 = OnX11Display();
    }
    return s.useX11 && vk != VK_INSERT;
}

// Takes the key before any widget sees it: a press that one widget ignores
// goes on to its parent, and would switch the lock again there.
class CapsLockKeyFilter : public QObject {
public:
    CapsLockKeyFilter(QObject *owner, std::function<void()> switched)
        : QObject(owner), m_switched(std::move(switched)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_CapsLock) return false;
        KeepSystemLock(*key);
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            keybd_event(VK_CAPITAL, KEYEVENTF_KEYDOWN);
            keybd_event(VK_CAPITAL, KEYEVENTF_KEYUP);
            if (m_switched) m_switched();
        }
        return true;
    }

private:
    // The key is the program's: the system's lock, which dialog boxes, file
    // names and other programs follow, is put back as it was before the
    // press. The system switches it on the press or on the release, so it
    // is put back after both.
    void KeepSystemLock(const QKeyEvent &key) {
#ifdef BRENNVIK_HAVE_X11
        if (!OnX11Display()) return;
        // A key event carries the modifiers as they were before it.
        if (key.type() == QEvent::KeyPress) m_systemLockBefore = (key.nativeModifiers() & LockMask) != 0;
        X11SetLockMask(LockMask, m_systemLockBefore);
#else
        Q_UNUSED(key);
#endif
    }

    std::function<void()> m_switched;
    bool m_systemLockBefore = false;
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
