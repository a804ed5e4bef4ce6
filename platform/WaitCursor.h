// WaitCursor: the hourglass shown while an operation blocks the window, as
// the engine's WaitIndicator.
#pragma once

#include "engine/DataFolder.h"

class WaitCursor final : public WaitIndicator {
  public:
    // Shows the wait cursor over the whole application until EndWaitCursor.
    void BeginWaitCursor() override;
    // Restores the cursor that was shown before BeginWaitCursor.
    void EndWaitCursor() override;
};
