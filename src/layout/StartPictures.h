#pragma once

#include <QString>

class TPicture;
class TPictureSet;

// The pictures a new project starts with: the theme picture ("theme") and the
// default buttons' ("exit-default", "explorer-selected", "help-pressed", ...).
// They are embedded as the picture texts a project file holds, with the
// bitmaps those carry, written from the artwork at build time: putting one
// into a picture decodes no image format and inflates nothing, and a save
// writes the text back as it is. An unknown name gives an empty bitmap.
void SetStartPicture(TPicture &picture, const QString &name);
// A button's default, selected and pressed pictures: name + "-default", ...
void SetStartPictures(TPictureSet &set, const QString &name);
