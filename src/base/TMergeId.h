#pragma once

// The ids by which undo steps of one kind merge (QUndoCommand::id). Every
// step that merges takes its id from here, so that no two kinds share one.
enum class TMergeId : int {
    None = -1,          // never merges
    CommandField = 1,   // typing into one field of one command entry
    AboutText,          // typing into the about text of the project options
    Property,           // typing into one row of the property grid
};

constexpr int MergeIdOf(TMergeId id)
{
    return static_cast<int>(id);
}
