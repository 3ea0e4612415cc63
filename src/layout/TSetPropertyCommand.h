#pragma once

#include "base/TMergeId.h"

#include <QPointer>
#include <QUndoCommand>
#include <QVariant>

class TDesignDocument;

// One change of one property of one object, addressed by path and written
// through the design document. Typed changes of the same row of the same
// object within one editing of that row (a non-zero editing key) merge into
// one step; values confirmed in separate editings are separate steps.
class TSetPropertyCommand : public QUndoCommand
{
public:
    TSetPropertyCommand(TDesignDocument &document, QObject *object, const QString &path, const QVariant &oldValue,
                        const QVariant &newValue, bool typed, int editing = 0);

    void redo() override;
    void undo() override;
    int id() const override { return MergeIdOf(TMergeId::Property); }
    bool mergeWith(const QUndoCommand *other) override;

    QObject *Object() const { return m_object; }
    const QString &Path() const { return m_path; }

private:
    QPointer<TDesignDocument> m_document;
    QPointer<QObject> m_object;
    QString m_path;
    QVariant m_old;
    QVariant m_new;
    bool m_typed;
    int m_editing;
};
