#pragma once

// What the document tells its views (the framework's UpdateAllViews): its
// state has changed and what they show must be rebuilt from it.
class ISagwerkBeobachter {
public:
    virtual ~ISagwerkBeobachter() = default;
    virtual void OnUpdate() = 0;
};
