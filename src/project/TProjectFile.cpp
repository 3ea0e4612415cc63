#include "project/TProject.h"

#include "base/TextLiterals.h"
#include "base/BrenwickError.h"
#include "xml/PictureBatch.h"
#include "xml/TXDocument.h"
#include "xml/TXStream.h"

#include <QCoreApplication>
#include <optional>

// The project file: the prolog, the document element Velmora with creator,
// the command tree under root, the option elements and the design's elements.

const char *const TProject::kProlog =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<!DOCTYPE Velmora>\r";
const char *const TProject::kRootName = "Velmora";

namespace {

const char *const kCreatorName = "Velmora Brenwick";
const char *const kCreatorVersion = "1.1.2";
const char *const kTooDeep = QT_TRANSLATE_NOOP("TProjectFile",
    "Группы вложены на %1 уровней, а файл проекта можно прочитать не глубже %2 уровней. "
    "Перенесите часть команд выше.");
constexpr int kLevelsAboveCommands = 2;

void WriteEntry(TXNode &parent, const TBaseItem &item)
{
    TXNode *el = parent.AddChild(ItemKindElementName(item.Kind()));
    // Empty strings are left out; the number and the hidden flag always stand.
    if (!item.Name().isEmpty())
        el->SetAttr(L("name"), item.Name());
    if (!item.Comment().isEmpty())
        el->SetAttr(L("comment"), item.Comment());
    if (!item.Custom().isEmpty())
        el->SetAttr(L("custom"), item.Custom());
    if (!item.Params().isEmpty())
        el->SetAttr(L("params"), item.Params());
    el->SetAttr(L("id"), item.Id());
    el->SetAttr(L("hidden"), item.Hidden());
    for (const TBaseItem *child : item.Children())
        WriteEntry(*el, *child);
}

// The attributes of one command element, found in one pass; as with GetAttr,
// names match in any letter case and the first of a name wins.
struct TEntryAttrs
{
    enum Field { fName, fComment, fCustom, fParams, fId, fHidden, fCount };
    TAttrValue values[fCount];

    explicit TEntryAttrs(const TXNode &el)
    {
        static constexpr QStringView kNames[fCount] = {u"name", u"comment", u"custom", u"params", u"id", u"hidden"};
        const int count = el.AttrCount();
        for (int i = 0; i < count; ++i) {
            const QString attrName = el.AttrName(i);
            for (int f = 0; f < fCount; ++f) {
                if (values[f].IsMissing() && TXNode::SameAttrName(attrName, kNames[f])) {
                    values[f] = el.AttrAt(i);
                    break;
                }
            }
        }
    }
    // Both always stand in files this editor writes; a missing or bad one
    // fails the whole load.
    qint32 Id() const { return values[fId].ToInt(); }
    bool Hidden() const { return values[fHidden].ToBool(); }
    const QString &Text(Field f) const { return values[f].Value(); }
};

// Only groups' children are read; the children of other kinds are ignored.
bool ChildrenAreRead(const TXNode &el)
{
    return ItemKindFromElementName(el.Name()) == ikGroup;
}

// Converts every number and hidden flag under commands, so that a bad one
// fails the load before anything of the project changes. A failure names the
// command by its number in file order (counted in number, 1 for the first).
void CheckEntries(const TXNode &commands, int &number)
{
    for (const TXNode *el = commands.FirstChild(); el; el = el->Next()) {
        const TEntryAttrs attrs(*el);
        ++number;
        const TEntryAttrs::Field checked[] = {TEntryAttrs::fId, TEntryAttrs::fHidden};
        for (const TEntryAttrs::Field f : checked) {
            try {
                f == TEntryAttrs::fId ? void(attrs.Id()) : void(attrs.Hidden());
            } catch (BrenwickError &e) {
                TFilePlace &place = e.place();
                place.what = TFilePlace::fwValue;
                place.elements = QStringList{L("root"), el->Name()};
                place.attribute = L(f == TEntryAttrs::fId ? "id" : "hidden");
                if (!attrs.values[f].IsMissing())
                    place.value = attrs.values[f].Value();
                place.command = number;
                throw;
            }
        }
        if (ChildrenAreRead(*el))
            CheckEntries(*el, number);
    }
}

bool ReadBool(const TXNode &el, const char *name, bool missing)
{
    const TAttrValue value = ValueOrDefault(el.GetAttr(L(name)), TAttrValue(missing));
    try {
        return value.ToBool();
    } catch (BrenwickError &e) {
        e.place() = TFilePlace{TFilePlace::fwValue, {el.Name()}, L(name), value.Value(), 0, 0};
        throw;
    }
}

} // namespace

