#include "layout/TDesignDocument.h"

#include "base/TSetPropertyCommand.h"
#include "layout/TBoundsCommand.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "window/TPicButton.h"

#include <QEvent>

TDesignDocument::TDesignDocument(TPreviewForm &form, TProject &project, QObject *parent)
    : QObject(parent), m_form(form), m_project(project)
{
    // Every value written through the layer is announced once, as the
    // layer reports it: several values of one object at once are its bounds.
    connect(&m_layer, &TPropertyLayer::valueChanged, this, [this](QObject *root, const QString &path) {
        Emit(root, path, path.isEmpty() ? TChange::Bounds : TChange::Value);
    });
    connect(&m_project, &TProject::PartsReplaced, this, [this](TProject::TParts parts) {
        if (parts & TProject::DesignFile())
            Emit(nullptr, QString(), TChange::Replaced);
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
    const QVariant old = TPropertyLayer::read(object, path);
    if (!m_layer.setValue(object, path, value, error))
        return false;
    const QVariant now = TPropertyLayer::read(object, path);
    if (now == old)
        return true;
    auto *command = new TSetPropertyCommand(m_layer, object, path, old, now, typed, true, editing);
    command->setText(text);
    Push(command);
    return true;
}

void TDesignDocument::WriteBounds(QWidget *control, const QRect &bounds)
{
    QObject *object = DesignObjectOf(control);
    if (!object) {
        m_form.setControlBounds(control, bounds);
        return;
    }
    m_layer.setValues(object, {{QStringLiteral("Left"), bounds.x()},
                               {QStringLiteral("Top"), bounds.y()},
                               {QStringLiteral("Width"), bounds.width()},
                               {QStringLiteral("Height"), bounds.height()}});
}

void TDesignDocument::BoundsEdited(QWidget *control, const QRect &before, const QRect &after)
{
    Push(new TBoundsCommand(*this, control, before, after));
}

void TDesignDocument::Announce(QObject *object, TChange kind)
{
    Emit(object, QString(), kind);
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
        Emit(&m_form, QString(), TChange::Outside);
    return QObject::eventFilter(watched, event);
}

void TDesignDocument::Emit(QObject *object, const QString &path, TChange kind)
{
    // A design read anew, or the window moved by the window system, is shown
    // by its listeners at once; any other change is shown after its step.
    if (kind != TChange::Outside && kind != TChange::Replaced) {
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
