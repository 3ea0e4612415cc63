#pragma once

#include "base/TPropertyLayer.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class QUndoCommand;
class QWidget;
class TPreviewForm;
class TProject;

// The design of the menu window as one document: the design window's objects
// and the property layer through which every one of their values is written.
// Every change of the design (a grid edit, a drag or resize, a button added
// or deleted, a design load, and the undo and redo of each) is made here or
// by a step pushed through Push, and is announced once by Changed: the object,
// the property's path, and what kind of change it was. The object tree, the
// property grid and the design window only listen.
class TDesignDocument : public QObject
{
    Q_OBJECT
public:
    enum class TChange {
        Value,      // one property (path) of the object
        Bounds,     // the object's place and size (path empty)
        Added,      // a stand-alone button came into the design
        Removed,    // a stand-alone button left it (it still exists while announced)
        Replaced,   // the whole design was read anew (object null)
        Outside,    // the window system moved or resized the window (no step)
    };
    Q_ENUM(TChange)

    TDesignDocument(TPreviewForm &form, TProject &project, QObject *parent = nullptr);
    ~TDesignDocument() override;

    TPreviewForm &Form() { return m_form; }
    TProject &Project() { return m_project; }
    TPropertyLayer &Layer() { return m_layer; }

    // Pushes a step of the design through the project (see TProject::Push).
    bool Push(QUndoCommand *command);
    // A grid edit: writes the value and pushes it as one step named text
    // (typed edits of one row within one editing merge). false with a
    // message when the value cannot be written; a value the object does not
    // take (a width under "Авто-размер") is written but makes no step.
    bool SetProperty(QObject *object, const QString &path, const QVariant &value, const QString &text,
                     bool typed = false, int editing = 0, QString *error = nullptr);
    // Sets the bounds of one of the design window's controls, or of the
    // window itself (screen position and outer size), through the property
    // layer: a drag's move, and the undo and redo of a finished one.
    void WriteBounds(QWidget *control, const QRect &bounds);
    // A drag or resize ended with the control's bounds changed: one step.
    void BoundsEdited(QWidget *control, const QRect &before, const QRect &after);
    // Announces a stand-alone button added or removed (by its command).
    void Announce(QObject *object, TChange kind);

    // The object of the design whose control is this one (a window object
    // for its surface, the control itself for a picture, the window for
    // itself), or null.
    QObject *DesignObjectOf(const QWidget *control) const;
    // The name a step gives an object: a stand-alone button's caption, else
    // the object tree's caption of the control.
    QString NameOf(QWidget *control) const;

signals:
    void Changed(QObject *object, const QString &path, TDesignDocument::TChange kind);
    // A step was made, undone or redone that changed the design: the object
    // it changed last, or null when that object is gone from the design (or
    // the whole design was read anew).
    void StepTouched(QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Emit(QObject *object, const QString &path, TChange kind);
    void StackMoved();

    TPreviewForm &m_form;
    TProject &m_project;
    TPropertyLayer m_layer;
    QPointer<QObject> m_touched;
    bool m_stepTouched = false;
    bool m_formGone = false;
};
