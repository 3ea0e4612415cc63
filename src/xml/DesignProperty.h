#pragma once

#include <QString>
#include <QVariant>

class QObject;

// The design reader's and writer's access to properties by path: each name
// before the last is an object-valued property ("Font" in "Font.Color").
// Returns an invalid QVariant / false for a path the object does not publish.
QVariant ReadDesignProperty(const QObject &object, const QString &path);
bool WriteDesignProperty(QObject &object, const QString &path, const QVariant &value);
// The object at an object-valued path ("Pictures.Default"), or nullptr.
QObject *DesignPropertyObject(const QObject &object, const QString &path);
