#pragma once

#include "kit/TPropertyGridModel.h"
#include "base/TPropertyLayer.h"
#include "layout/TDesignDocument.h"
#include "layout/TInspectorConfig.h"
#include "layout/TObjectTree.h"

#include <QObject>
#include <QPointer>

class TPicButton;
class TPreviewForm;
class TProject;
class UserPrompt;

// The logic of the page "Внешний вид": the object tree and its selection kept
// in step with the design window, the inspected object, and the stand-alone
// picture buttons, which only this class creates and frees. Every change it
// makes to the design goes through the design document as a step; the tree
// and the grid follow the document's announcements only. After every step,
// undo or redo that changed the design they show the object it changed, or
// the window when that object is gone.
class TLayoutEditor : public QObject
{
    Q_OBJECT
public:
    static const char *const kNewButtonCaption;   // "Кнопка"
    static constexpr int kDefaultButtonTop = 248;
    static constexpr int kExitButtonLeft = 440;
    static constexpr int kBrowseButtonLeft = 372;
    static constexpr int kHelpButtonLeft = 304;

    TLayoutEditor(TPreviewForm &form, TProject &project, UserPrompt &prompt, QObject *parent = nullptr);
    ~TLayoutEditor() override;

    TPreviewForm &Form() { return m_form; }
    TProject &Project() { return m_project; }
    TObjectTree &Tree() { return m_tree; }
    TDesignDocument &Document() { return m_document; }
    TPropertyLayer &Layer() { return m_document.Layer(); }
    TInspectorConfig &Config() { return m_config; }
    // The property grid's rows for the inspected object.
    TPropertyGridModel &Inspector() { return m_inspector; }
    // ObjectInspectorChangedPropValue's part: one value change as one undo
    // step (typed changes of one row merge); false with a message when the
    // value cannot be written.
    bool SetProperty(QObject *object, const QString &path, const QVariant &value, bool typed = false,
                     QString *error = nullptr);
    QStandardItem *ButtonsNode() const { return m_buttonsNode; }
    // The undo step's name of a change: the row's display name and the
    // object's node caption, «изменение «Ширина» («Окно»)».
    QString StepText(QObject *object, const QString &path) const;

    // The first showing of the main window: builds the tree and the three
    // default buttons once; later calls do nothing. Selects no node and
    // leaves the modified flag alone.
    void FormShow();

    // Creates a stand-alone button with its picture control placed in the
    // design window and its node at the end of "Кнопки". Not undoable by
    // itself (the design reader and the first showing use it directly).
    TPicButton *CreatePicButton(const QString &caption);
    // A button added by the user: as CreatePicButton, with the pictures and
    // size of the new project's buttons, placed inside the design window
    // where it covers no other button.
    TPicButton *CreateNewButton(const QString &caption);
    // Frees a button, its picture control and its node, after clearing every
    // reference to it (design window selection, inspected object).
    void DeletePicButton(TPicButton *button);
    // Frees every stand-alone button, without a question.
    void DeleteAllPicButtons();
    // The stand-alone buttons in the order of their nodes.
    QList<TPicButton *> PicButtons() const;

    // Takes a button out of the design and the tree without freeing it (the
    // caller owns it then); returns its former position among the buttons.
    qsizetype DetachPicButton(TPicButton *button);
    // Puts a detached button back at a position among the buttons.
    void AttachPicButton(TPicButton *button, qsizetype index);

    // After a project or design has been loaded: selects the first node
    // ("Окно") and re-reads the grid, so that the inspector shows the window.
    void SelectFirstNode();

    // The object shown in the property inspector, or null.
    QObject *Inspected() const { return m_inspected; }
    void SetInspected(QObject *object);

    // Whether ADeleteButton is enabled: the selected node carries a button.
    bool CanDeleteButton() const;

    // Actions.
    void AAddButtonExecute();
    void ADeleteButtonExecute();

signals:
    void InspectedChanged(QObject *object);
    void DeleteButtonEnabled(bool enabled);
    // A node should be shown expanded.
    void ExpandNode(QStandardItem *node);

private:
    void BuildTree();
    void CreateDefaultButtons();
    void ObjectTreeChange(QStandardItem *node, QObject *object);
    void DesignChanged(QObject *object, const QString &path, TDesignDocument::TChange kind);
    // Selects the node of the object a step changed, or "Окно".
    void ShowTouched(QObject *object);
    void RenameButtonNode(TPicButton *button);
    QStandardItem *AddButtonNode(TPicButton *button, qsizetype index);

    TPreviewForm &m_form;
    TProject &m_project;
    UserPrompt &m_prompt;
    TObjectTree m_tree;
    TDesignDocument m_document;
    TInspectorConfig m_config;
    TPropertyGridModel m_inspector;
    QStandardItem *m_buttonsNode = nullptr;
    QPointer<QObject> m_inspected;
    bool m_formGone = false;
};
