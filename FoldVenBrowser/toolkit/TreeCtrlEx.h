#pragma once

#include "win/SubclassWindow.h"

// A tree control that paints through an off-screen bitmap, so that refilling or scrolling it never
// flickers.
class CTreeCtrlEx : public CSubclassWindow {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintOffScreen();
};
