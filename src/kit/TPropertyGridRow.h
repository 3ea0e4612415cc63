#pragma once

#include "kit/TPropertyGridModel.h"

#include <memory>
#include <vector>

// One row of the property grid's model: a group heading or a property.
struct TPropertyGridModel::Row
{
    Row *parent = nullptr;
    int row = 0;
    bool group = false;
    QString name;   // the group's caption for a group
    QString path;
    TPropertyLayer::Kind kind = TPropertyLayer::Kind::Invalid;
    int typeId = 0;
    QString className;   // of the object a sub-object row holds
    std::vector<std::unique_ptr<Row>> children;
    // The value's text as last shown; refreshing repaints only rows whose text changed.
    mutable QString text;
    mutable bool textKnown = false;
};
