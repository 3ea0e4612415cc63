#pragma once

#include <QString>

class TPicture;

// The pictures a new project starts with: the theme picture ("theme") and the
// default buttons' ("exit-default", "explorer-selected", "help-pressed", ...).
// They are embedded as the picture texts a project file holds, written from
// the artwork at build time, so putting one into a picture decodes no image
// format and a save writes the text back as it is.
void SetStartPicture(TPicture &picture, const QString &name);
