#include "app/TDesignGalleryLink.h"

#include "app/TDesignGalleryForm.h"
#include "app/TMainForm.h"
#include "base/BrenwickError.h"
#include "base/UserPrompt.h"
#include "project/TOptionsCommand.h"

#include <QAction>
#include <QDate>

TDesignGalleryLink::TDesignGalleryLink(TMainForm &mainForm, const QString &ownFolder)
    : QObject(&mainForm), m_main(mainForm), m_gallery(ownFolder)
{
    RunForm = [](TDesignGalleryForm &form) { form.exec(); };
    connect(m_main.ADesignGallery, &QAction::triggered, this, &TDesignGalleryLink::ADesignGalleryExecute);
    connect(m_main.ASaveAsSample, &QAction::triggered, this, &TDesignGalleryLink::ASaveAsSampleExecute);
}

void TDesignGalleryLink::ADesignGalleryExecute()
{
    const QList<TGalleryDesign> designs = m_gallery.Designs();
    const QList<QImage> thumbnails = m_thumbnails.Draw(designs, TDesignThumbnails::LevelOf(m_main.Tree()));
    TDesignGalleryForm form(designs, thumbnails, [this](const TGalleryDesign &d) { return RemoveOwn(d); }, &m_main);
    RunForm(form);
    switch (form.Choice()) {
    case TDesignGalleryForm::TChoice::NewProject:
        NewFromDesign(form.Chosen());
        break;
    case TDesignGalleryForm::TChoice::Apply:
        ApplyDesign(form.Chosen());
        break;
    case TDesignGalleryForm::TChoice::None:
        break;
    }
}

bool TDesignGalleryLink::NewFromDesign(const TGalleryDesign &design)
{
    TProject &project = m_main.Project();
    if (!m_main.FormCloseQuery())
        return false;
    project.SetModified(false);   // answered for: "Создать" asks no more
    m_main.AFileNewExecute();
    if (!m_main.LoadProject(design.fileName, TProject::DesignFile()))
        return false;
    // The design is where the new project starts, not a step to take back.
    project.UndoStack().clear();
    project.SetModified(false);
    return true;
}

bool TDesignGalleryLink::ApplyDesign(const TGalleryDesign &design)
{
    TProject &project = m_main.Project();
    bool readable = false;
    try {
        readable = project.ReadProject(design.fileName, TProject::DesignFile()) != nullptr;
    } catch (const BrenwickError &) {
    }
    if (!readable)
        return m_main.LoadProject(design.fileName, TProject::DesignFile());   // shows why
    TProjectOptions kept;
    kept.Assign(project.Options());
    project.UndoStack().beginMacro(tr("оформление «%1»").arg(design.title));
    const bool loaded = m_main.LoadProject(design.fileName, TProject::DesignFile());
    // A look does not change where the disc is or what the about box says.
    if (loaded && !project.Options().SameAs(kept))
        project.Push(new TOptionsCommand(project.Options(), kept));
    project.UndoStack().endMacro();
    return loaded;
}

void TDesignGalleryLink::ASaveAsSampleExecute()
{
    UserPrompt &prompt = m_main.Prompt();
    const QString caption = tr("Сохранить как образец");
    const QString title = prompt.text(caption, tr("Название образца:"), QString()).simplified();
    if (title.isEmpty())
        return;
    const QString name = TDesignGallery::NameFor(title);
    if (m_gallery.Find(name)
        && prompt.ask(caption, tr("Образец «%1» уже есть. Заменить его?").arg(m_gallery.Find(name)->title),
                      UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
               != UserPrompt::Answer::Yes)
        return;
    try {
        // A design written anew has a new time and size: its thumbnail is drawn again.
        m_gallery.SaveOwn(m_main.Project(), title,
                          tr("Свой образец от %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    } catch (const BrenwickError &e) {
        prompt.inform(tr("Ошибка"), e.message(), UserPrompt::Icon::Error);
    }
}

bool TDesignGalleryLink::RemoveOwn(const TGalleryDesign &design)
{
    if (m_main.Prompt().ask(tr("Удаление"), tr("Удалить образец «%1»?").arg(design.title), UserPrompt::Buttons::YesNo,
                            UserPrompt::Icon::Warning)
        != UserPrompt::Answer::Yes)
        return false;
    if (!m_gallery.RemoveOwn(design.name))
        return false;
    m_thumbnails.Forget(design.fileName);
    return true;
}
