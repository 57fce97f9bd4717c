#pragma once

// The program's own top-level windows that are plain widgets (bookmarks, scan, splash, quick
// help, about) are told to assistive technology as windows with their captions, as the main
// window and the dialogs are, not as unnamed panes.
namespace AccessibleWindows {
void install();
} // namespace AccessibleWindows
