#pragma once

#include <QPointer>
#include <QRect>
#include <QUndoCommand>

class TDesignDocument;
class QWidget;

// A move or resize with the mouse in the design window (of an object or of
// the window itself) as one undo step, made when the button is released: the
// bounds before the gesture and after it, written through the design
// document. A control that is gone by then is left alone. The step names the object as the object
// tree does, a stand-alone button by its caption: «перемещение «Сайт»».
class TBoundsCommand : public QUndoCommand
{
public:
    TBoundsCommand(TDesignDocument &document, QWidget *control, const QRect &before, const QRect &after);

    void redo() override;
    void undo() override;

private:
    void Apply(const QRect &bounds);

    QPointer<TDesignDocument> m_document;
    QPointer<QWidget> m_control;
    QRect m_before;
    QRect m_after;
};
