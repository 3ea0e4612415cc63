#pragma once

#include "layout/TDesignSession.h"

namespace cli {

// The editor without its main window: a project whose design lives in a
// design window that is never shown, with the design document's stand-alone
// buttons (the three default ones to begin with), so that opening and saving
// carry the whole file as the editor does.
struct Editor : TDesignSession
{
    Editor() : TDesignSession(true) {}
};

} // namespace cli
