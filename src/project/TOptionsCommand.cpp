#include "project/TOptionsCommand.h"

namespace {

// The step's name from what differs, for the menu "Правка".
QString StepText(const TProjectOptions &a, const TProjectOptions &b)
{
    if (a.RootDir() != b.RootDir())
        return QCoreApplication::translate("TOptionsCommand", "выбор корневого каталога");
    if (a.About() != b.About())
        return QCoreApplication::translate("TOptionsCommand", "изменение текста «О Программе»");
    return QCoreApplication::translate("TOptionsCommand", "изменение опций проекта");
}

bool OnlyAboutDiffers(const TProjectOptions &a, const TProjectOptions &b)
{
    if (a.About() == b.About())
        return false;
    TProjectOptions same;
    same.Assign(b);
    same.SetAbout(a.About());
    return same.SameAs(a);
}

} // namespace

TOptionsCommand::TOptionsCommand(TProjectOptions &options, const TProjectOptions &changed)
    : m_options(options), m_aboutOnly(OnlyAboutDiffers(options, changed))
{
    m_before.Assign(options);
    m_after.Assign(changed);
    setText(StepText(m_before, m_after));
    if (m_before.SameAs(m_after))
        setObsolete(true);
}

bool TOptionsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const TOptionsCommand *>(other);
    if (!next || &next->m_options != &m_options || !m_aboutOnly || !next->m_aboutOnly)
        return false;
    m_after.Assign(next->m_after);
    // Typed back to where it started: the step disappears.
    setObsolete(m_after.SameAs(m_before));
    return true;
}

void TOptionsCommand::redo()
{
    m_options.Assign(m_after);
}

void TOptionsCommand::undo()
{
    m_options.Assign(m_before);
}
