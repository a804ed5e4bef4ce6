// WaitCursor: the hourglass shown while work blocks the window.
#pragma once

class WaitCursor {
  public:
    // Shows the wait cursor over the whole application until EndWaitCursor.
    void BeginWaitCursor();
    // Restores the cursor that was shown before BeginWaitCursor.
    void EndWaitCursor();
};