struct TProject::TLoaded
{
    TParts parts;
    QString fileName;
    std::unique_ptr<TXDocument> document;   // checked; the commands are built from it
    TProjectOptions options;
    TDesignParts::Apply design;
    TDesignParts::Apply buttons;
    TLoadedPtr before;   // a load without commands: the parts as they were
    bool newDesign = false;   // the file had no design and took a new project's
};

void TProject::TLoadedDeleter::operator()(TLoaded *loaded) const
{
    delete loaded;
}

TProject::TProject(QObject *parent) : QObject(parent), m_document(std::make_unique<TXDocument>())
{
    m_undoStack.setUndoLimit(kUndoLimit);
    // The tree and the options change only inside the stack's commands (or a
    // load): their signals bring the design window up to date, the stack
    // decides the modified flag.
    connect(&m_tree, &TCommandTree::Edited, this,
            [this](TCommandTree::TChanges what, TBaseItem *) { Refresh(what); });
    connect(&m_tree, &TCommandTree::CurrentChanged, this, &TProject::OnCurrentChanged);
    connect(&m_undoStack, &QUndoStack::indexChanged, this, &TProject::FollowStack);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &TProject::FollowStack);
}

TProject::~TProject()
{
    // The tree's and the stack's signals must not reach a half-destroyed
    // project; the steps go first, while the tree they refer to still stands.
    m_tree.disconnect(this);
    m_options.disconnect(this);
    m_undoStack.disconnect(this);
    // Nobody hears the steps go: the views may be gone before the project.
    m_undoStack.blockSignals(true);
    m_undoStack.clear();
}

QString TProject::FileName() const
{
    return m_document->FileName();
}

void TProject::CheckCommandDepth() const
{
    // The reader has a nesting limit; a file it would refuse is not written.
    int deepest = 0;
    m_tree.ForEach([&deepest](TBaseItem *, int depth) { deepest = std::max(deepest, depth + 1); });
    if (deepest > MaxCommandDepth())
        throw BrenwickError(
            QCoreApplication::translate("TProjectFile", kTooDeep).arg(deepest).arg(MaxCommandDepth()));
}

int TProject::MaxCommandDepth()
{
    // The document element and root stand above the top-level entries.
    return TXNode::kMaxNestingDepth - kLevelsAboveCommands;
}

void TProject::WriteParts(TXNode &root, TParts parts)
{
    m_designParts->EncodePictures(parts.testFlag(ppOptionsAndDesign), parts.testFlag(ppButtons));
    TXNode *creator = root.AddChild(L("creator"));
    creator->SetAttr(L("name"), L(kCreatorName));
    creator->SetAttr(L("version"), L(kCreatorVersion));

    if (parts.testFlag(ppCommands)) {
        TXNode *commands = root.AddChild(L("root"));
        for (const TBaseItem *item : m_tree.TopLevel())
            WriteEntry(*commands, *item);
    }
    if (parts.testFlag(ppOptionsAndDesign)) {
        root.AddChild(L("rootdir"))->SetText(m_options.RootDir());
        root.AddChild(L("about"))->SetText(TProjectOptions::AboutToFileText(m_options.About()));
        TXNode *exit = root.AddChild(L("exitoptions"));
        exit->SetAttr(L("levelup"), m_options.ExitLevelUp());
        exit->SetAttr(L("anycom"), m_options.ExitAnyCommand());
        exit->SetAttr(L("cross"), m_options.ExitCross());
        exit->SetAttr(L("question"), m_options.ExitQuestion());
        TXNode *path = root.AddChild(L("pathoptions"));
        if (m_options.PathOption() != TProjectOptions::poNone)
            path->SetAttr(L("option"), TProjectOptions::PathOptionWord(m_options.PathOption()));
        path->SetAttr(L("cdroot"), m_options.CdRoot());
        m_designParts->WriteDesign(root);
    }
    if (parts.testFlag(ppButtons))
        m_designParts->WriteButtons(root);
}

void TProject::SaveProject(const QString &fileName, TParts parts)
{
    SaveFile(fileName, parts, parts != WholeProject());
}

void TProject::SaveCopy(const QString &fileName)
{
    SaveFile(fileName, WholeProject(), true);
}

