#include "layout/TLayoutEditor.h"

#include "base/TextLiterals.h"
#include "base/UserPrompt.h"
#include "layout/StartPictures.h"
#include "layout/TDesignValueTypes.h"
#include "layout/TPicButtonCommand.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "window/TButtonBox.h"
#include "window/TPicButton.h"

// Written into the project file, so never translated: the disc's visitors read it.
const char *const TLayoutEditor::kNewButtonCaption = "Кнопка";

TLayoutEditor::TLayoutEditor(TPreviewForm &form, TProject &project, UserPrompt &prompt, QObject *parent)
    : QObject(parent), m_form(form), m_project(project), m_prompt(prompt), m_document(form, project),
      m_config(&form), m_inspector(m_config)
{
    RegisterDesignValueTypes(m_inspector, &m_prompt);
    m_inspector.SetCommitHandler(
        [this](QObject *object, const QString &path, const QVariant &value, bool typed, int editing, QString *error) {
            return SetProperty(object, path, value, typed, editing, error);
        });
    m_inspector.SetErrorHandler([this](const QString &message) {
        m_prompt.inform(tr("Ошибка"), message, UserPrompt::Icon::Error);
    });
    connect(this, &TLayoutEditor::InspectedChanged, &m_inspector, &TPropertyGridModel::SetInspected);
    connect(&m_document, &TDesignDocument::Changed, this, &TLayoutEditor::DesignChanged);
    connect(&m_document, &TDesignDocument::StepTouched, this, &TLayoutEditor::ShowTouched);
    connect(&m_tree, &TObjectTree::Changed, this, &TLayoutEditor::ObjectTreeChange);
    m_form.setDesignObjects(&m_tree);
    // The design window outlives nothing it does not own: it forgets the tree first.
    connect(&m_form, &QObject::destroyed, this, [this] { m_formGone = true; });
}

TLayoutEditor::~TLayoutEditor()
{
    if (!m_formGone) {
        m_form.setDesignObjects(nullptr);
        m_form.SetSelection(nullptr);
    }
}

void TLayoutEditor::FormShow()
{
    if (!m_tree.IsEmpty())
        return;
    SetInspected(&m_form);
    BuildTree();
    CreateDefaultButtons();
    emit ExpandNode(m_buttonsNode);
    m_form.RefreshMenu();
    // What "Создать" brings back: this first start's design and buttons.
    m_project.KeepFreshState();
}

void TLayoutEditor::BuildTree()
{
    m_tree.AddNode(nullptr, tr("Окно"), &m_form);
    QStandardItem *pictures = m_tree.AddNode(nullptr, tr("Картинки"), nullptr, true);
    m_tree.AddNode(pictures, tr("Фоновая картинка"), m_form.BackImage());
    m_tree.AddNode(pictures, tr("Картинка в тему"), m_form.ThemeImage());
    emit ExpandNode(pictures);
    QStandardItem *labels = m_tree.AddNode(nullptr, tr("Надписи"), nullptr, true);
    m_tree.AddNode(labels, tr("Надпись наверху"), m_form.Heading());
    m_tree.AddNode(labels, tr("Комментарий"), m_form.CommentArea());
    emit ExpandNode(labels);
    QStandardItem *menu = m_tree.AddNode(nullptr, tr("Меню"), nullptr, true);
    m_tree.AddNode(menu, tr("Область меню"), m_form.MenuArea());
    m_tree.AddNode(menu, tr("Кнопки в меню"), m_form.MenuArea()->ButtonStyle());
    emit ExpandNode(menu);
    m_buttonsNode = m_tree.AddNode(nullptr, tr("Кнопки"), nullptr, true);
}

void TLayoutEditor::CreateDefaultButtons()
{
    struct Default
    {
        const char *caption;
        const char *pictures;
        int left;
        TPicButton::TButtonAction action;
    };
    // The captions are written into the project file: never translated.
    static const Default kDefaults[] = {
        {"Выход", "exit", kExitButtonLeft, TPicButton::baExit},
        {"Проводник", "explorer", kBrowseButtonLeft, TPicButton::baBrowse},
        {"Справка", "help", kHelpButtonLeft, TPicButton::baHelp},
    };
    for (const Default &d : kDefaults) {
        TPicButton *button = m_document.CreateButton(U(d.caption));
        SetStartPictures(*button->Pictures(), QString::fromLatin1(d.pictures));
        button->setLeft(d.left);
        button->setTop(kDefaultButtonTop);
        button->setAnchors(TSurface::TAnchors(TSurface::akRight | TSurface::akBottom));
        button->setAction(d.action);
    }
}

void TLayoutEditor::AddButtonNode(TPicButton *button)
{
    if (!m_buttonsNode)
        m_buttonsNode = m_tree.AddNode(nullptr, tr("Кнопки"), nullptr, true);
    QStandardItem *node = m_tree.AddNode(m_buttonsNode, button->Caption(), button);
    const qsizetype index = m_document.Buttons().indexOf(button);
    if (index >= 0 && index < m_buttonsNode->rowCount() - 1) {
        QList<QStandardItem *> row = m_buttonsNode->takeRow(node->row());
        m_buttonsNode->insertRow(int(index), row);
    }
}

