#pragma once
// The busy pointer over all of the program's windows while long work runs,
// back to what it was when the helper goes (or at Restore, before a message).

namespace brennvik {

class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
    void Restore();
    // How often it has gone up since the program started: tests tell by it
    // that work ran under it even where nothing else shows.
    static int TimesShown();

private:
    bool m_on = true;
};

}  // namespace brennvik
