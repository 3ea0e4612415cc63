#pragma once

#include "kit/TPropertyGridModel.h"
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
// in step with the design window, and the inspected object. Every change it
// makes to the design goes through the design document as a step; the tree
// (a stand-alone button's node included) and the grid follow the document's
// announcements only. After every step, undo or redo that changed the design
// they show the object it changed, or the window when that object is gone.
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
    TInspectorConfig &Config() { return m_config; }
    // The property grid's rows for the inspected object.
    TPropertyGridModel &Inspector() { return m_inspector; }
    // ObjectInspectorChangedPropValue's part: one value change as one undo
    // step (typed changes of one row within one editing merge); false with a
    // message when the value cannot be written.
    bool SetProperty(QObject *object, const QString &path, const QVariant &value, bool typed = false,
                     int editing = 0, QString *error = nullptr);
    QStandardItem *ButtonsNode() const { return m_buttonsNode; }
    // The undo step's name of a change: the row's display name and the
    // object's node caption, «изменение «Ширина» («Окно»)».
    QString StepText(QObject *object, const QString &path) const;

    // The first showing of the main window: builds the tree and the three
    // default buttons once; later calls do nothing. Selects no node and
    // leaves the modified flag alone.
    void FormShow();

    // The design document's stand-alone buttons (see there).
    TPicButton *CreatePicButton(const QString &caption) { return m_document.CreateButton(caption); }
    void DeleteAllPicButtons() { m_document.DeleteAllButtons(); }
    QList<TPicButton *> PicButtons() const { return m_document.Buttons(); }

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
    void AddButtonNode(TPicButton *button);
    void RemoveButtonNode(TPicButton *button);

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
