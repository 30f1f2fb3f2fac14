#pragma once

// What the editor model tells the editor view: the model has changed, and
// the page in front must show it again.
class IEditorAnsicht {
public:
    virtual ~IEditorAnsicht() = default;
    virtual void RefreshPage() = 0;
};
