#include "app/TLayoutPageLink.h"

#include "app/TMainForm.h"
#include "layout/TLayoutEditor.h"
#include "layout/TLayoutPage.h"
#include "layout/TPreviewForm.h"

#include <QEvent>

namespace {

// FormShow: every showing of the main window; only the first builds anything.
class TShowHook : public QObject
{
public:
    TShowHook(TMainForm &form, TLayoutEditor &editor) : QObject(&form), m_editor(editor) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            m_editor.FormShow();
        return false;
    }

private:
    TLayoutEditor &m_editor;
};

} // namespace

TLayoutEditor *linkLayoutPage(TMainForm &mainForm, TPreviewForm &preview)
{
    auto *editor = new TLayoutEditor(preview, mainForm.Project(), mainForm.Prompt(), &mainForm);
    TLayoutPage::Actions actions;
    actions.addButton = mainForm.AAddButton;
    actions.deleteButton = mainForm.ADeleteButton;
    actions.englishInspector = mainForm.AEnglishInspector;
    actions.noSelectText = mainForm.ANoSelectText;
    auto *page = new TLayoutPage(mainForm.LayoutPage(), *editor, actions, &mainForm.Prompt());
    page->SetSplitterPos(mainForm.SplitterPos());
    mainForm.FitToPages();
    QObject::connect(page, &TLayoutPage::SplitterMoved, &mainForm, [&mainForm](int pos) { mainForm.SetSplitterPos(pos); });
    mainForm.installEventFilter(new TShowHook(mainForm, *editor));
    if (mainForm.isVisible())
        editor->FormShow();
    return editor;
}
