#include "app/TTrialLink.h"

#include "app/TMainForm.h"
#include "app/TTrialForm.h"
#include "base/BrenwickError.h"
#include "base/UserPrompt.h"

#include <QAction>

TTrialLink::TTrialLink(TMainForm &mainForm) : m_main(mainForm)
{
    connect(m_main.ATryMenu, &QAction::triggered, this, &TTrialLink::ATryMenuExecute);
}

void TTrialLink::ATryMenuExecute()
{
    // One test-run at a time: a new one starts from the project as it is now.
    if (m_form)
        m_form->close();
    TProject &project = m_main.Project();
    try {
        // Writing gives every picture its text; the editor's bitmaps of those
        // texts are what reading them would give, so they are not decoded again.
        const QByteArray bytes = project.ProjectBytes();
        m_form = new TTrialForm(bytes, project.KnownPictures(), project.FileName(), project.Options().RootDir(),
                                m_main.Prompt(), &m_main);
    } catch (const BrenwickError &e) {
        m_main.Prompt().ask(tr("Проверка меню"), e.message(), UserPrompt::Buttons::Ok, UserPrompt::Icon::Error);
        return;
    }
    m_form->Start();
}
