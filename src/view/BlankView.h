#pragma once
// Blanks a view while a command's dialogs are open and puts its display mode back on every
// way out. A command that repaints the view itself afterwards keeps the repaint to itself.

#include "view/DesignView.h"

namespace vorna {

class BlankView {
public:
    enum class OnExit { Restore, RestoreAndRepaint };

    explicit BlankView(DesignView& view, OnExit onExit = OnExit::Restore)
        : view_(view), saved_(view.displayMode), onExit_(onExit) {
        view_.displayMode = DisplayMode::Blank;
    }
    ~BlankView() {
        view_.displayMode = saved_;
        if (onExit_ == OnExit::RestoreAndRepaint) view_.Invalidate();
    }
    BlankView(const BlankView&) = delete;
    BlankView& operator=(const BlankView&) = delete;

private:
    DesignView& view_;
    DisplayMode saved_;
    OnExit onExit_;
};

}  // namespace vorna
