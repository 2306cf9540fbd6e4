#include "ReturnToOpener.h"

#include <QApplication>

namespace platform {

ReturnToOpener::ReturnToOpener()
    : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget())
{
}

ReturnToOpener::~ReturnToOpener()
{
    handBack();
}

void ReturnToOpener::handBack()
{
    if (done_)
        return;
    done_ = true;
    // A window that went away meanwhile (unloaded, hidden) gets nothing.
    if (window_ && window_->isVisible() && window_->isEnabled())
        window_->activateWindow();
    if (focus_ && focus_->isVisible() && focus_->isEnabled() && focus_->window() == window_)
        focus_->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace platform
