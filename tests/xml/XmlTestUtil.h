#pragma once

#include "base/BrenwickError.h"
#include "xml/TXDocument.h"
#include "xml/TXStream.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

// Reads a document from bytes in memory.
inline void readDocument(TXDocument &doc, const QByteArray &bytes)
{
    TXInput in(bytes);
    doc.ReadFrom(in);
}

// The message of the BrenwickError that f throws; fails the test when none is thrown.
template <typename F>
QString errorOf(F &&f)
{
    try {
        f();
    } catch (const BrenwickError &e) {
        return e.message();
    }
    ADD_FAILURE() << "no BrenwickError thrown";
    return QString();
}

inline QByteArray writeNode(const TXNode &node)
{
    QByteArray bytes;
    TXOutput out(bytes);
    node.WriteTo(out);
    return bytes;
}