void TProject::SaveFile(const QString &fileName, TParts parts, bool keepFileName)
{
    if (parts.testFlag(ppCommands))
        CheckCommandDepth();
    TXDocument &doc = *m_document;
    const QString previous = doc.FileName();
    doc.SetRootName(QString::fromLatin1(kRootName));
    doc.SetHeader(QString::fromLatin1(kProlog));
    doc.SetFileName(fileName);
    doc.Clear();
    try {
        WriteParts(*doc.Root(), parts);
        doc.SaveToFile(fileName);
    } catch (...) {
        // A failed save leaves the project where it was.
        doc.SetFileName(previous);
        doc.Clear();
        throw;
    }
    if (keepFileName) {
        doc.SetFileName(previous);
        doc.Clear();
    }
}

TProject::TLoadedPtr TProject::ReadProject(const QString &fileName, TParts parts)
{
    auto document = std::make_unique<TXDocument>();
    // Pictures are decoded while the rest of the file is still being read.
    TPicturesDecodedAhead pictures;
    if (!document->LoadFromFile(fileName, [&pictures](const TXNode &element) { pictures.Offer(element); })) {
        m_lastOpenError = document->LastError();
        return nullptr;
    }
    m_lastOpenError.clear();
    TLoadedPtr loaded = ReadParts(std::move(document), parts, &pictures);
    loaded->fileName = fileName;
    if (!parts.testFlag(ppCommands)) {
        // What undoing the load puts back, taken the way a save and a load
        // would take it, before anything changes.
        auto snapshot = std::make_unique<TXDocument>();
        WriteParts(*snapshot->Root(), parts);
        loaded->before = ReadParts(std::move(snapshot), parts);
    }
    return loaded;
}

TProject::TLoadedPtr TProject::ReadParts(std::unique_ptr<TXDocument> document, TParts parts,
                                         TPicturesDecodedAhead *pictures)
{
    TLoadedPtr loaded(new TLoaded);
    loaded->parts = parts;
    loaded->document = std::move(document);
    TXNode &root = *loaded->document->Root();
    // The design readers take the pictures from here.
    std::optional<TPicturesDecodedAhead> own;
    if (!pictures)
        pictures = &own.emplace();
    pictures->Finish(root);

    if (parts.testFlag(ppCommands)) {
        int number = 0;
        CheckEntries(*root.Child(L("root")), number);
    }
    if (parts.testFlag(ppOptionsAndDesign)) {
        loaded->newDesign = m_designParts->AddNewDesign(root);
        TProjectOptions &o = loaded->options;
        o.SetRootDir(root.Child(L("rootdir"))->Text());
        o.SetAbout(TProjectOptions::AboutFromFileText(root.Child(L("about"))->Text()));
        const TXNode &exit = *root.Child(L("exitoptions"));
        o.SetExitLevelUp(ReadBool(exit, "levelup", false));
        o.SetExitAnyCommand(ReadBool(exit, "anycom", false));
        o.SetExitCross(ReadBool(exit, "cross", false));
        o.SetExitQuestion(ReadBool(exit, "question", false));
        const TXNode &path = *root.Child(L("pathoptions"));
        const TAttrValue option = path.GetAttr(L("option"));
        o.SetPathOption(TProjectOptions::PathOptionFromWord(option.Value(), option.IsMissing()));
        o.SetCdRoot(ReadBool(path, "cdroot", true));
        loaded->design = m_designParts->ReadDesign(root);
    }
    if (parts.testFlag(ppButtons))
        loaded->buttons = m_designParts->ReadButtons(root);
    return loaded;
}

// A load of options, design and buttons into the open project (a design
// file): one step of the undo stack. Undo puts back what the project held,
// kept in the same checked form as a load.
class TProject::TLoadPartsCommand : public QUndoCommand
{
public:
    TLoadPartsCommand(TProject &project, TLoadedPtr after, TLoadedPtr before)
        : QUndoCommand(QCoreApplication::translate("TProjectFile", "загрузка оформления")), m_project(project),
          m_after(std::move(after)),
          m_before(std::move(before))
    {
    }
    void redo() override { m_project.ApplyParts(*m_after); }
    void undo() override { m_project.ApplyParts(*m_before); }

private:
    TProject &m_project;
    TLoadedPtr m_after;
    TLoadedPtr m_before;
};

