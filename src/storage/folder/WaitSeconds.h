#pragma once

// Keeps processing events until the duration has passed. Measured on a
// monotonic clock, so a wait across midnight or a clock change still ends.
void WaitSeconds(float seconds);
