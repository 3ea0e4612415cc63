#pragma once

#include "layout/TLayoutEditor.h"
#include "layout/TPreviewForm.h"
#include "project/TProject.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

// The layout editor as the design's tests start from it: a design window
// that is never shown, its project, a scripted prompt, the tree built with
// the three default buttons, and the grid of the inspected object.
struct EditorFixture
{
    TPreviewForm form;
    TProject project;
    ScriptedPrompt prompt;
    TLayoutEditor editor{form, project, prompt};
    TPropertyGridModel &model = editor.Inspector();

    EditorFixture() { editor.FormShow(); }

    // Selects the node with this caption, so that the grid shows its object.
    void inspect(const QString &caption)
    {
        for (QStandardItem *node : editor.Tree().AllNodes())
            if (node->text() == caption) {
                ASSERT_TRUE(editor.Tree().Select(node));
                return;
            }
        FAIL() << "no node " << caption.toStdString();
    }
    QModelIndex value(const QString &path) { return model.IndexOfPath(path, TPropertyGridModel::ValueColumn); }
    QString shown(const QString &path) { return value(path).data().toString(); }
};
