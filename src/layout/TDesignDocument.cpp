#include "layout/TDesignDocument.h"

#include "base/TPropertyLayer.h"
#include "layout/StartPictures.h"
#include "layout/TBoundsCommand.h"
#include "layout/TButtonPlace.h"
#include "layout/TPreviewForm.h"
#include "layout/TSetPropertyCommand.h"
#include "project/TProject.h"
#include "window/TImageEx.h"
#include "window/TPicButton.h"

#include <QEvent>

TDesignDocument::TDesignDocument(TPreviewForm &form, TProject &project, QObject *parent)
    : QObject(parent), m_form(form), m_project(project)
{
    connect(&m_project, &TProject::PartsReplaced, this, [this](TProject::TParts parts) {
        if (parts & TProject::DesignFile())
            Emit(nullptr, QString(), TChange::Replaced, false);
    });
    connect(&m_project.UndoStack(), &QUndoStack::indexChanged, this, &TDesignDocument::StackMoved);
    m_form.setDocument(this);
    m_form.installEventFilter(this);
    connect(&m_form, &QObject::destroyed, this, [this] { m_formGone = true; });
}

TDesignDocument::~TDesignDocument()
{
    if (!m_formGone) {
        m_form.removeEventFilter(this);
        m_form.setDocument(nullptr);
    }
    for (TPicButton *button : std::as_const(m_buttons)) {
        delete button->Image();
        delete button;
    }
}

bool TDesignDocument::Push(QUndoCommand *command)
{
    return m_project.Push(command);
}

bool TDesignDocument::SetProperty(QObject *object, const QString &path, const QVariant &value, const QString &text,
                                  bool typed, int editing, QString *error)
{
    if (!object)
        return false;
    // What the object takes of the value decides whether there is a step:
    // tried quietly, then put back for the step to make.
    const QVariant old = TPropertyLayer::read(object, path);
    if (!TPropertyLayer::write(object, path, value, error))
        return false;
    const QVariant taken = TPropertyLayer::read(object, path);
    if (taken == old)
        return true;
    TPropertyLayer::write(object, path, old);
    auto *command = new TSetPropertyCommand(*this, object, path, old, taken, typed, editing);
    command->setText(text);
    Push(command);
    return true;
}

void TDesignDocument::Write(QObject *object, const QString &path, const QVariant &value)
{
    if (TPropertyLayer::write(object, path, value))
        Emit(object, path, TChange::Value, true);
}

QObject *TDesignDocument::PutBounds(QWidget *control, const QRect &bounds)
{
    QObject *object = DesignObjectOf(control);
    if (!object) {
        m_form.setControlBounds(control, bounds);
        return nullptr;
    }
    TPropertyLayer::write(object, QStringLiteral("Left"), bounds.x());
    TPropertyLayer::write(object, QStringLiteral("Top"), bounds.y());
    TPropertyLayer::write(object, QStringLiteral("Width"), bounds.width());
    TPropertyLayer::write(object, QStringLiteral("Height"), bounds.height());
    return object;
}

void TDesignDocument::WriteBounds(QWidget *control, const QRect &bounds)
{
    if (QObject *object = PutBounds(control, bounds))
        Emit(object, QString(), TChange::Bounds, true);
}

void TDesignDocument::DragBounds(QWidget *control, const QRect &bounds)
{
    if (QObject *object = PutBounds(control, bounds))
        Emit(object, QString(), TChange::Outside, false);
}

void TDesignDocument::BoundsEdited(QWidget *control, const QRect &before, const QRect &after)
{
    if (before == after)
        return;
    // The drag moved the control; the step makes the move.
    PutBounds(control, before);
    Push(new TBoundsCommand(*this, control, before, after));
}

TPicButton *TDesignDocument::MakeButton(const QString &caption)
{
    auto *button = new TPicButton(new TImageEx, caption, this);
    button->setCursor(TCursor::crHandPoint);
    return button;
}

void TDesignDocument::Place(TPicButton *button, bool step)
{
    m_buttons.append(button);
    m_form.placePictureControl(button->Image());
    Emit(button, QString(), TChange::Added, step);
}

TPicButton *TDesignDocument::CreateButton(const QString &caption)
{
    TPicButton *button = MakeButton(caption);
    Place(button, false);
    return button;
}

TPicButton *TDesignDocument::CreateNewButton(const QString &caption)
{
    QList<QRect> taken;
    for (TPicButton *other : std::as_const(m_buttons))
        taken << QRect(other->Left(), other->Top(), other->Width(), other->Height());
    TPicButton *button = MakeButton(caption);
    SetStartPictures(*button->Pictures(), QStringLiteral("explorer"));
    const QPoint place = FreeButtonPlace(QSize(m_form.ClientWidth(), m_form.ClientHeight()),
                                         QSize(button->Width(), button->Height()), taken);
    button->setLeft(place.x());
    button->setTop(place.y());
    Place(button, true);
    return button;
}

qsizetype TDesignDocument::DetachButton(TPicButton *button)
{
    const qsizetype index = m_buttons.indexOf(button);
    if (index < 0)
        return index;
    // Every reference goes before the button leaves.
    Emit(button, QString(), TChange::Removed, true);
    m_buttons.removeAt(index);
    m_form.removePictureControl(button->Image());
    button->setParent(nullptr);
    return index;
}

void TDesignDocument::AttachButton(TPicButton *button, qsizetype index)
{
    if (!button || m_buttons.contains(button))
        return;
    button->setParent(this);
    const bool within = index >= 0 && index < m_buttons.size();
    m_buttons.insert(within ? index : m_buttons.size(), button);
    m_form.placePictureControl(button->Image(), within ? index : -1);
    Emit(button, QString(), TChange::Added, true);
}

void TDesignDocument::DeleteAllButtons()
{
    while (!m_buttons.isEmpty()) {
        TPicButton *button = m_buttons.constFirst();
        Emit(button, QString(), TChange::Removed, false);
        m_buttons.removeFirst();
        TImageEx *image = button->Image();
        m_form.removePictureControl(image);
        delete image;
        delete button;
    }
}

QObject *TDesignDocument::DesignObjectOf(const QWidget *control) const
{
    if (!control)
        return nullptr;
    if (control == &m_form)
        return &m_form;
    for (QObject *object : m_form.designObjects()->designObjects()) {
        if (object == control)
            return object;
        if (auto *wrapper = qobject_cast<TControlWrapper *>(object); wrapper && wrapper->Control() == control)
            return wrapper;
    }
    return nullptr;
}

QString TDesignDocument::NameOf(QWidget *control) const
{
    if (auto *button = qobject_cast<TPicButton *>(DesignObjectOf(control)))
        return button->Caption();
    return m_form.controlCaption(control);
}

bool TDesignDocument::eventFilter(QObject *watched, QEvent *event)
{
    // The window moved or resized by the window system (its frame dragged):
    // the values shown follow, though no step is made.
    if (watched == &m_form && event->spontaneous()
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        Emit(&m_form, QString(), TChange::Outside, false);
    return QObject::eventFilter(watched, event);
}

void TDesignDocument::Emit(QObject *object, const QString &path, TChange kind, bool step)
{
    if (step) {
        m_stepTouched = true;
        m_touched = kind == TChange::Removed ? nullptr : object;
    }
    emit Changed(object, path, kind);
}

void TDesignDocument::StackMoved()
{
    if (!m_stepTouched)
        return;
    m_stepTouched = false;
    emit StepTouched(m_touched.data());
    m_touched = nullptr;
}
