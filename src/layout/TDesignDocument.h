#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVariant>

class QUndoCommand;
class QWidget;
class TPicButton;
class TPreviewForm;
class TProject;

// The design of the menu window as one document: the design window's objects
// and the stand-alone picture buttons, which only the document creates and
// frees. Every change of the design (a grid edit, a drag or resize, a button
// added or deleted, and the undo and redo of each) is a step whose redo and
// undo write through the document's step writes below; a design read anew
// (a load, a gallery look, their undo and redo) is announced as a whole.
// Each change is announced once by Changed, with the object, the property's
// path and the kind of change; the object tree, the property grid and the
// design window follow Changed only.
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
        Outside,    // no step holds it: the window system moved the window, or a drag is under way
    };
    Q_ENUM(TChange)

    TDesignDocument(TPreviewForm &form, TProject &project, QObject *parent = nullptr);
    // Frees the stand-alone buttons.
    ~TDesignDocument() override;

    TPreviewForm &Form() { return m_form; }
    TProject &Project() { return m_project; }

    // Pushes a step of the design through the project (see TProject::Push).
    bool Push(QUndoCommand *command);
    // A grid edit as one step named text; typed values of one row within one
    // editing (a non-zero key) merge into one step. false with a message when
    // the value cannot be written. A value that changes nothing (the number
    // there typed again, a width under "Авто-размер") makes no step and is
    // not announced.
    bool SetProperty(QObject *object, const QString &path, const QVariant &value, const QString &text,
                     bool typed = false, int editing = 0, QString *error = nullptr);
    // A drag under way: the control (or the window: screen position and
    // outer size) follows the mouse, without a step.
    void DragBounds(QWidget *control, const QRect &bounds);
    // A drag or resize ended with the control's bounds changed: one step.
    void BoundsEdited(QWidget *control, const QRect &before, const QRect &after);

    // --- the writes of steps, for their redo and undo -----------------------
    void Write(QObject *object, const QString &path, const QVariant &value);
    void WriteBounds(QWidget *control, const QRect &bounds);
    // A button added by the user: with the pictures and size of the new
    // project's buttons, placed inside the window where it covers no other.
    TPicButton *CreateNewButton(const QString &caption);
    // Takes a button out of the design without freeing it (the caller owns it
    // then); returns its former position among the buttons, -1 if not there.
    qsizetype DetachButton(TPicButton *button);
    // Puts a detached button back at a position among the buttons.
    void AttachButton(TPicButton *button, qsizetype index);

    // --- outside any step (the design reader, the first showing) ----------
    // A button with its picture control placed in the design window, last.
    TPicButton *CreateButton(const QString &caption);
    // Frees every stand-alone button.
    void DeleteAllButtons();
    const QList<TPicButton *> &Buttons() const { return m_buttons; }

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
    // it changed last, or null when that object is gone from the design.
    void StepTouched(QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TPicButton *MakeButton(const QString &caption);
    // Puts a new button last among the buttons and announces it.
    void Place(TPicButton *button, bool step);
    // Writes the bounds without announcing them; the object written, if any.
    QObject *PutBounds(QWidget *control, const QRect &bounds);
    // step: the change belongs to a step (it is the object StepTouched names).
    void Emit(QObject *object, const QString &path, TChange kind, bool step);
    void StackMoved();

    TPreviewForm &m_form;
    TProject &m_project;
    QList<TPicButton *> m_buttons;
    QPointer<QObject> m_touched;
    bool m_stepTouched = false;
    bool m_formGone = false;
};
