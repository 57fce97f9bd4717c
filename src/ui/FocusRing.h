#pragma once

// Makes the control that has the keyboard focus plain to see in every window: a ring in the text
// colour around it, and a two-pixel frame around the current item of a list or grid. The style's
// own focus marks (a faint line, a one-pixel change) fall below 3:1 against their surroundings.
namespace FocusRing {
void install();
} // namespace FocusRing
