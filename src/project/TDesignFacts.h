#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

// What the project check reads of the menu window's design: plain figures
// taken from the live design objects, so that the check itself needs no
// widget and works the same in the editor and on the command line.
struct TDesignFacts
{
    // One object of the window: a text box, the menu area, a picture or a
    // stand-alone button.
    struct Object
    {
        QPointer<QObject> object;   // the design object, to select it from a finding
        QString caption;            // how findings name it (the object tree's caption)
        QRect bounds;               // in the window's client coordinates
        bool visible = true;
        QSize picture;              // the picture's own size; empty when there is none
        bool pictureScaled = false; // the picture is stretched to its control
    };

    // A stand-alone button's binding.
    struct Button
    {
        QPointer<QObject> object;
        QString caption;
        bool executes = false;      // its action runs a command (baExecute)
        int itemId = 0;
        bool levelUp = false;       // its action goes up one level (baLevelUp)
        bool visible = true;
    };

    // A font the window draws with.
    struct Font
    {
        QPointer<QObject> object;
        QString caption;
        QString family;
        int charset = 1;            // the font's character set (204: Cyrillic)
    };

    QSize client;                   // the window's client size
    QPointer<QObject> window;       // the menu window's design object
    QString caption;                // the menu window's title
    bool captionIsDefault = false;  // the title is still the design window's own
    QList<Object> objects;
    QList<Button> buttons;
    QList<Font> fonts;
    // The menu area: which of objects it is (-1 when none) and the height one
    // button row needs.
    int menuIndex = -1;
    int menuRowHeight = 0;
};
