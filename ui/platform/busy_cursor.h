#pragma once
// The wait cursor over the whole program while long work runs on the
// window's thread, where no event is handled until it ends. It goes with the
// object that set it; a message box on the way shows the arrow while it is
// up (see Pause).

#include <functional>

namespace squadlens::platform {

class BusyCursor {
public:
    explicit BusyCursor(bool show);
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void release();

    // The arrow while it lives, the wait cursor again after, if it was up.
    class Pause {
    public:
        Pause();
        ~Pause();
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        bool m_paused = false;
    };

    static bool shown();
    // Told of every change (true: the wait cursor came); gives the one it
    // replaced. For tests.
    using Observer = std::function<void(bool shown)>;
    static Observer setObserver(Observer observer);

private:
    bool m_owner = false;
};

} // namespace squadlens::platform
