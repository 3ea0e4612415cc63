#pragma once

#include "xml/TDesignValues.h"

class QObject;
class TXNode;

// The menu window's design as XML elements: one writer and one reader per
// kind of object. A writer receives the object's element, already added by its
// caller, and adds the child elements in the order the player reads them. A
// reader receives the element and finds each child with Child, so a missing
// child reads as an empty one; it converts and checks every value (pictures
// decoded) and returns them in the order they are to be set, changing nothing.
// A missing attribute, a value that does not convert or a picture that does
// not decode throws BrenwickError with the conversion's message.
//
// The objects are reached through their published properties only: the design
// window (ClientWidth, ColorTop, ...), picture controls (Top, Anchors,
// Constraints.MinWidth, Picture, ...), text boxes, the menu area with its
// ButtonStyle, and stand-alone picture buttons.

// How a text object is written: the heading alone carries its text, the menu
// area adds its columns and the look of its buttons.
enum class TTextBoxRole { Plain, Heading, Menu };

void WriteWindow(TXNode &el, QObject &window);
TDesignValues ReadWindow(TXNode &el);

// fillsParent: the control is aligned to fill its parent's client area, and
// then has no position element (written) or ignores it (read).
void WriteControl(TXNode &el, QObject &control, bool fillsParent);
void ReadControl(TXNode &el, bool fillsParent, TDesignValues &out);

// A picture control. Writing makes its picture hold a bitmap.
void WriteImage(TXNode &el, QObject &image, bool fillsParent);
TDesignValues ReadImage(TXNode &el, bool fillsParent);

// A text box, its control block written through the properties it republishes.
void WriteTextBox(TXNode &el, QObject &box, TTextBoxRole role, bool fillsParent);
TDesignValues ReadTextBox(TXNode &el, TTextBoxRole role, bool fillsParent);

// The look of the menu area's buttons.
void WriteButtonStyle(TXNode &el, QObject &style);
TDesignValues ReadButtonStyle(TXNode &el);

// A stand-alone picture button; writing makes its pictures hold bitmaps.
void WritePicButton(TXNode &el, QObject &button, bool fillsParent);
TDesignValues ReadPicButton(TXNode &el, bool fillsParent);

// The "lines" value: every line followed by CR LF; read back split at CR LF,
// CR or LF, a break at the very end starting no further line.
QString LinesToText(const QStringList &lines);
QStringList TextToLines(const QString &text);
