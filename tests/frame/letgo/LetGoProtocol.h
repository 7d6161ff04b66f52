#pragma once
// Exit codes of vtletgo, the program the let-go tests start (see VtLetGo.cpp).
namespace vt::letgo {

enum Outcome : int {
    kCameBack = 0,        // the loop ended, the window answers, the program ended normally
    kUsage = 2,
    kNeverSkinned = 10,   // the hook never subclassed the window
    kNeverInLoop = 11,    // the modal loop was not seen to start
    kModuleUnmapped = 12, // every reference let go, the module was gone from the process
    kLoopNeverEnded = 13,
    kNoAnswer = 14,       // after the loop the window did not answer
    kCrashed = 20,        // an exception nobody handled (code run after it was unmapped)
};

}  // namespace vt::letgo