void TLayoutEditor::RemoveButtonNode(TPicButton *button)
{
    // Every reference to the button goes before it leaves; the grid keeps
    // showing any other object.
    m_form.SetSelection(nullptr);
    if (m_inspected == button || m_tree.SelectedObject() == button)
        SetInspected(nullptr);
    m_tree.DeleteNode(m_tree.NodeOf(button));
    emit DeleteButtonEnabled(CanDeleteButton());
}

void TLayoutEditor::SelectFirstNode()
{
    if (QStandardItem *first = m_tree.model()->item(0))
        m_tree.Select(first);
    m_inspector.RefreshValues();
}

void TLayoutEditor::SetInspected(QObject *object)
{
    m_inspected = object;
    emit InspectedChanged(object);
}

bool TLayoutEditor::CanDeleteButton() const
{
    return qobject_cast<TPicButton *>(m_tree.SelectedObject()) != nullptr;
}

void TLayoutEditor::ObjectTreeChange(QStandardItem *, QObject *object)
{
    SetInspected(object);
    const bool control = qobject_cast<QWidget *>(object) || qobject_cast<TControlWrapper *>(object);
    m_form.SetSelection(control ? object : nullptr);
    emit DeleteButtonEnabled(CanDeleteButton());
}

void TLayoutEditor::AAddButtonExecute()
{
    // The new button then shows selected in the tree, the grid and the
    // window, as the object of any step does.
    m_document.Push(TPicButtonCommand::Add(m_document, U(kNewButtonCaption)));
}

void TLayoutEditor::ADeleteButtonExecute()
{
    QStandardItem *node = m_tree.Selected();
    if (auto *button = qobject_cast<TPicButton *>(TObjectTree::ObjectOf(node))) {
        const QString text = tr("Вы точно хотите удалить кнопку \"%1\" ?").arg(node->text());
        if (m_prompt.ask(tr("Удаление"), text, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Warning)
            == UserPrompt::Answer::Yes) {
            m_document.Push(TPicButtonCommand::Delete(m_document, button));
            return;
        }
    }
    // Declining, or nothing to delete, still counts as an edit.
    m_project.Changed(TCommandTree::tcData);
}

bool TLayoutEditor::SetProperty(QObject *object, const QString &path, const QVariant &value, bool typed, int editing,
                                QString *error)
{
    return m_document.SetProperty(object, path, value, StepText(object, path), typed, editing, error);
}

void TLayoutEditor::DesignChanged(QObject *object, const QString &path, TDesignDocument::TChange kind)
{
    using TChange = TDesignDocument::TChange;
    Q_UNUSED(path)
    switch (kind) {
    case TChange::Value:
        // A button's node reads its caption.
        RenameButtonNode(qobject_cast<TPicButton *>(object));
        m_inspector.ValuesChanged(object);
        break;
    case TChange::Bounds:
        m_inspector.ValuesChanged(object);
        break;
    case TChange::Added:
        AddButtonNode(qobject_cast<TPicButton *>(object));
        return;
    case TChange::Removed:
        RemoveButtonNode(qobject_cast<TPicButton *>(object));
        return;
    case TChange::Replaced:
        // A project or design read anew: every button's node takes the caption
        // read, and the tree and the grid show the window.
        for (TPicButton *button : PicButtons())
            RenameButtonNode(button);
        SelectFirstNode();
        return;
    case TChange::Outside:
        m_inspector.RefreshValues();
        return;
    }
    // The window's place and size move the objects anchored in it.
    if (object == &m_form && m_inspected != &m_form)
        m_inspector.RefreshValues();
}

void TLayoutEditor::RenameButtonNode(TPicButton *button)
{
    QStandardItem *node = button ? m_tree.NodeOf(button) : nullptr;
    if (node && node->text() != button->Caption()) {
        node->setText(button->Caption());
        node->setAccessibleText(button->Caption());
    }
}

void TLayoutEditor::ShowTouched(QObject *object)
{
    QStandardItem *node = object ? m_tree.NodeOf(object) : nullptr;
    if (!node)
        node = m_tree.model()->item(0);
    if (!node)
        return;
    if (node != m_tree.Selected())
        m_tree.Select(node);
    else if (m_inspected != TObjectTree::ObjectOf(node))
        ObjectTreeChange(node, TObjectTree::ObjectOf(node));
}

QString TLayoutEditor::StepText(QObject *object, const QString &path) const
{
    const QString name = path.section(QLatin1Char('.'), -1);
    const QStandardItem *node = m_tree.NodeOf(object);
    const QString row = m_config.DisplayName(path, name);
    return node ? tr("изменение «%1» («%2»)").arg(row, node->text()) : tr("изменение «%1»").arg(row);
}
