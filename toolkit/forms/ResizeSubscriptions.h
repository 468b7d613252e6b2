#pragma once
// Listeners of a control's resize besides its own OnResize: each listener
// takes itself off with the token it was given and leaves the others and
// OnResize as they are. A control that goes drops its listeners, so a late
// unsubscribe of a listener that outlived it does nothing.

#include "toolkit/forms/Controls.h"

// The token is never 0 or negative.
int SubscribeResize(TControl* Control, TNotifyEvent Handler);
void UnsubscribeResize(int Token);
// Run by the control: after its OnResize, every listener in the order it
// subscribed; one that unsubscribes meanwhile is not called.
void NotifyResizeSubscribers(TControl* Control);
void ForgetResizeSubscribers(TControl* Control);
