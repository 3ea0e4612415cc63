#include "project/TTreeCommands.h"

#include "project/TCommandTreeTarget.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// A step's name: what was done, with the entry's name in its place ("%1").
QString Quoted(const char *what, const QString &name)
{
    return QCoreApplication::translate("TTreeCommands", what).arg(name);
}

} // namespace

// ---------------------------------------------------------------------------

TTreeCommand::~TTreeCommand()
{
    for (TBaseItem *item : std::as_const(m_kept))
        TCommandTree::FreeDetached(item);
}

TTreeCommand::TState TTreeCommand::Capture() const
{
    return {m_tree.CurrentItem(), m_tree.CurrentGroup(), m_tree.NextNumber()};
}

void TTreeCommand::Restore(const TState &state)
{
    m_tree.SetNextNumber(state.nextNumber);
    m_tree.RestoreSelection(state.current, state.group);
}

void TTreeCommand::redo()
{
    // One refresh of the menu and the fields per step, however many entries
    // it touches.
    m_tree.BeginUpdate();
    if (m_done) {
        Redo();
        Restore(m_after);
    } else {
        m_before = Capture();
        Do();
        m_after = Capture();
        m_done = true;
    }
    m_tree.EndUpdate();
}

void TTreeCommand::undo()
{
    m_tree.BeginUpdate();
    Undo();
    Restore(m_before);
    m_tree.EndUpdate();
}

// ---------------------------------------------------------------------------

TAddItemCommand::TAddItemCommand(TCommandTree &tree, const QString &name, TItemKind kind)
    : TTreeCommand(tree, Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "добавление «%1»"), name)), m_name(name),
      m_kind(kind)
{
}

void TAddItemCommand::Do()
{
    m_item = m_tree.AddItem(m_name, m_kind, TCommandTree::TPlace::ByChoice());
    m_parent = m_item->Parent();
    m_row = m_item->Row();
}

void TAddItemCommand::Redo()
{
    Release(m_item);
    m_tree.Attach(m_item, m_parent, m_row);
}

void TAddItemCommand::Undo()
{
    m_tree.Detach(m_item);
    Keep(m_item);
}

// ---------------------------------------------------------------------------

TDeleteItemCommand::TDeleteItemCommand(TCommandTree &tree, TBaseItem *item, TCommandTree::TGroupContents contents)
    : TTreeCommand(tree, Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "удаление «%1»"), item ? item->Name() : QString())),
      m_item(item), m_contents(contents)
{
    setObsolete(!item);
}

void TDeleteItemCommand::Do()
{
    if (!m_item) {
        setObsolete(true);
        return;
    }
    m_parent = m_item->Parent();
    m_row = m_item->Row();
    if (m_item->IsGroup() && m_contents == TCommandTree::gcLiftUp)
        m_lifted = m_item->Children();
    Redo();
}

void TDeleteItemCommand::Redo()
{
    Keep(m_tree.TakeItem(m_item, m_contents));
}

void TDeleteItemCommand::Undo()
{
    Release(m_item);
    // The lifted children stand where the group stood, the group after them:
    // it goes back there and takes them in again, in their order.
    m_tree.Attach(m_item, m_parent, m_row + int(m_lifted.size()));
    for (int i = 0; i < m_lifted.size(); ++i)
        m_tree.MoveTo(m_lifted[i], m_item, i);
}

// ---------------------------------------------------------------------------

TMoveItemCommand::TMoveItemCommand(TCommandTree &tree, TBaseItem *dragged, TBaseItem *target, bool ctrl, bool shift)
    : TTreeCommand(tree,
                   Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "перемещение «%1»"), dragged ? dragged->Name() : QString())),
      m_item(dragged), m_target(target), m_ctrl(ctrl), m_shift(shift)
{
    setObsolete(!tree.DropWouldMove(dragged, target, ctrl, shift));
}

void TMoveItemCommand::Do()
{
    if (!m_item) {
        setObsolete(true);
        return;
    }
    m_fromParent = m_item->Parent();
    m_fromRow = m_item->Row();
    if (!m_tree.DropOnto(m_item, m_target, m_ctrl, m_shift)) {
        setObsolete(true);
        return;
    }
    m_toParent = m_item->Parent();
    m_toRow = m_item->Row();
}

