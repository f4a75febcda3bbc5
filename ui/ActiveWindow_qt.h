#pragma once
// Asks the window system where activation went when a window lost it: to
// another window (the user switched away), or nowhere in particular (a
// window manager settling after a change of view, a click on the desktop).

class QWidget;

// Whether another top-level window is now the active one. Where the window
// system cannot tell, every loss of activation counts as going elsewhere.
bool AnotherWindowIsActive(const QWidget& window);
