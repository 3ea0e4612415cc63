#pragma once

#include "base/TMergeId.h"
#include "base/TPropertyLayer.h"

#include <QPointer>
#include <QUndoCommand>
#include <QVariant>

// One change of one property of one object, addressed by path through the
// property layer. Typed changes of the same row of the same object within one
// editing of that row (a non-zero editing key) merge into one step; values
// confirmed in separate editings are separate steps.
class TSetPropertyCommand : public QUndoCommand
{
public:
    // applied: the value has already been written (the first redo then only
    // announces nothing and writes nothing).
    TSetPropertyCommand(TPropertyLayer &layer, QObject *object, const QString &path, const QVariant &oldValue,
                        const QVariant &newValue, bool typed, bool applied = false, int editing = 0);

    void redo() override;
    void undo() override;
    int id() const override { return MergeIdOf(TMergeId::Property); }
    bool mergeWith(const QUndoCommand *other) override;

    QObject *Object() const { return m_object; }
    const QString &Path() const { return m_path; }

private:
    QPointer<TPropertyLayer> m_layer;
    QPointer<QObject> m_object;
    QString m_path;
    QVariant m_old;
    QVariant m_new;
    bool m_typed;
    bool m_skipRedo;
    int m_editing;
};
