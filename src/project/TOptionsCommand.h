#pragma once

#include "base/TMergeId.h"
#include "project/TProjectOptions.h"

#include <QUndoCommand>

// A change of the page "Опции проекта" (a check box, a radio button, the about
// text, the disc folder) as one undo step: the options as they were and as
// they become. Typing into the about text merges into one step until another
// step comes between.
class TOptionsCommand : public QUndoCommand
{
public:
    // changed: the options with the change made.
    TOptionsCommand(TProjectOptions &options, const TProjectOptions &changed);

    int id() const override { return MergeIdOf(m_aboutOnly ? TMergeId::AboutText : TMergeId::None); }
    bool mergeWith(const QUndoCommand *other) override;
    void redo() override;
    void undo() override;

private:
    TProjectOptions &m_options;
    TProjectOptions m_before;
    TProjectOptions m_after;
    bool m_aboutOnly;
};
