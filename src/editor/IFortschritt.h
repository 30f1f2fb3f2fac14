#pragma once

#include <cstddef>
#include <string>

// Progress of a long editor operation, so that the screen can say what it is
// doing instead of freezing without a word. Called on the thread that runs
// the operation, between its steps.
class IFortschritt {
public:
    virtual ~IFortschritt() = default;
    // `erledigt` of `gesamt` steps are done and `text` names the step that
    // begins now. The last call has erledigt == gesamt and an empty text.
    virtual void Fortschritt(std::size_t erledigt, std::size_t gesamt, const std::string& text) = 0;
};
