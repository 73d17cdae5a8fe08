#pragma once

// What one session of the Screen Manager changed, tab by tab. The changes themselves reach the
// document through its typed setters, which mark the sections a save rewrites; these flags tell
// the window (and the tests) which tabs were written.
struct ManagerChanges {
    bool smChanged = false; // the screen order of the Manager's level
    bool smEnemyChanged = false;
    bool smPowerUpChanged = false;
    bool smPipeChanged = false;
};
