#pragma once

// Top-level windows built on a plain QWidget (the design window, the test-run
// window) are reported to assistive technology as windows named by their
// titles, as dialogs and main windows are; Qt would report a bare client area.
// Registers the class (its QObject class name) once; safe to call again.
void ExposeAsWindow(const char *className);
