#pragma once

// Gives every archive screen its magnifying glass (the search window) and its
// hand-and-coin button (the unpaid summary). Each opening makes a new window
// owned by the archive screen, shows it modally and destroys it on closing.
void installSearchWindows();
