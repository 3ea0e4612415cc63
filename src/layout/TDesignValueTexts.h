#pragma once

class TFont;
class TPropertyGridModel;
class QString;

// What the rows of the design's sub-objects read with display names on: a
// font its family, size and style («Times New Roman, 18, курсив»), size limits
// their bounds, a picture set the pictures it has.
void RegisterDesignValueTexts(TPropertyGridModel &model);

// «Times New Roman, 18, курсив»; the style words follow in the order bold,
// italic, underlined, struck out.
QString FontText(const TFont &font);
