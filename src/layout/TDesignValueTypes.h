#pragma once

class TPropertyGridModel;

// Teaches a property grid the design's own value types: colours (stock and
// system names, "$00BBGGRR" for others, a swatch and the colour dialog),
// cursors by name, and the font dialog for a whole font.
void RegisterDesignValueTypes(TPropertyGridModel &model);
