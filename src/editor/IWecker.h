#pragma once

#include <functional>

// A timer that rings once: the editor stores what the carer typed at the
// latest this long after the last key. The program uses a timer of its
// screen; tests ring it themselves, so no test waits for the time to pass.
class IWecker {
public:
    virtual ~IWecker() = default;
    // Rings `wenn` once, `ms` from now; setting it again first moves the
    // ringing on, and only the last `wenn` is called.
    virtual void Stellen(int ms, std::function<void()> wenn) = 0;
    virtual void Abstellen() = 0;
    virtual bool IsGestellt() const = 0;
};