void TProject::ApplyParts(const TLoaded &loaded)
{
    m_tree.BeginUpdate();
    if (loaded.parts.testFlag(ppOptionsAndDesign)) {
        m_options.Assign(loaded.options);
        if (loaded.design)
            loaded.design();
    }
    if (loaded.parts.testFlag(ppButtons)) {
        if (loaded.buttons)
            loaded.buttons();
        else
            m_designParts->ClearButtons();
    }
    m_tree.EndUpdate();
    RefreshDesign();
    emit PartsReplaced(loaded.parts);
}

void TProject::ApplyProject(TLoadedPtr loaded)
{
    if (!loaded)
        return;
    m_tookNewDesign = loaded->newDesign;
    const TParts parts = loaded->parts;
    if (!parts.testFlag(ppCommands)) {
        // The project keeps its commands and its file: the file now differs
        // from the project, and the load can be undone.
        TLoadedPtr before = std::move(loaded->before);
        Push(new TLoadPartsCommand(*this, std::move(loaded), std::move(before)));
        if (TBaseItem *first = m_tree.FirstItem())
            m_tree.Select(first);
        RefreshDesign();
        return;
    }
    m_tree.BeginUpdate();
    if (parts.testFlag(ppCommands))
        m_tree.BeginRebuild();
    ClearProject(parts);
    if (parts.testFlag(ppCommands)) {
        // Every entry goes through the same creation as the add buttons, placed
        // last under its parent, then takes its number from the file.
        std::function<void(const TXNode &, TBaseItem *)> build = [&](const TXNode &parentEl, TBaseItem *parent) {
            for (const TXNode *el = parentEl.FirstChild(); el; el = el->Next()) {
                const TEntryAttrs attrs(*el);
                TBaseItem *item = m_tree.AddItem(attrs.Text(TEntryAttrs::fName), ItemKindFromElementName(el->Name()),
                                                 TCommandTree::TPlace::LastChildOf(parent), false);
                m_tree.SetComment(item, attrs.Text(TEntryAttrs::fComment));
                m_tree.SetCustom(item, attrs.Text(TEntryAttrs::fCustom));
                m_tree.SetParams(item, attrs.Text(TEntryAttrs::fParams));
                m_tree.SetId(item, attrs.Id());
                m_tree.SetHidden(item, attrs.Hidden());
                if (ChildrenAreRead(*el))
                    build(*el, item);
            }
        };
        build(*loaded->document->Root()->Child(L("root")), nullptr);
    }
    m_tree.EndRebuild();
    if (parts.testFlag(ppOptionsAndDesign)) {
        m_options.Assign(loaded->options);
        if (loaded->design)
            loaded->design();
    }
    if (parts.testFlag(ppButtons) && loaded->buttons)
        loaded->buttons();
    if (TBaseItem *first = m_tree.FirstItem())
        m_tree.Select(first);
    if (parts == WholeProject())
        m_document = std::move(loaded->document);   // the project's file from now on
    m_tree.EndUpdate();
    // The steps before the load refer to what it replaced.
    m_undoStack.clear();
    SetModified(false);
    RefreshDesign();
    emit PartsReplaced(parts);
}

void TProject::LoadProject(const QString &fileName, TParts parts)
{
    TLoadedPtr loaded = ReadProject(fileName, parts);
    if (!loaded)
        throw BrenwickError(m_lastOpenError);
    ApplyProject(std::move(loaded));
}

void TProject::ClearProject(TParts parts)
{
    if (parts.testFlag(ppCommands)) {
        m_tree.Clear();
        m_designView->RefreshMenu();
    }
    if (parts.testFlag(ppButtons))
        m_designParts->ClearButtons();
    m_undoStack.clear();
    SetModified(false);
    emit PartsReplaced(parts);
}

void TProject::KeepFreshState()
{
    TXDocument doc;
    doc.SetRootName(QString::fromLatin1(kRootName));
    doc.SetHeader(QString::fromLatin1(kProlog));
    WriteParts(*doc.Root(), WholeProject());
    m_fresh = doc.ToBytes();
}

void TProject::NewProject()
{
    auto document = std::make_unique<TXDocument>();
    if (m_fresh.isEmpty()) {
        ClearProject(WholeProject());
        m_options.Assign(TProjectOptions());
        m_document = std::move(document);
        return;
    }
    TXInput input{QByteArrayView(m_fresh)};
    document->ReadFrom(input);
    ApplyProject(ReadParts(std::move(document), WholeProject()));
}
