#pragma once

class TPropertyGridModel;
class UserPrompt;

// Teaches a property grid the design's own value types: colours (stock and
// system names, "$00BBGGRR" for others, a swatch and the colour dialog),
// cursors by name, and the font dialog for a whole font (asked through the
// prompt; the real dialog when it is null).
void RegisterDesignValueTypes(TPropertyGridModel &model, UserPrompt *prompt = nullptr);
