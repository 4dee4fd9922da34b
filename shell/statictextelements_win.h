#pragma once
// Windowless labels shown to assistive technology as static text: a dialog whose message is drawn by
// a windowless label reads like one whose message is a static control. The window's own child
// windows (its buttons) follow the texts as further children, answered by the system.

#include <vector>

#include "shell/accessibleelements_win.h"

class TStaticTextElements final : public TAccessibleElements {
public:
    // The labels in reading order; they must outlive this object's use by their window.
    void SetLabels(std::vector<const TControl*> labels) { labels_ = std::move(labels); }

    int AccessibleCount() override { return static_cast<int>(labels_.size()); }
    TAccessibleElement AccessibleElement(int index) override;
    int AccessibleIndexOf(const TControl* control) override;
    void DoAccessibleDefaultAction(int) override {}
    bool AccessibleChildWindows() override { return true; }

private:
    std::vector<const TControl*> labels_;
};
