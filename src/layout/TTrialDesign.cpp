#include "layout/TTrialDesign.h"

#include "project/TBaseItem.h"
#include "project/TMenuSource.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPaintSurface.h"
#include "window/TPicButton.h"

// The menu as the run sees it: only the visible entries of its level.
class TTrialDesign::RunSource : public TMenuSource
{
public:
    const TMenuRun *run = nullptr;
    bool isTreeEmpty() const override { return false; }
    Level currentLevel() const override
    {
        Level level;
        if (!run)
            return level;
        for (const TBaseItem *entry : run->Entries())
            level.entries << Entry{entry->Name(), false};
        level.current = run->Selected();
        level.groupCaption = run->GroupCaption();
        level.hasGroup = run->Group() != nullptr;
        return level;
    }
};

TTrialDesign::TTrialDesign(const QByteArray &bytes, const TKnownPictures &known) : m_source(std::make_unique<RunSource>())
{
    m_project.ApplyProject(m_project.ReadProjectBytes(bytes, known));
    m_form.setEnableSelect(false);
    m_form.setShowSelection(false);
    m_form.SetSelection(nullptr);
    m_form.setMenuSource(m_source.get());
}

TTrialDesign::~TTrialDesign()
{
    m_form.setMenuSource(nullptr);
}

std::unique_ptr<TMenuRun> TTrialDesign::MakeRun(const QString &projectFile, const QString &discDir) const
{
    QList<TRunButton> buttons;
    for (const TPicButton *b : PicButtons())
        buttons << TRunButton{b->Caption(), b->Action(), b->ItemID(), b->Visible(), b->Width(), b->Height()};
    return std::make_unique<TMenuRun>(m_project.Tree(), m_project.Options(), buttons, projectFile, discDir);
}

void TTrialDesign::Show(const TMenuRun &run, int pressedEntry)
{
    m_source->run = &run;
    m_form.MenuArea()->setUpdating(true);
    m_form.MenuArea()->setPressedIndex(pressedEntry);
    m_form.MenuArea()->setUpdating(false);
    m_form.fillMenu();
    m_form.SetCommentText(run.Comment());
}

int TTrialDesign::EntryAt(const QPoint &point)
{
    TPaintSurface *box = m_form.MenuBox();
    if (box->isHidden() || !box->geometry().contains(point))
        return -1;
    return m_form.MenuArea()->ItemAt(point - box->pos());
}

int TTrialDesign::ButtonAt(const QPoint &point) const
{
    const QList<TPicButton *> buttons = PicButtons();
    const QList<TImageEx *> order = m_form.pictureControls();
    // The control placed last lies on top.
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        const TImageEx *control = order.at(i);
        if (!control || control->isHidden() || !control->geometry().contains(point))
            continue;
        // A button the visitor cannot see is never hit: what lies below it is.
        for (int b = 0; b < buttons.size(); ++b) {
            const TPicButton *button = buttons.at(b);
            if (button->Image() == control && button->Visible() && button->Width() > 0 && button->Height() > 0)
                return b;
        }
    }
    return -1;
}

void TTrialDesign::SetButtonState(int index, TPictureSet::TButtonState state)
{
    const QList<TPicButton *> buttons = PicButtons();
    if (index >= 0 && index < buttons.size() && buttons.at(index)->State() != state)
        buttons.at(index)->setState(state);
}
