#pragma once

#include <QList>
#include <QString>

class TPicButton;

// Where the stand-alone picture buttons live: the design file's reader and
// writer list, create and delete them only through here.
class TPicButtonHost
{
public:
    virtual ~TPicButtonHost() = default;

    // The buttons in the order of the object tree's "Кнопки" node.
    virtual QList<TPicButton *> PicButtons() const = 0;
    // A new button with that caption, placed in the design window, last in the order.
    virtual TPicButton *CreatePicButton(const QString &caption) = 0;
    // Deletes every button without a question.
    virtual void DeleteAllPicButtons() = 0;
};
