#include "project/TProject.h"

#include "kit/BrenwickError.h"

// Temporary until the document model is merged.
class TXDocument {};
struct TProject::TLoaded {};
const char *const TProject::kProlog = "";
const char *const TProject::kRootName = "Velmora";
TProject::TProject(QObject *parent) : QObject(parent)
{
    connect(&m_tree, &TCommandTree::Edited, this,
            [this](TCommandTree::TChanges what, TBaseItem *) { Changed(what); });
    connect(&m_tree, &TCommandTree::CurrentChanged, this, &TProject::OnCurrentChanged);
    connect(&m_options, &TProjectOptions::Changed, this, [this] { Changed(TCommandTree::tcData); });
}
TProject::~TProject()
{
    m_tree.disconnect(this);
    m_options.disconnect(this);
}
QString TProject::FileName() const { return {}; }
void TProject::SaveProject(const QString &, TParts) { throw BrenwickError(QStringLiteral("not yet")); }
TProject::TLoadedPtr TProject::ReadProject(const QString &, TParts) { throw BrenwickError(QStringLiteral("not yet")); }
void TProject::ApplyProject(TLoadedPtr) {}
void TProject::LoadProject(const QString &, TParts) {}
void TProject::ClearProject(TParts) {}
void TProject::TLoadedDeleter::operator()(TLoaded *loaded) const { delete loaded; }