void TMoveItemCommand::Redo()
{
    m_tree.MoveTo(m_item, m_toParent, m_toRow);
}

void TMoveItemCommand::Undo()
{
    m_tree.MoveTo(m_item, m_fromParent, m_fromRow);
}

// ---------------------------------------------------------------------------

namespace {

QString FieldStepText(const TBaseItem *item, TSetFieldCommand::TField field, const QVariant &value)
{
    const QString name = item ? item->Name() : QString();
    switch (field) {
    case TSetFieldCommand::fName:
        return Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "изменение заголовка «%1»"), name);
    case TSetFieldCommand::fComment:
        return Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "изменение комментария «%1»"), name);
    case TSetFieldCommand::fCustom:
        return Quoted(item && item->Kind() == ikUrl ? QT_TRANSLATE_NOOP("TTreeCommands", "изменение адреса «%1»")
                                                    : QT_TRANSLATE_NOOP("TTreeCommands", "изменение пути «%1»"),
                      name);
    case TSetFieldCommand::fParams:
        return Quoted(QT_TRANSLATE_NOOP("TTreeCommands", "изменение параметров «%1»"), name);
    case TSetFieldCommand::fHidden:
        return Quoted(value.toBool() ? QT_TRANSLATE_NOOP("TTreeCommands", "скрытие «%1»")
                                     : QT_TRANSLATE_NOOP("TTreeCommands", "показ «%1»"),
                      name);
    }
    return name;
}

} // namespace

TSetFieldCommand::TSetFieldCommand(TCommandTree &tree, TBaseItem *item, TField field, const QVariant &value)
    : TTreeCommand(tree, FieldStepText(item, field, value)), m_item(item), m_field(field), m_value(value),
      m_selection(tree.SelectionSerial())
{
    setObsolete(!m_item || Get() == m_value);
}

QVariant TSetFieldCommand::Get() const
{
    switch (m_field) {
    case fName:
        return m_item->Name();
    case fComment:
        return m_item->Comment();
    case fCustom:
        return m_item->Custom();
    case fParams:
        return m_item->Params();
    case fHidden:
        return m_item->Hidden();
    }
    return {};
}

void TSetFieldCommand::Set(const QVariant &value)
{
    switch (m_field) {
    case fName:
        m_tree.SetName(m_item, value.toString());
        break;
    case fComment:
        m_tree.SetComment(m_item, value.toString());
        break;
    case fCustom:
        m_tree.SetCustom(m_item, value.toString());
        break;
    case fParams:
        m_tree.SetParams(m_item, value.toString());
        break;
    case fHidden:
        m_tree.SetHidden(m_item, value.toBool());
        break;
    }
}

void TSetFieldCommand::Do()
{
    if (!m_item || Get() == m_value) {
        setObsolete(true);
        return;
    }
    m_old = Get();
    Set(m_value);
}

bool TSetFieldCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const TSetFieldCommand *>(other);
    if (!next || next->m_item != m_item || next->m_field != m_field || next->m_selection != m_selection)
        return false;
    m_value = next->m_value;
    // Typed back to where it started: the step disappears.
    setObsolete(m_value == m_old);
    return true;
}

// ---------------------------------------------------------------------------

TImportCommand::TImportCommand(TCommandTree &tree, const QString &text, TRun run)
    : TTreeCommand(tree, text), m_run(std::move(run))
{
}

void TImportCommand::Do()
{
    TCommandTreeTarget target(m_tree);
    target.TrackCreated();
    m_run(target);
    for (TBaseItem *item : target.AddedRoots())
        m_roots.append({item, item->Parent(), item->Row()});
    m_run = nullptr;
    if (m_roots.isEmpty())
        setObsolete(true);
}

void TImportCommand::Redo()
{
    // Lower rows first: every entry then finds its earlier siblings in place.
    for (const TRoot &root : std::as_const(m_roots)) {
        Release(root.item);
        m_tree.Attach(root.item, root.parent, root.row);
    }
}

void TImportCommand::Undo()
{
    for (auto it = m_roots.crbegin(); it != m_roots.crend(); ++it) {
        m_tree.Detach(it->item);
        Keep(it->item);
    }
}
